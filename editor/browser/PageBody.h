#pragma once

#include <string>
#include <string_view>

namespace pls::page {

class Document;
class Element;

enum class BodyAttribute { TextColour, LinkColour, ActiveLinkColour, Background };
enum class BodyStyle { FontFamily, FontSize, TextAlign };

// The page-wide settings that live on the BODY element: its colour and background attributes and the font and
// alignment of its STYLE. Reads give "" and writes do nothing when the page has no body.
class PageBody {
public:
    explicit PageBody(Document& document);

    std::string attribute(BodyAttribute which) const;
    // "" removes the attribute.
    void setAttribute(BodyAttribute which, std::string_view value);
    std::string style(BodyStyle which) const;
    // "" removes the declaration.
    void setStyle(BodyStyle which, std::string_view value);

private:
    Element* body_;
};

} // namespace pls::page
