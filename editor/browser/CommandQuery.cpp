#include "CommandQuery.h"

#include "AsciiCase.h"
#include "Document.h"
#include "Element.h"
#include "InlineStyle.h"
#include "PageBody.h"
#include "TextRange.h"

#include <array>

namespace pls::page {

std::optional<QueryCommand> queryCommandFromName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, QueryCommand>, 4> names{{
        {"ForeColor", QueryCommand::ForeColor},
        {"FontName", QueryCommand::FontName},
        {"FontSize", QueryCommand::FontSize},
        {"BackColor", QueryCommand::BackColor},
    }};
    return valueForName(names, name);
}

namespace {

constexpr std::string_view backgroundProperty = "background-color";

std::string fontValue(const Element& font, QueryCommand command) {
    switch (command) {
    case QueryCommand::ForeColor:
        return font.attributeOrEmpty("color");
    case QueryCommand::FontName:
        return font.attributeOrEmpty("face");
    case QueryCommand::FontSize:
        return font.attributeOrEmpty("size");
    case QueryCommand::BackColor:
        break;
    }
    return InlineStyle(font.attributeOrEmpty("style")).value(backgroundProperty);
}

// The body's CSS size keyword as an HTML font size, by the same table the editor uses when it writes it.
std::string htmlFontSize(std::string_view keyword) {
    static constexpr std::array<std::string_view, 7> keywords{"xx-small", "x-small", "small",   "medium",
                                                              "large",    "x-large", "xx-large"};
    for (std::size_t i = 0; i < keywords.size(); ++i)
        if (equalsIgnoringCase(keywords[i], keyword))
            return std::to_string(i + 1);
    return {};
}

// What the page gives text outside any FONT; a browser's defaults where it gives nothing.
std::string bodyValue(Document& document, QueryCommand command) {
    PageBody body(document);
    std::string value;
    std::string_view fallback;
    switch (command) {
    case QueryCommand::ForeColor:
        value = body.attribute(BodyAttribute::TextColour);
        fallback = "#000000";
        break;
    case QueryCommand::FontName:
        value = body.style(BodyStyle::FontFamily);
        fallback = "Times New Roman";
        break;
    case QueryCommand::FontSize:
        value = htmlFontSize(body.style(BodyStyle::FontSize));
        fallback = "3";
        break;
    case QueryCommand::BackColor:
        value = document.backgroundColor();
        fallback = "#FFFFFF";
        break;
    }
    return value.empty() ? std::string(fallback) : value;
}

} // namespace

std::string queryCommandValue(const TextRange& range, QueryCommand command) {
    if (range.isDetached())
        return {};
    Document& document = *range.document();
    const Node* body = document.body();
    for (const Node* node = range.start().node; node && node != body; node = node->parent())
        if (const Element* element = node->asElement(); element && element->hasTag("FONT"))
            if (std::string value = fontValue(*element, command); !value.empty())
                return value;
    return bodyValue(document, command);
}

} // namespace pls::page
