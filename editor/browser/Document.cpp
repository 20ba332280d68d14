#include "Document.h"

#include "AsciiCase.h"
#include "CharacterData.h"
#include "DocumentObserver.h"
#include "Element.h"
#include "ElementRef.h"
#include "HtmlParser.h"
#include "HtmlSerializer.h"
#include "TextRange.h"

#include <algorithm>

namespace pls::page {

Document::Document() : Node(NodeType::Document), selection_(*this) {
    setDocumentForRoot(*this);
}

// Ranges may outlive the page (the editor's current range, a copy in a caller); they are detached, not left
// pointing at freed nodes.
Document::~Document() {
    for (TextRange* range : ranges_)
        range->document_ = nullptr;
    ranges_.clear();
    for (ElementRef* reference : elementRefs_) {
        reference->element_ = nullptr;
        reference->document_ = nullptr;
    }
    elementRefs_.clear();
}

std::unique_ptr<Document> Document::parse(std::string_view bytes) {
    return parseDocument(bytes);
}

Element* Document::documentElement() const {
    for (std::size_t i = 0; i < childCount(); ++i)
        if (Element* element = child(i)->asElement())
            return element;
    return nullptr;
}

Element* Document::findElement(const Node& under, std::string_view tag) const {
    for (std::size_t i = 0; i < under.childCount(); ++i)
        if (Element* element = under.child(i)->asElement(); element && element->hasTag(tag))
            return element;
    return nullptr;
}

Element* Document::head() const {
    Element* root = documentElement();
    return root ? findElement(*root, "HEAD") : nullptr;
}

Element* Document::body() const {
    Element* root = documentElement();
    if (!root)
        return nullptr;
    Element* body = findElement(*root, "BODY");
    return body ? body : findElement(*root, "FRAMESET");
}

const std::vector<Element*>& Document::allElements() const {
    if (elementsValid_)
        return elements_;
    elements_.clear();
    for (Node* node = firstChild(); node; node = node->nextInTree())
        if (Element* element = node->asElement()) {
            element->sourceIndex_ = elements_.size();
            elements_.push_back(element);
        }
    elementsValid_ = true;
    return elements_;
}

Element* Document::elementAt(std::size_t sourceIndex) const {
    const auto& elements = allElements();
    return sourceIndex < elements.size() ? elements[sourceIndex] : nullptr;
}

std::size_t Document::sourceIndexOf(const Element& element) const {
    allElements();
    return element.sourceIndex_;
}

std::string Document::title() const {
    const Element* title = nullptr;
    for (const Element* element : allElements())
        if (element->hasTag("TITLE")) {
            title = element;
            break;
        }
    if (!title || !title->firstChild() || !title->firstChild()->asCharacterData())
        return {};
    return title->firstChild()->asCharacterData()->data();
}

void Document::setTitle(std::string_view text) {
    Element* headElement = head();
    if (!headElement)
        return;
    Element* title = findElement(*headElement, "TITLE");
    if (!title) {
        std::vector<std::unique_ptr<Node>> nodes;
        nodes.push_back(std::make_unique<Element>(*this, "title"));
        insertNodes(*headElement, headElement->childCount(), std::move(nodes));
        title = findElement(*headElement, "TITLE");
    }
    while (title->childCount() > 0)
        removeNode(*title->firstChild());
    std::vector<std::unique_ptr<Node>> nodes;
    if (!text.empty())
        nodes.push_back(std::make_unique<Text>(*this, std::string(text)));
    insertNodes(*title, 0, std::move(nodes));
}

std::string Document::backgroundColor() const {
    Element* bodyElement = body();
    return bodyElement ? bodyElement->attributeOrEmpty("bgcolor") : std::string();
}

void Document::setBackgroundColor(std::string_view colour) {
    if (Element* bodyElement = body())
        setAttribute(*bodyElement, "bgcolor", colour);
}

std::string Document::source() const {
    Element* root = documentElement();
    return root ? outerHtml(*root) : std::string();
}

std::string Document::serialize() const {
    return innerHtml(*this);
}

std::unique_ptr<Node> Document::cloneShallow() const {
    return std::make_unique<Document>();
}

void Document::attachRange(TextRange& range) {
    ranges_.push_back(&range);
}

void Document::detachRange(TextRange& range) {
    std::erase(ranges_, &range);
}

void Document::attachElementRef(ElementRef& reference) {
    elementRefs_.push_back(&reference);
}

void Document::detachElementRef(ElementRef& reference) {
    std::erase(elementRefs_, &reference);
}

template <typename Fix> void Document::fixRanges(Fix fix) {
    for (TextRange* range : ranges_) {
        fix(range->start_);
        fix(range->end_);
    }
}

// DOM Standard, "insert": points in the parent after the insertion index move along.
void Document::insertNodes(Node& parent, std::size_t index, std::vector<std::unique_ptr<Node>> nodes) {
    const std::size_t count = nodes.size();
    if (count == 0)
        return;
    index = std::min(index, parent.childCount());
    parent.insertChildren(index, std::move(nodes));
    fixRanges([&](BoundaryPoint& point) {
        if (point.node == &parent && point.offset > index)
            point.offset += count;
    });
    structureChanged();
    if (observer_)
        observer_->nodesInserted(parent, index, count);
}

// DOM Standard, "remove": points inside the removed subtree collapse to where it was.
std::unique_ptr<Node> Document::removeNode(Node& node) {
    Node& parent = *node.parent();
    const std::size_t index = node.index();
    fixRanges([&](BoundaryPoint& point) {
        if (node.isInclusiveAncestorOf(*point.node))
            point = {&parent, index};
        else if (point.node == &parent && point.offset > index)
            --point.offset;
    });
    // From the back: emptying a reference takes it off the list.
    for (std::size_t i = elementRefs_.size(); i > 0; --i)
        if (ElementRef& reference = *elementRefs_[i - 1]; node.isInclusiveAncestorOf(*reference.get()))
            reference.reset();
    std::unique_ptr<Node> removed = parent.takeChild(index);
    structureChanged();
    if (observer_)
        observer_->nodeRemoved(parent, index);
    return removed;
}

void Document::moveNodes(Node& first, std::size_t count, Node& newParent, std::size_t index) {
    Node& oldParent = *first.parent();
    const std::size_t from = first.index();
    if (&oldParent == &newParent && index > from)
        index -= count;
    // Points in the old parent from just before the first moved node to just after the last are taken along,
    // each to the same place relative to its neighbour among the moved nodes.
    struct Carried {
        BoundaryPoint* point;
        Node* neighbour;
        bool after;
    };
    std::vector<Carried> carried;
    fixRanges([&](BoundaryPoint& point) {
        if (point.node != &oldParent || point.offset < from)
            return;
        if (point.offset < from + count)
            carried.push_back({&point, oldParent.child(point.offset), false});
        else if (point.offset == from + count)
            carried.push_back({&point, oldParent.child(point.offset - 1), true});
        else
            point.offset -= count;
    });
    std::vector<std::unique_ptr<Node>> nodes = oldParent.takeChildren(from, count);
    // Each notification describes the tree as it is when the observer hears it.
    if (observer_)
        for (std::size_t i = 0; i < count; ++i)
            observer_->nodeRemoved(oldParent, from + count - 1 - i);
    newParent.insertChildren(index, std::move(nodes));
    fixRanges([&](BoundaryPoint& point) {
        if (point.node == &newParent && point.offset > index)
            point.offset += count;
    });
    for (const Carried& c : carried)
        *c.point = c.after ? pointAfter(*c.neighbour) : pointBefore(*c.neighbour);
    structureChanged();
    if (observer_)
        observer_->nodesInserted(newParent, index, count);
}

// DOM Standard, "replace data".
void Document::replaceText(CharacterData& node, std::size_t offset, std::size_t count,
                           std::string_view data) {
    offset = std::min(offset, node.length());
    count = std::min(count, node.length() - offset);
    node.data_.replace(offset, count, data);
    fixRanges([&](BoundaryPoint& point) {
        if (point.node != &node)
            return;
        if (point.offset > offset + count)
            point.offset = point.offset + data.size() - count;
        else if (point.offset > offset)
            point.offset = offset;
    });
    if (observer_)
        observer_->textChanged(node);
}

// DOM Standard, "split a Text node".
Text& Document::splitText(Text& text, std::size_t offset) {
    offset = std::min(offset, text.length());
    Node& parent = *text.parent();
    const std::size_t index = text.index();
    std::vector<std::unique_ptr<Node>> nodes;
    nodes.push_back(std::make_unique<Text>(*this, text.data_.substr(offset)));
    Text& tail = *nodes.back()->asText();
    parent.insertChildren(index + 1, std::move(nodes));
    text.data_.erase(offset);
    fixRanges([&](BoundaryPoint& point) {
        if (point.node == &text && point.offset > offset)
            point = {&tail, point.offset - offset};
        else if (point.node == &parent && point.offset > index)
            ++point.offset;
    });
    structureChanged();
    if (observer_) {
        observer_->textChanged(text);
        observer_->nodesInserted(parent, index + 1, 1);
    }
    return tail;
}

// DOM Standard, "normalize", for one pair of neighbours.
void Document::mergeWithNextText(Text& text) {
    Node& parent = *text.parent();
    Text* next = text.nextSibling() ? text.nextSibling()->asText() : nullptr;
    if (!next)
        return;
    const std::size_t nextIndex = next->index();
    const std::size_t joint = text.length();
    text.data_ += next->data_;
    fixRanges([&](BoundaryPoint& point) {
        if (point.node == next)
            point = {&text, joint + point.offset};
        else if (point.node == &parent && point.offset == nextIndex)
            point = {&text, joint};
        else if (point.node == &parent && point.offset > nextIndex)
            --point.offset;
    });
    std::unique_ptr<Node> gone = parent.takeChild(nextIndex);
    structureChanged();
    if (observer_) {
        observer_->textChanged(text);
        observer_->nodeRemoved(parent, nextIndex);
    }
}

void Document::setAttribute(Element& element, std::string_view name, std::string_view value) {
    auto it = element.findAttribute(name);
    if (it == element.attributes_.end()) {
        // HTML attribute names are lower case in the tree, as the parser would make them.
        std::string stored =
            element.elementNamespace() == Namespace::Html ? toLowerAscii(name) : std::string(name);
        element.attributes_.push_back({stored, std::string(value)});
        it = element.attributes_.end() - 1;
    } else {
        it->value = value;
    }
    if (observer_)
        observer_->attributeChanged(element, it->name);
}

DomResult Document::removeAttribute(Element& element, std::string_view name) {
    auto it = element.findAttribute(name);
    if (it == element.attributes_.end())
        return DomResult::NothingToDo;
    const std::string stored = it->name;
    element.attributes_.erase(it);
    if (observer_)
        observer_->attributeChanged(element, stored);
    return DomResult::Ok;
}

} // namespace pls::page
