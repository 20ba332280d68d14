#include "Node.h"

#include "CharacterData.h"
#include "Element.h"

namespace pls::page {

// Children are released with an explicit stack: a page of a hundred thousand nested tags must not exhaust the
// call stack on destruction.
Node::~Node() {
    std::vector<std::unique_ptr<Node>> pending = std::move(children_);
    while (!pending.empty()) {
        std::unique_ptr<Node> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->children_)
            pending.push_back(std::move(child));
        node->children_.clear();
    }
}

Element* Node::parentElement() const {
    return parent_ ? parent_->asElement() : nullptr;
}

Node* Node::nextSibling() const {
    return parent_ ? parent_->child(index_ + 1) : nullptr;
}

Node* Node::previousSibling() const {
    return parent_ && index_ > 0 ? parent_->child(index_ - 1) : nullptr;
}

bool Node::isInclusiveAncestorOf(const Node& other) const {
    for (const Node* node = &other; node; node = node->parent_)
        if (node == this)
            return true;
    return false;
}

Node* Node::nextSkippingChildren() const {
    for (const Node* node = this; node; node = node->parent_)
        if (Node* next = node->nextSibling())
            return next;
    return nullptr;
}

Node* Node::nextInTree() const {
    if (Node* first = firstChild())
        return first;
    return nextSkippingChildren();
}

Element* Node::asElement() {
    return type_ == NodeType::Element ? static_cast<Element*>(this) : nullptr;
}

const Element* Node::asElement() const {
    return type_ == NodeType::Element ? static_cast<const Element*>(this) : nullptr;
}

Text* Node::asText() {
    return type_ == NodeType::Text ? static_cast<Text*>(this) : nullptr;
}

CharacterData* Node::asCharacterData() {
    return type_ == NodeType::Text || type_ == NodeType::Comment ? static_cast<CharacterData*>(this)
                                                                 : nullptr;
}

const CharacterData* Node::asCharacterData() const {
    return type_ == NodeType::Text || type_ == NodeType::Comment ? static_cast<const CharacterData*>(this)
                                                                 : nullptr;
}

std::unique_ptr<Node> Node::cloneTree() const {
    std::unique_ptr<Node> root = cloneShallow();
    // Pairs of (original, copy) still to fill, so deep trees copy without recursion.
    std::vector<std::pair<const Node*, Node*>> pending{{this, root.get()}};
    while (!pending.empty()) {
        auto [original, copy] = pending.back();
        pending.pop_back();
        for (const auto& child : original->children_)
            pending.emplace_back(child.get(), &copy->appendChildRaw(child->cloneShallow()));
    }
    return root;
}

Node& Node::appendChildRaw(std::unique_ptr<Node> child) {
    child->parent_ = this;
    child->index_ = children_.size();
    children_.push_back(std::move(child));
    return *children_.back();
}

std::vector<std::unique_ptr<Node>> Node::takeChildrenRaw() {
    for (auto& child : children_) {
        child->parent_ = nullptr;
        child->index_ = 0;
    }
    std::vector<std::unique_ptr<Node>> taken = std::move(children_);
    children_.clear();
    return taken;
}

void Node::insertChildren(std::size_t at, std::vector<std::unique_ptr<Node>> nodes) {
    for (auto& node : nodes)
        node->parent_ = this;
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(at),
                     std::make_move_iterator(nodes.begin()), std::make_move_iterator(nodes.end()));
    renumberFrom(at);
}

std::unique_ptr<Node> Node::takeChild(std::size_t at) {
    return std::move(takeChildren(at, 1).front());
}

std::vector<std::unique_ptr<Node>> Node::takeChildren(std::size_t from, std::size_t count) {
    const auto first = children_.begin() + static_cast<std::ptrdiff_t>(from);
    const auto last = first + static_cast<std::ptrdiff_t>(count);
    std::vector<std::unique_ptr<Node>> taken(std::make_move_iterator(first), std::make_move_iterator(last));
    children_.erase(first, last);
    for (auto& node : taken) {
        node->parent_ = nullptr;
        node->index_ = 0;
    }
    renumberFrom(from);
    return taken;
}

void Node::renumberFrom(std::size_t at) {
    for (std::size_t i = at; i < children_.size(); ++i)
        children_[i]->index_ = i;
}

} // namespace pls::page
