#include "PageBody.h"

#include "Document.h"
#include "Element.h"
#include "InlineStyle.h"

namespace pls::page {

namespace {

std::string_view attributeName(BodyAttribute which) {
    switch (which) {
    case BodyAttribute::TextColour:
        return "text";
    case BodyAttribute::LinkColour:
        return "link";
    case BodyAttribute::ActiveLinkColour:
        return "alink";
    case BodyAttribute::Background:
        break;
    }
    return "background";
}

std::string_view propertyName(BodyStyle which) {
    switch (which) {
    case BodyStyle::FontFamily:
        return "font-family";
    case BodyStyle::FontSize:
        return "font-size";
    case BodyStyle::TextAlign:
        break;
    }
    return "text-align";
}

} // namespace

PageBody::PageBody(Document& document) : body_(document.body()) {}

std::string PageBody::attribute(BodyAttribute which) const {
    return body_ ? body_->attributeOrEmpty(attributeName(which)) : std::string();
}

void PageBody::setAttribute(BodyAttribute which, std::string_view value) {
    if (!body_)
        return;
    if (value.empty())
        body_->removeAttribute(attributeName(which));
    else
        body_->setAttribute(attributeName(which), value);
}

std::string PageBody::style(BodyStyle which) const {
    return body_ ? InlineStyle(body_->attributeOrEmpty("style")).value(propertyName(which)) : std::string();
}

void PageBody::setStyle(BodyStyle which, std::string_view value) {
    if (!body_)
        return;
    InlineStyle style(body_->attributeOrEmpty("style"));
    style.setValue(propertyName(which), value);
    if (style.text().empty())
        body_->removeAttribute("style");
    else
        body_->setAttribute("style", style.text());
}

} // namespace pls::page
