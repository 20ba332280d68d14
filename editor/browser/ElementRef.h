#pragma once

namespace pls::page {

class Document;
class Element;

// A reference to an element that the editor keeps between events (the current element, the selected
// element). It empties itself when the element leaves the page or the page goes, so a kept reference never
// points at a freed element; an empty reference is what the editor treats as "no element".
class ElementRef {
public:
    ElementRef() = default;
    explicit ElementRef(Element* element) { reset(element); }
    ElementRef(const ElementRef& other) { reset(other.element_); }
    ElementRef& operator=(const ElementRef& other);
    ~ElementRef() { reset(); }

    Element* get() const { return element_; }
    Element* operator->() const { return element_; }
    explicit operator bool() const { return element_ != nullptr; }
    void reset(Element* element = nullptr);

private:
    friend class Document;
    Element* element_ = nullptr;
    Document* document_ = nullptr;
};

} // namespace pls::page
