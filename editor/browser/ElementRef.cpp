#include "ElementRef.h"

#include "Document.h"
#include "Element.h"

namespace pls::page {

ElementRef& ElementRef::operator=(const ElementRef& other) {
    if (this != &other)
        reset(other.element_);
    return *this;
}

void ElementRef::reset(Element* element) {
    if (document_)
        document_->detachElementRef(*this);
    element_ = element;
    document_ = element ? &element->document() : nullptr;
    if (document_)
        document_->attachElementRef(*this);
}

} // namespace pls::page
