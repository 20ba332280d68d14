#pragma once

#include "Document.h"
#include "DocumentObserver.h"

#include <memory>

namespace pls::page::test {

// Keeps a second document equal to the page from the notifications alone, as the view does with the browser:
// inserted nodes are copied through their HTML, everything else by path.
class TreeMirror final : public DocumentObserver {
public:
    explicit TreeMirror(const Document& page);
    const Document& copy() const { return *copy_; }

    void nodesInserted(Node& parent, std::size_t index, std::size_t count) override;
    void nodeRemoved(Node& parent, std::size_t index) override;
    void textChanged(CharacterData& node) override;
    void attributeChanged(Element& element, const std::string& name) override;

private:
    Node& counterpart(const Node& node);
    std::unique_ptr<Document> copy_;
};

} // namespace pls::page::test
