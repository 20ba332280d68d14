#include "TreeEditing.h"

#include "CharacterData.h"
#include "Document.h"
#include "HtmlParser.h"
#include "TextRange.h"
#include "Utf8.h"

#include <array>

namespace pls::page {

namespace {

bool isEmptyText(const Node* node) {
    return node && node->type() == NodeType::Text && node->asCharacterData()->length() == 0;
}
bool isPlainTextContainer(const Element& element) {
    return element.isHtmlNamed(
        {"body", "font", "b", "strong", "a", "p", "div", "span", "td", "th", "li", "i", "u", "em", "center"});
}

} // namespace

std::vector<std::unique_ptr<Node>> parseHtmlFor(const Element& context, std::string_view html) {
    std::vector<std::unique_ptr<Node>> nodes;
    const bool plain = html.find_first_of(std::string_view("<&\r\0", 4)) == std::string_view::npos;
    if (!plain || !isPlainTextContainer(context) || !utf8::isValid(html))
        return parseFragment(context.document(), html, context);
    if (!html.empty())
        nodes.push_back(std::make_unique<Text>(context.document(), std::string(html)));
    return nodes;
}

void normalizeJoint(Node& parent, std::size_t index) {
    Document& document = parent.document();
    while (isEmptyText(parent.child(index)))
        document.removeNode(*parent.child(index));
    while (index > 0 && isEmptyText(parent.child(index - 1))) {
        document.removeNode(*parent.child(index - 1));
        --index;
    }
    Node* before = index > 0 ? parent.child(index - 1) : nullptr;
    Node* after = parent.child(index);
    if (before && after && before->asText() && after->asText())
        document.mergeWithNextText(*before->asText());
}

BoundaryPoint insertNodesAt(const BoundaryPoint& point, std::vector<std::unique_ptr<Node>> nodes) {
    Document& document = point.node->document();
    Node* parent = point.node;
    std::size_t index = point.offset;
    if (const CharacterData* data = point.node->asCharacterData()) {
        parent = point.node->parent();
        index = point.node->index();
        if (point.offset >= data->length())
            ++index;
        else if (point.offset > 0 && point.node->asText())
            index = document.splitText(*point.node->asText(), point.offset).index();
    }
    index = std::min(index, parent->childCount());
    const std::size_t count = nodes.size();
    document.insertNodes(*parent, index, std::move(nodes));
    // A live range follows the merges below to where the inserted content ends.
    TextRange after(document);
    after.setPoints({parent, index + count}, {parent, index + count});
    normalizeJoint(*parent, index + count);
    normalizeJoint(*parent, index);
    return after.start();
}

const Element* contextElementAt(const BoundaryPoint& point) {
    const Node* node = point.node->asElement() ? point.node : point.node->parent();
    return node ? node->asElement() : nullptr;
}

DomResult insertAdjacentHtml(Element& element, AdjacentPosition where, std::string_view html) {
    const bool inside = where == AdjacentPosition::AfterBegin || where == AdjacentPosition::BeforeEnd;
    const Element* context = inside ? &element : element.parentElement();
    if (!context || context->isVoid())
        return DomResult::NotAllowed;
    BoundaryPoint point;
    switch (where) {
    case AdjacentPosition::BeforeBegin:
        point = pointBefore(element);
        break;
    case AdjacentPosition::AfterBegin:
        point = {&element, 0};
        break;
    case AdjacentPosition::BeforeEnd:
        point = {&element, element.childCount()};
        break;
    case AdjacentPosition::AfterEnd:
        point = pointAfter(element);
        break;
    }
    insertNodesAt(point, parseHtmlFor(*context, html));
    return DomResult::Ok;
}

DomResult replaceElementByHtml(Element& element, std::string_view html) {
    const Element* context = element.parentElement();
    if (!context)
        return DomResult::NotAllowed;
    std::vector<std::unique_ptr<Node>> nodes = parseHtmlFor(*context, html);
    const BoundaryPoint place = pointBefore(element);
    element.document().removeNode(element);
    insertNodesAt(place, std::move(nodes));
    return DomResult::Ok;
}

DomResult replaceContentByHtml(Element& element, std::string_view html) {
    if (element.isVoid())
        return DomResult::NotAllowed;
    std::vector<std::unique_ptr<Node>> nodes = parseHtmlFor(element, html);
    while (element.childCount() > 0)
        element.document().removeNode(*element.lastChild());
    element.document().insertNodes(element, 0, std::move(nodes));
    return DomResult::Ok;
}

Element& wrapNodes(Node& first, Node& last, std::unique_ptr<Element> wrapper) {
    Document& document = first.document();
    Node& parent = *first.parent();
    const std::size_t index = first.index();
    const std::size_t count = last.index() - index + 1;
    Element& added = *wrapper;
    std::vector<std::unique_ptr<Node>> nodes;
    nodes.push_back(std::move(wrapper));
    document.insertNodes(parent, index, std::move(nodes));
    document.moveNodes(first, count, added, 0);
    return added;
}

void unwrapElement(Element& element) {
    Document& document = element.document();
    Node& parent = *element.parent();
    const std::size_t index = element.index();
    const std::size_t count = element.childCount();
    if (count > 0)
        document.moveNodes(*element.firstChild(), count, parent, index);
    document.removeNode(element);
    normalizeJoint(parent, index + count);
    normalizeJoint(parent, index);
}

} // namespace pls::page
