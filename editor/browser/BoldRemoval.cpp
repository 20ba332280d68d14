#include "BoldRemoval.h"

#include "CharacterData.h"
#include "Document.h"
#include "Element.h"
#include "TextRange.h"
#include "TreeEditing.h"

namespace pls::page {

namespace {

bool insideBold(const Node& node, const Node& limit) {
    for (const Node* up = &node; up && up != &limit; up = up->parent())
        if (isBoldElement(*up))
            return true;
    return false;
}

} // namespace

bool allBold(const std::vector<NodeRun>& runs, const Node& limit) {
    bool any = false;
    for (const auto& [first, last] : runs)
        for (Node* node = first; node; node = node == last ? nullptr : node->nextSibling()) {
            const Node* after = node->nextSkippingChildren();
            for (Node* inner = node; inner && inner != after; inner = inner->nextInTree())
                if (inner->type() == NodeType::Text && hasVisibleContent(*inner)) {
                    if (!insideBold(*inner, limit))
                        return false;
                    any = true;
                }
        }
    return any;
}

namespace {

// Splits the nearest bold ancestor of the run around it and unwraps the part that holds the run; false when
// the run has no bold ancestor.
bool splitBoldAncestor(Node& first, Node& last, const Node& limit) {
    for (Node* up = first.parent(); up && up != &limit; up = up->parent()) {
        Element* bold = isBoldElement(*up) ? up->asElement() : nullptr;
        if (!bold)
            continue;
        splitElementAt(*bold, pointAfter(last));
        Node* tail = bold->nextSibling();
        splitElementAt(*bold, pointBefore(first));
        unwrapElement(*bold->nextSibling()->asElement(), JoinText::No);
        removeIfEmpty(*tail, JoinText::No);
        removeIfEmpty(*bold, JoinText::No);
        return true;
    }
    return false;
}

void unwrapBoldInside(Node& first, Node& last) {
    for (Node* node = &first; node;) {
        Node* next = node == &last ? nullptr : node->nextSibling();
        if (Element* element = node->asElement()) {
            for (Element* inner : element->descendants())
                if (isBoldElement(*inner))
                    unwrapElement(*inner, JoinText::No);
            if (isBoldElement(*element))
                unwrapElement(*element, JoinText::No);
        }
        node = next;
    }
}

Node& commonContainer(const BoundaryPoint& a, const BoundaryPoint& b) {
    Node* node = a.node;
    while (!node->isInclusiveAncestorOf(*b.node))
        node = node->parent();
    return *node;
}

} // namespace

// Text is joined only at the end: until then every node of the runs stays alive.
void removeBold(const std::vector<NodeRun>& runs, const Node& limit) {
    Document& document = runs.front().first->document();
    TextRange span(document);
    span.setPoints(pointBefore(*runs.front().first), pointAfter(*runs.back().second));
    for (const auto& [first, last] : runs) {
        while (splitBoldAncestor(*first, *last, limit)) {
        }
        unwrapBoldInside(*first, *last);
    }
    Node& container = commonContainer(span.start(), span.end());
    normalizeSubtree(container.asCharacterData() ? *container.parent() : container);
}

} // namespace pls::page
