#pragma once

#include "DomResult.h"
#include "Node.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace pls::page {

enum class Namespace { Html, Svg, MathMl };

struct Attribute {
    std::string name;
    std::string value;
};

enum class AdjacentPosition { BeforeBegin, AfterBegin, BeforeEnd, AfterEnd };

// "BeforeBegin", "AfterBegin", "BeforeEnd", "AfterEnd" in any case.
std::optional<AdjacentPosition> adjacentPositionFromName(std::string_view name);

// An element of the page. Names are kept as the HTML parser gives them (lower case for HTML elements) and
// reported in upper case, the way the editor compares and writes them. Attributes keep their source order;
// their names are matched without regard to case.
class Element final : public Node {
public:
    Element(Document& document, std::string localName, Namespace ns = Namespace::Html)
        : Node(NodeType::Element, document), localName_(std::move(localName)), namespace_(ns) {}

    const std::string& localName() const { return localName_; }
    Namespace elementNamespace() const { return namespace_; }
    std::string tagName() const;
    // name compared without regard to case: hasTag("FONT")
    bool hasTag(std::string_view name) const;
    bool isVoid() const;
    // An HTML element with one of these lower-case names.
    bool isHtmlNamed(std::initializer_list<std::string_view> names) const;

    const std::vector<Attribute>& attributes() const { return attributes_; }
    std::optional<std::string> attribute(std::string_view name) const;
    // The attribute's value, or "" when it is absent.
    std::string attributeOrEmpty(std::string_view name) const;
    DomResult setAttribute(std::string_view name, std::string_view value);
    DomResult removeAttribute(std::string_view name);

    // Element children only, in order.
    std::vector<Element*> children() const;
    // Every element inside this one, in document order.
    std::vector<Element*> descendants() const;
    // Index in the document's list of all elements.
    std::size_t sourceIndex() const;

    std::string outerHtml() const;
    std::string innerHtml() const;
    // "" removes the element; otherwise the HTML, parsed in the parent's context, takes its place.
    DomResult setOuterHtml(std::string_view html);
    DomResult setInnerHtml(std::string_view html);
    DomResult insertAdjacentHtml(AdjacentPosition where, std::string_view html);

    std::unique_ptr<Node> cloneShallow() const override;

    // For the parser: appends without notification.
    void appendAttributeRaw(std::string name, std::string value);

private:
    friend class Document;
    std::vector<Attribute>::iterator findAttribute(std::string_view name);

    std::string localName_;
    Namespace namespace_;
    std::vector<Attribute> attributes_;
    std::size_t sourceIndex_ = 0;
};

} // namespace pls::page
