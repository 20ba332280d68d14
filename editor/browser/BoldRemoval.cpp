#include "BoldRemoval.h"

#include "CharacterData.h"
#include "Document.h"
#include "Element.h"
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

void removeBold(const std::vector<NodeRun>& runs, const Node& limit) {
    for (const auto& [first, last] : runs) {
        for (Node* up = first->parent(); up && up != &limit; up = up->parent()) {
            Element* bold = isBoldElement(*up) ? up->asElement() : nullptr;
            if (!bold)
                continue;
            splitElementAt(*bold, pointAfter(*last));
            Node* tail = bold->nextSibling();
            splitElementAt(*bold, pointBefore(*first));
            Element* middle = bold->nextSibling()->asElement();
            removeIfEmpty(*tail);
            unwrapElement(*middle);
            removeIfEmpty(*bold);
            break;
        }
        for (Node* node = first; node;) {
            Node* next = node == last ? nullptr : node->nextSibling();
            if (Element* element = node->asElement()) {
                for (Element* inner : element->descendants())
                    if (isBoldElement(*inner))
                        unwrapElement(*inner);
                if (isBoldElement(*element))
                    unwrapElement(*element);
            }
            node = next;
        }
    }
}

} // namespace pls::page
