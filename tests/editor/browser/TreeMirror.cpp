#include "TreeMirror.h"

#include "CharacterData.h"
#include "Element.h"
#include "HtmlParser.h"
#include "HtmlSerializer.h"
#include "NodePath.h"

namespace pls::page::test {

TreeMirror::TreeMirror(const Document& page) : copy_(Document::parse(page.serialize())) {}

void TreeMirror::nodesInserted(Node& parent, std::size_t index, std::size_t count) {
    Node& target = counterpart(parent);
    std::vector<std::unique_ptr<Node>> nodes;
    for (std::size_t i = 0; i < count; ++i)
        for (auto& node : parseFragment(*copy_, outerHtml(*parent.child(index + i)), *target.asElement()))
            nodes.push_back(std::move(node));
    copy_->insertNodes(target, index, std::move(nodes));
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
