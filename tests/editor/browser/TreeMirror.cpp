#include "TreeMirror.h"

#include "CharacterData.h"
#include "Element.h"
#include "NodePath.h"

namespace pls::page::test {

TreeMirror::TreeMirror(const Document& page) : copy_(Document::parse(page.serialize())) {}

namespace {

// A copy of the subtree made node by node, as the view builds it in the browser, so the copy has exactly
// the model's shape.
std::unique_ptr<Node> copyInto(Document& document, const Node& node) {
    std::unique_ptr<Node> copy;
    if (const Element* element = node.asElement()) {
        auto made = std::make_unique<Element>(document, element->localName(), element->elementNamespace());
        for (const Attribute& attribute : element->attributes())
            made->appendAttributeRaw(attribute.name, attribute.value);
        copy = std::move(made);
    } else if (node.type() == NodeType::Text) {
        copy = std::make_unique<Text>(document, node.asCharacterData()->data());
    } else {
        copy = std::make_unique<Comment>(document, node.asCharacterData()->data());
    }
    for (std::size_t i = 0; i < node.childCount(); ++i)
        copy->appendChildRaw(copyInto(document, *node.child(i)));
    return copy;
}

} // namespace

void TreeMirror::nodesInserted(Node& parent, std::size_t index, std::size_t count) {
    std::vector<std::unique_ptr<Node>> nodes;
    for (std::size_t i = 0; i < count; ++i)
        nodes.push_back(copyInto(*copy_, *parent.child(index + i)));
    copy_->insertNodes(counterpart(parent), index, std::move(nodes));
}

void TreeMirror::nodeRemoved(Node& parent, std::size_t index) {
    copy_->removeNode(*counterpart(parent).child(index));
}

void TreeMirror::textChanged(CharacterData& node) {
    CharacterData& target = *counterpart(node).asCharacterData();
    copy_->replaceText(target, 0, target.length(), node.data());
}

void TreeMirror::attributeChanged(Element& element, const std::string& name) {
    Element& target = *counterpart(element).asElement();
    if (auto value = element.attribute(name))
        copy_->setAttribute(target, name, *value);
    else
        copy_->removeAttribute(target, name);
}

Node& TreeMirror::counterpart(const Node& node) {
    return *nodeAtPath(*copy_, pathOf(node));
}

} // namespace pls::page::test
