#include "Element.h"

#include "AsciiCase.h"
#include "Document.h"
#include "HtmlSerializer.h"
#include "TreeEditing.h"

#include <algorithm>
#include <array>

namespace pls::page {

std::optional<AdjacentPosition> adjacentPositionFromName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, AdjacentPosition>, 4> names{{
        {"BeforeBegin", AdjacentPosition::BeforeBegin},
        {"AfterBegin", AdjacentPosition::AfterBegin},
        {"BeforeEnd", AdjacentPosition::BeforeEnd},
        {"AfterEnd", AdjacentPosition::AfterEnd},
    }};
    return valueForName(names, name);
}

std::string Element::tagName() const {
    return namespace_ == Namespace::Html ? toUpperAscii(localName_) : localName_;
}

bool Element::hasTag(std::string_view name) const {
    return equalsIgnoringCase(localName_, name);
}
bool Element::isHtmlNamed(std::initializer_list<std::string_view> names) const {
    return namespace_ == Namespace::Html && std::find(names.begin(), names.end(), localName_) != names.end();
}

// WHATWG HTML, "void elements", plus the legacy ones that the parser also never gives content.
bool Element::isVoid() const {
    return isHtmlNamed({"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "param",
                        "source", "track", "wbr", "basefont", "frame", "keygen", "bgsound"});
}

std::vector<Attribute>::iterator Element::findAttribute(std::string_view name) {
    for (auto it = attributes_.begin(); it != attributes_.end(); ++it)
        if (equalsIgnoringCase(it->name, name))
            return it;
    return attributes_.end();
}

std::optional<std::string> Element::attribute(std::string_view name) const {
    for (const Attribute& attribute : attributes_)
        if (equalsIgnoringCase(attribute.name, name))
            return attribute.value;
    return std::nullopt;
}

std::string Element::attributeOrEmpty(std::string_view name) const {
    return attribute(name).value_or(std::string());
}

DomResult Element::setAttribute(std::string_view name, std::string_view value) {
    if (name.empty())
        return DomResult::NotAllowed;
    document().setAttribute(*this, name, value);
    return DomResult::Ok;
}

DomResult Element::removeAttribute(std::string_view name) {
    return document().removeAttribute(*this, name);
}

std::vector<Element*> Element::children() const {
    std::vector<Element*> result;
    for (std::size_t i = 0; i < childCount(); ++i)
        if (Element* element = child(i)->asElement())
            result.push_back(element);
    return result;
}

std::vector<Element*> Element::descendants() const {
    std::vector<Element*> result;
    const Node* after = nextSkippingChildren();
    for (Node* node = nextInTree(); node && node != after; node = node->nextInTree())
        if (Element* element = node->asElement())
            result.push_back(element);
    return result;
}

std::size_t Element::sourceIndex() const {
    return document().sourceIndexOf(*this);
}

std::string Element::outerHtml() const {
    return pls::page::outerHtml(*this);
}

std::string Element::innerHtml() const {
    return pls::page::innerHtml(*this);
}

DomResult Element::setOuterHtml(std::string_view html) {
    return replaceElementByHtml(*this, html);
}

DomResult Element::setInnerHtml(std::string_view html) {
    return replaceContentByHtml(*this, html);
}

DomResult Element::insertAdjacentHtml(AdjacentPosition where, std::string_view html) {
    return pls::page::insertAdjacentHtml(*this, where, html);
}

std::unique_ptr<Node> Element::cloneShallow() const {
    auto copy = std::make_unique<Element>(document(), localName_, namespace_);
    copy->attributes_ = attributes_;
    return copy;
}

void Element::appendAttributeRaw(std::string name, std::string value) {
    attributes_.push_back({std::move(name), std::move(value)});
}

} // namespace pls::page
