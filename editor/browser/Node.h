#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace pls::page {

class Document;
class Element;
class CharacterData;
class Text;

enum class NodeType { Document, DocumentType, Element, Text, Comment };

// A node of the page tree. Children are owned; the parent is a plain back pointer. Nodes are changed only
// through the mutation primitives of Document, so the live ranges and the observer see every change; the raw
// relinking below (appendChildRaw) is for building trees that are not yet part of a document.
class Node {
public:
    virtual ~Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    NodeType type() const { return type_; }
    Document& document() const { return *document_; }
    Node* parent() const { return parent_; }
    Element* parentElement() const;
    std::size_t index() const { return index_; }

    std::size_t childCount() const { return children_.size(); }
    Node* child(std::size_t i) const { return i < children_.size() ? children_[i].get() : nullptr; }
    Node* firstChild() const { return child(0); }
    Node* lastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    Node* nextSibling() const;
    Node* previousSibling() const;

    bool isInclusiveAncestorOf(const Node& other) const;
    // The next node in document order that is not inside this one, or null.
    Node* nextSkippingChildren() const;
    Node* nextInTree() const;

    Element* asElement();
    const Element* asElement() const;
    Text* asText();
    CharacterData* asCharacterData();
    const CharacterData* asCharacterData() const;

    // A copy of this node without children (a deep copy is cloneTree).
    virtual std::unique_ptr<Node> cloneShallow() const = 0;
    std::unique_ptr<Node> cloneTree() const;

    // Raw relinking for trees under construction: no observer, no range fix-up.
    Node& appendChildRaw(std::unique_ptr<Node> child);
    void reserveChildrenRaw(std::size_t count) { children_.reserve(count); }
    std::vector<std::unique_ptr<Node>> takeChildrenRaw();

protected:
    Node(NodeType type, Document& document) : type_(type), document_(&document) {}
    explicit Node(NodeType type) : type_(type), document_(nullptr) {}
    void setDocumentForRoot(Document& document) { document_ = &document; }

private:
    friend class Document;
    void insertChildren(std::size_t at, std::vector<std::unique_ptr<Node>> nodes);
    std::unique_ptr<Node> takeChild(std::size_t at);
    std::vector<std::unique_ptr<Node>> takeChildren(std::size_t from, std::size_t count);
    void renumberFrom(std::size_t at);

    NodeType type_;
    Document* document_;
    Node* parent_ = nullptr;
    std::size_t index_ = 0;
    std::vector<std::unique_ptr<Node>> children_;
};

} // namespace pls::page
