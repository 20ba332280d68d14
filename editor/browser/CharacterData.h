#pragma once

#include "Node.h"

#include <string>

namespace pls::page {

// A node that holds a string: text or a comment. The data is UTF-8; offsets into it are byte offsets that
// always fall on code point boundaries. Change it through Document::replaceText.
class CharacterData : public Node {
public:
    const std::string& data() const { return data_; }
    std::size_t length() const { return data_.size(); }

protected:
    CharacterData(NodeType type, Document& document, std::string data)
        : Node(type, document), data_(std::move(data)) {}

private:
    friend class Document;
    std::string data_;
};

// The two kinds differ only in how they serialize and in that a text node's code points are characters of the
// page.
class Text final : public CharacterData {
public:
    Text(Document& document, std::string data) : CharacterData(NodeType::Text, document, std::move(data)) {}
    std::unique_ptr<Node> cloneShallow() const override { return std::make_unique<Text>(document(), data()); }
};

class Comment final : public CharacterData {
public:
    Comment(Document& document, std::string data)
        : CharacterData(NodeType::Comment, document, std::move(data)) {}
    std::unique_ptr<Node> cloneShallow() const override {
        return std::make_unique<Comment>(document(), data());
    }
};

} // namespace pls::page
