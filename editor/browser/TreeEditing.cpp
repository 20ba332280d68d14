#include "TreeEditing.h"

#include "CharacterData.h"
#include "Document.h"
#include "HtmlParser.h"
#include "TextRange.h"
#include "Utf8.h"

namespace pls::page {

namespace {

bool isEmptyText(const Node* node) {
    return node && node->type() == NodeType::Text && node->asCharacterData()->length() == 0;
}

bool isPlainTextContainer(const Element& element) {
    return element.isHtmlNamed(
        {"body", "font", "b", "strong", "a", "p", "div", "span", "td", "th", "li", "i", "u", "em", "center"});
}

// What a table part may hold; the parser moves anything else out in front of the table.
bool tablePartHolds(const Element& part, const Node& node) {
    if (node.type() == NodeType::Comment)
        return true;
    if (const CharacterData* text = node.asCharacterData())
        return text->data().find_first_not_of(" \t\n\f\r") == std::string::npos;
    const Element& child = *node.asElement();
    if (child.isHtmlNamed({"script", "style", "template"}))
        return true;
    if (part.isHtmlNamed({"table"}))
        return child.isHtmlNamed({"caption", "colgroup", "tbody", "thead", "tfoot"});
    if (part.isHtmlNamed({"tr"}))
        return child.isHtmlNamed({"td", "th"});
    if (part.isHtmlNamed({"colgroup"}))
        return child.isHtmlNamed({"col"});
    return child.isHtmlNamed({"tr"});
}

// WHATWG HTML, "foster parenting": takes out of the nodes those that the table part cannot hold.
std::vector<std::unique_ptr<Node>> takeFosterParented(const Node& parent,
                                                      std::vector<std::unique_ptr<Node>>& nodes) {
    std::vector<std::unique_ptr<Node>> fostered;
    if (!isTablePart(parent))
        return fostered;
    std::vector<std::unique_ptr<Node>> kept;
    for (auto& node : nodes)
        (tablePartHolds(*parent.asElement(), *node) ? kept : fostered).push_back(std::move(node));
    nodes = std::move(kept);
    return fostered;
}

Element* enclosing(Node& node, std::string_view name) {
    for (Node* up = &node; up; up = up->parent())
        if (Element* element = up->asElement(); element && element->isHtmlNamed({name}))
            return element;
    return nullptr;
}

// Start tags that close an open P (WHATWG HTML, "in body" insertion mode).
bool closesParagraph(const Node& node) {
    const Element* element = node.asElement();
    return element &&
           element->isHtmlNamed(
               {"address", "article",   "aside",    "blockquote", "center", "details", "dialog",  "dir",
                "div",     "dl",        "fieldset", "figcaption", "figure", "footer",  "header",  "hgroup",
                "main",    "menu",      "nav",      "ol",         "p",      "section", "summary", "ul",
                "h1",      "h2",        "h3",       "h4",         "h5",     "h6",      "pre",     "listing",
                "form",    "plaintext", "hr",       "xmp",        "li",     "dd",      "dt"});
}

bool anyInTrees(const std::vector<std::unique_ptr<Node>>& nodes, bool (*test)(const Node&)) {
    for (const auto& root : nodes) {
        const Node* after = root->nextSkippingChildren();
        for (const Node* node = root.get(); node && node != after; node = node->nextInTree())
            if (test(*node))
                return true;
    }
    return false;
}

bool isLink(const Node& node) {
    const Element* element = node.asElement();
    return element && element->isHtmlNamed({"a"});
}

// The nodes with every link element replaced by its content, for a place inside a link, where the parser
// would close the outer link at the inner one.
std::vector<std::unique_ptr<Node>> withoutLinks(std::vector<std::unique_ptr<Node>> nodes) {
    std::vector<std::unique_ptr<Node>> result;
    for (auto& node : nodes) {
        std::vector<std::unique_ptr<Node>> children = withoutLinks(node->takeChildrenRaw());
        if (isLink(*node)) {
            std::move(children.begin(), children.end(), std::back_inserter(result));
            continue;
        }
        for (auto& child : children)
            node->appendChildRaw(std::move(child));
        result.push_back(std::move(node));
    }
    return result;
}

// The same point between nodes, cutting a text node when the point lies inside it.
BoundaryPoint pointBetweenNodes(const BoundaryPoint& point) {
    Text* text = point.node->asText();
    if (!text)
        return point;
    if (point.offset == 0)
        return pointBefore(*text);
    if (point.offset < text->length())
        text->document().splitText(*text, point.offset);
    return pointAfter(*text);
}

// Blocks cannot stand in a P, so the P is cut at the point and they go between its halves; a half left empty
// goes.
BoundaryPoint insertBesideParagraph(Element& paragraph, const BoundaryPoint& point,
                                    std::vector<std::unique_ptr<Node>> nodes) {
    splitElementAt(paragraph, pointBetweenNodes(point));
    Node& tail = *paragraph.nextSibling();
    TextRange after(paragraph.document());
    const BoundaryPoint end = insertNodesAt(pointAfter(paragraph), std::move(nodes));
    after.setPoints(end, end);
    removeIfEmpty(tail);
    removeIfEmpty(paragraph);
    return after.start();
}

} // namespace

bool isTablePart(const Node& node) {
    const Element* element = node.asElement();
    return element && element->isHtmlNamed({"table", "tbody", "thead", "tfoot", "tr", "colgroup"});
}

bool acceptsMarkup(const Element* context) {
    return context && !context->isHtmlNamed({"html", "head"});
}

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
    if (enclosing(*point.node, "a") && anyInTrees(nodes, isLink))
        nodes = withoutLinks(std::move(nodes));
    if (Element* paragraph = enclosing(*point.node, "p"); paragraph && anyInTrees(nodes, closesParagraph))
        return insertBesideParagraph(*paragraph, point, std::move(nodes));
    Document& document = point.node->document();
    // Text typed into text joins it in place: one change of the page instead of a split, an insert and a
    // merge.
    if (Text* text = point.node->asText();
        text && nodes.size() == 1 && nodes.front()->asText() && !isTablePart(*text->parent())) {
        const std::string& typed = nodes.front()->asText()->data();
        document.replaceText(*text, point.offset, 0, typed);
        return {text, point.offset + typed.size()};
    }
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
    std::vector<std::unique_ptr<Node>> fostered = takeFosterParented(*parent, nodes);
    const std::size_t count = nodes.size();
    document.insertNodes(*parent, index, std::move(nodes));
    // A live range follows the merges below to where the inserted content ends.
    TextRange after(document);
    after.setPoints({parent, index + count}, {parent, index + count});
    normalizeJoint(*parent, index + count);
    normalizeJoint(*parent, index);
    Element* table = fostered.empty() ? nullptr : enclosing(*parent, "table");
    if (table && table->parent()) {
        const BoundaryPoint fosteredEnd = insertNodesAt(pointBefore(*table), std::move(fostered));
        if (count == 0)
            return fosteredEnd;
    }
    return after.start();
}

const Element* contextElementAt(const BoundaryPoint& point) {
    const Node* node = point.node->asElement() ? point.node : point.node->parent();
    return node ? node->asElement() : nullptr;
}

DomResult insertAdjacentHtml(Element& element, AdjacentPosition where, std::string_view html) {
    const bool inside = where == AdjacentPosition::AfterBegin || where == AdjacentPosition::BeforeEnd;
    const Element* context = inside ? &element : element.parentElement();
    if (!acceptsMarkup(context) || context->isVoid())
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
    if (!acceptsMarkup(context))
        return DomResult::NotAllowed;
    std::vector<std::unique_ptr<Node>> nodes = parseHtmlFor(*context, html);
    const BoundaryPoint place = pointBefore(element);
    element.document().removeNode(element);
    insertNodesAt(place, std::move(nodes));
    return DomResult::Ok;
}

DomResult replaceContentByHtml(Element& element, std::string_view html) {
    if (!acceptsMarkup(&element) || element.isVoid())
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

void splitElementAt(Element& element, const BoundaryPoint& point) {
    Document& document = element.document();
    Node* current = point.node;
    std::size_t index = point.offset;
    while (true) {
        std::vector<std::unique_ptr<Node>> copy;
        copy.push_back(current->cloneShallow());
        Node& added = *copy.back();
        document.insertNodes(*current->parent(), current->index() + 1, std::move(copy));
        if (index < current->childCount())
            document.moveNodes(*current->child(index), current->childCount() - index, added, 0);
        if (current == &element)
            return;
        index = current->index() + 1;
        current = current->parent();
    }
}

void removeIfEmpty(Node& node, JoinText join) {
    if (node.childCount() > 0 || !node.parent())
        return;
    Node& parent = *node.parent();
    const std::size_t index = node.index();
    node.document().removeNode(node);
    if (join == JoinText::Yes)
        normalizeJoint(parent, index);
}

void unwrapElement(Element& element, JoinText join) {
    Document& document = element.document();
    Node& parent = *element.parent();
    const std::size_t index = element.index();
    const std::size_t count = element.childCount();
    if (count > 0)
        document.moveNodes(*element.firstChild(), count, parent, index);
    document.removeNode(element);
    if (join == JoinText::No)
        return;
    normalizeJoint(parent, index + count);
    normalizeJoint(parent, index);
}

void normalizeSubtree(Node& root) {
    std::vector<Node*> pending{&root};
    while (!pending.empty()) {
        Node& node = *pending.back();
        pending.pop_back();
        for (std::size_t joint = node.childCount(); joint > 0; --joint)
            normalizeJoint(node, std::min(joint, node.childCount()));
        for (std::size_t i = 0; i < node.childCount(); ++i)
            if (node.child(i)->asElement())
                pending.push_back(node.child(i));
    }
}

} // namespace pls::page
