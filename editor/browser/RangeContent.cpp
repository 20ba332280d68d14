#include "RangeContent.h"

#include "CharacterData.h"
#include "CharacterWalk.h"
#include "Document.h"
#include "Element.h"
#include "TextRange.h"
#include "TreeEditing.h"

namespace pls::page {

namespace {

// Containers that a range never grows out of: their content stands alone, and removing one would break its
// table.
bool keepsRangeInside(const Node& node) {
    const Element* element = node.asElement();
    return element &&
           element->isHtmlNamed({"td", "th", "tr", "tbody", "thead", "tfoot", "caption", "colgroup"});
}

bool mayLeave(const Node& container, const Node& limit) {
    return &container != &limit && container.parent() && !keepsRangeInside(container);
}

// Visits what lies between two points in document order, the way the DOM Standard's range algorithms do.
class RangeVisitor {
public:
    virtual ~RangeVisitor() = default;
    virtual void partialText(CharacterData& node, std::size_t from, std::size_t to) = 0;
    virtual void contained(Node& node) = 0;
    virtual void enterPartial(Node& node) = 0;
    virtual void leavePartial() = 0;
};

Node* commonAncestor(Node* a, Node* b) {
    for (Node* node = a; node; node = node->parent())
        if (node->isInclusiveAncestorOf(*b))
            return node;
    return nullptr;
}

Node* childOnPath(Node& ancestor, Node* descendant) {
    while (descendant && descendant->parent() != &ancestor)
        descendant = descendant->parent();
    return descendant;
}

void visitRange(const PointPair& range, RangeVisitor& visitor);

void visitSide(Node& partial, const PointPair& inner, RangeVisitor& visitor) {
    visitor.enterPartial(partial);
    visitRange(inner, visitor);
    visitor.leavePartial();
}

void visitRange(const PointPair& range, RangeVisitor& visitor) {
    const auto& [start, end] = range;
    if (start.node == end.node && start.node->asCharacterData()) {
        visitor.partialText(*start.node->asCharacterData(), start.offset, end.offset);
        return;
    }
    Node& common = *commonAncestor(start.node, end.node);
    Node* firstPartial =
        start.node->isInclusiveAncestorOf(*end.node) ? nullptr : childOnPath(common, start.node);
    Node* lastPartial =
        end.node->isInclusiveAncestorOf(*start.node) ? nullptr : childOnPath(common, end.node);
    if (firstPartial) {
        if (CharacterData* data = firstPartial->asCharacterData())
            visitor.partialText(*data, start.offset, data->length());
        else
            visitSide(*firstPartial, {start, pointAtEnd(*firstPartial)}, visitor);
    }
    const std::size_t from = firstPartial ? firstPartial->index() + 1 : start.offset;
    const std::size_t to = lastPartial ? lastPartial->index() : end.offset;
    for (std::size_t i = from; i < to && i < common.childCount(); ++i)
        visitor.contained(*common.child(i));
    if (lastPartial) {
        if (CharacterData* data = lastPartial->asCharacterData())
            visitor.partialText(*data, 0, end.offset);
        else
            visitSide(*lastPartial, {{lastPartial, 0}, end}, visitor);
    }
}

class Cloner final : public RangeVisitor {
public:
    explicit Cloner(Node& holder) : parents_{&holder} {}
    void partialText(CharacterData& node, std::size_t from, std::size_t to) override {
        if (to <= from)
            return;
        std::string part = node.data().substr(from, to - from);
        parents_.back()->appendChildRaw(
            node.type() == NodeType::Text
                ? std::unique_ptr<Node>(std::make_unique<Text>(node.document(), part))
                : std::make_unique<Comment>(node.document(), part));
    }
    void contained(Node& node) override { parents_.back()->appendChildRaw(node.cloneTree()); }
    void enterPartial(Node& node) override {
        parents_.push_back(&parents_.back()->appendChildRaw(node.cloneShallow()));
    }
    void leavePartial() override { parents_.pop_back(); }

private:
    std::vector<Node*> parents_;
};

class Collector final : public RangeVisitor {
public:
    struct TextCut {
        CharacterData* node;
        std::size_t from;
        std::size_t to;
    };
    void partialText(CharacterData& node, std::size_t from, std::size_t to) override {
        if (to > from)
            cuts.push_back({&node, from, to});
    }
    void contained(Node& node) override { removed.push_back(&node); }
    void enterPartial(Node&) override {}
    void leavePartial() override {}

    std::vector<TextCut> cuts;
    std::vector<Node*> removed;
};

BoundaryPoint collapsePoint(const PointPair& range) {
    if (range.start.node->isInclusiveAncestorOf(*range.end.node))
        return range.start;
    Node* reference = range.start.node;
    while (reference->parent() && !reference->parent()->isInclusiveAncestorOf(*range.end.node))
        reference = reference->parent();
    return pointAfter(*reference);
}

} // namespace

PointPair widenOverWholeElements(const PointPair& range, const Node& limit) {
    PointPair wide = range;
    if (!hasCharacterBetween(wide.start, wide.end, limit))
        return wide;
    while (mayLeave(*wide.start.node, limit) && !hasCharacterBetween({wide.start.node, 0}, wide.start, limit))
        wide.start = pointBefore(*wide.start.node);
    while (mayLeave(*wide.end.node, limit) &&
           !hasCharacterBetween(wide.end, pointAtEnd(*wide.end.node), limit))
        wide.end = pointAfter(*wide.end.node);
    return wide;
}

std::vector<std::unique_ptr<Node>> cloneContents(const PointPair& range) {
    Element holder(range.start.node->document(), "body");
    Cloner cloner(holder);
    visitRange(range, cloner);
    return holder.takeChildrenRaw();
}

std::vector<Node*> topContainedNodes(const PointPair& range) {
    Collector collector;
    visitRange(range, collector);
    return collector.removed;
}

BoundaryPoint deleteContents(const PointPair& range) {
    Document& document = range.start.node->document();
    Collector collector;
    visitRange(range, collector);
    TextRange place(document);
    const BoundaryPoint collapsed = collapsePoint(range);
    place.setPoints(collapsed, collapsed);
    for (const auto& cut : collector.cuts)
        document.replaceText(*cut.node, cut.from, cut.to - cut.from, "");
    for (Node* node : collector.removed)
        document.removeNode(*node);
    // Tidy the joint: an emptied text node goes, and the text on both sides of the cut becomes one node.
    const BoundaryPoint at = place.start();
    Node& parent = at.node->asCharacterData() ? *at.node->parent() : *at.node;
    const std::size_t index = at.node->asCharacterData() ? at.node->index() : at.offset;
    normalizeJoint(parent, index + 1);
    normalizeJoint(parent, index);
    return place.start();
}

} // namespace pls::page
