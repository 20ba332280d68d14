#pragma once

#include "TextRange.h"

#include <optional>

namespace pls::page {
class Element;
}

// A reference to an element of the page that survives the page's changes: it holds a live range around the
// element, which the document keeps in place, and gives null once the element has left the page.
class ElementRef {
public:
    ElementRef() = default;
    explicit ElementRef(pls::page::Element* element);

    pls::page::Element* get() const;
    explicit operator bool() const { return get() != nullptr; }
    void reset() { around_.reset(); }

private:
    std::optional<pls::page::TextRange> around_;
};
