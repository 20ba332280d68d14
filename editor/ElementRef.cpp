#include "ElementRef.h"

#include "Document.h"
#include "Element.h"

using namespace pls::page;

ElementRef::ElementRef(Element* element) {
    if (!element || !element->parent())
        return;
    TextRange range(element->document());
    if (range.setPoints(pointBefore(*element), pointAfter(*element)) == DomResult::Ok)
        around_ = range;
}

Element* ElementRef::get() const {
    if (!around_ || around_->isDetached())
        return nullptr;
    const BoundaryPoint& start = around_->start();
    const BoundaryPoint& end = around_->end();
    if (start.node != end.node || end.offset != start.offset + 1 || start.node->asCharacterData())
        return nullptr;
    Node* node = start.node->child(start.offset);
    return node ? node->asElement() : nullptr;
}
