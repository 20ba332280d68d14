#include "FormatCommand.h"

#include "AsciiCase.h"
#include "BoldRemoval.h"
#include "CharacterData.h"
#include "CharacterWalk.h"
#include "Document.h"
#include "Element.h"
#include "InlineStyle.h"
#include "RangeContent.h"
#include "TextRange.h"
#include "TreeEditing.h"

#include <array>

namespace pls::page {

std::optional<FormatCommand> formatCommandFromName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, FormatCommand>, 6> names{{
        {"ForeColor", FormatCommand::ForeColor},
        {"BackColor", FormatCommand::BackColor},
        {"FontName", FormatCommand::FontName},
        {"FontSize", FormatCommand::FontSize},
        {"Bold", FormatCommand::Bold},
        {"CreateLink", FormatCommand::CreateLink},
    }};
    return valueForName(names, name);
}

namespace {

constexpr std::string_view backgroundProperty = "background-color";

// The element that the command adds around text, and the attribute it sets ("" for B).
struct Wrapping {
    std::string_view tag;
    std::string_view attribute;
};

Wrapping wrappingFor(FormatCommand command) {
    switch (command) {
    case FormatCommand::ForeColor:
        return {"font", "color"};
    case FormatCommand::BackColor:
        return {"font", "style"};
    case FormatCommand::FontName:
        return {"font", "face"};
    case FormatCommand::FontSize:
        return {"font", "size"};
    case FormatCommand::CreateLink:
        return {"a", "href"};
    case FormatCommand::Bold:
        break;
    }
    return {"b", ""};
}

void applyTo(Element& element, FormatCommand command, std::string_view value) {
    const Wrapping wrapping = wrappingFor(command);
    if (command == FormatCommand::BackColor) {
        InlineStyle style(element.attributeOrEmpty("style"));
        style.setValue(backgroundProperty, value);
        element.setAttribute("style", style.text());
    } else if (!wrapping.attribute.empty()) {
        element.setAttribute(wrapping.attribute, value);
    }
}

// Whether an element sets what the command sets, so that a new setting around it would be hidden.
bool setsSameThing(const Element& element, FormatCommand command) {
    const Wrapping wrapping = wrappingFor(command);
    if (!element.hasTag(wrapping.tag))
        return false;
    if (command == FormatCommand::BackColor)
        return !InlineStyle(element.attributeOrEmpty("style")).value(backgroundProperty).empty();
    return wrapping.attribute.empty() || element.attribute(wrapping.attribute).has_value();
}

// Removes, inside a new wrapper, what would hide or duplicate it: the same attribute on nested FONT elements
// (a FONT left without attributes goes), nested B and STRONG inside a new B, nested links inside a new link.
void clearNested(Element& wrapper, FormatCommand command) {
    const Wrapping wrapping = wrappingFor(command);
    for (Element* element : wrapper.descendants()) {
        const bool unwrap =
            command == FormatCommand::Bold ? isBoldElement(*element) : setsSameThing(*element, command);
        if (!unwrap)
            continue;
        if (wrapping.tag == "font") {
            if (command == FormatCommand::BackColor) {
                InlineStyle style(element->attributeOrEmpty("style"));
                style.setValue(backgroundProperty, "");
                if (style.text().empty())
                    element->removeAttribute("style");
                else
                    element->setAttribute("style", style.text());
            } else {
                element->removeAttribute(wrapping.attribute);
            }
            if (!element->attributes().empty())
                continue;
        }
        unwrapElement(*element);
    }
}

// Cuts a text node where a range point falls inside it, so the range starts and ends between nodes.
PointPair splitAtEnds(TextRange& range) {
    Document& document = *range.document();
    BoundaryPoint end = range.end();
    if (Text* text = end.node->asText(); text && end.offset > 0 && end.offset < text->length())
        document.splitText(*text, end.offset);
    BoundaryPoint start = range.start();
    if (Text* text = start.node->asText(); text && start.offset > 0 && start.offset < text->length())
        start = {&document.splitText(*text, start.offset), 0};
    end = range.end();
    const auto betweenNodes = [](const BoundaryPoint& point, bool atStart) {
        const CharacterData* data = point.node->asCharacterData();
        if (!data)
            return point;
        const bool before = atStart ? point.offset < data->length() : point.offset == 0;
        return before ? pointBefore(*point.node) : pointAfter(*point.node);
    };
    return {betweenNodes(start, true), betweenNodes(end, false)};
}

// Steps the start into the element that follows it while that element holds the end too (or is all that is
// selected), so a FONT spanned from outside, or from its own start, is found as the container of the range.
PointPair narrowed(PointPair range) {
    while (range.start.node->asElement()) {
        Element* next = range.start.node->child(range.start.offset)
                            ? range.start.node->child(range.start.offset)->asElement()
                            : nullptr;
        if (!next || next->isVoid())
            break;
        const bool onlyThis = range.end == pointAfter(*next);
        if (!onlyThis && !next->isInclusiveAncestorOf(*range.end.node))
            break;
        range.start = {next, 0};
        if (onlyThis)
            range.end = pointAtEnd(*next);
    }
    return range;
}

Element* fontHoldingExactly(const PointPair& range, const Node& limit) {
    const PointPair inner = narrowed(range);
    for (Node* node = inner.start.node; node && node != &limit; node = node->parent()) {
        Element* element = node->asElement();
        if (!element || !element->isInclusiveAncestorOf(*inner.end.node))
            continue;
        if (element->hasTag("FONT"))
            return !hasCharacterBetween({element, 0}, inner.start, limit) &&
                           !hasCharacterBetween(inner.end, pointAtEnd(*element), limit)
                       ? element
                       : nullptr;
    }
    return nullptr;
}

Element* enclosingLink(Node& node, const Node& limit) {
    for (Node* up = node.parent(); up && up != &limit; up = up->parent())
        if (Element* element = up->asElement(); element && element->hasTag("A"))
            return element;
    return nullptr;
}

std::unique_ptr<Element> makeWrapper(Document& document, FormatCommand command, std::string_view value) {
    auto wrapper = std::make_unique<Element>(document, std::string(wrappingFor(command).tag));
    const Wrapping wrapping = wrappingFor(command);
    if (command == FormatCommand::BackColor)
        wrapper->appendAttributeRaw("style", std::string(backgroundProperty) + ": " + std::string(value));
    else if (!wrapping.attribute.empty())
        wrapper->appendAttributeRaw(std::string(wrapping.attribute), std::string(value));
    return wrapper;
}

void wrapRuns(const std::vector<NodeRun>& runs, FormatCommand command, std::string_view value,
              const Node& limit) {
    for (const auto& [first, last] : runs) {
        if (command == FormatCommand::CreateLink)
            if (Element* link = enclosingLink(*first, limit)) {
                applyTo(*link, command, value);
                continue;
            }
        Element& wrapper = wrapNodes(*first, *last, makeWrapper(first->document(), command, value));
        clearNested(wrapper, command);
    }
}

void normalizeAround(const BoundaryPoint& point) {
    if (point.node->asCharacterData()) {
        normalizeJoint(*point.node->parent(), point.node->index() + 1);
        normalizeJoint(*point.node->parent(), point.node->index());
    } else {
        normalizeJoint(*point.node, point.offset);
    }
}

// Text cut at the range's ends and left unformatted is joined again, so the tree keeps its parsed shape.
void rejoinEnds(const TextRange& range) {
    const BoundaryPoint end = range.end();
    normalizeAround(end);
    normalizeAround(range.start());
}

DomResult formatRange(TextRange& range, FormatCommand command, std::string_view value, const Node& limit) {
    const PointPair points = {range.start(), range.end()};
    if (command != FormatCommand::Bold && command != FormatCommand::CreateLink)
        if (Element* font = fontHoldingExactly(points, limit)) {
            applyTo(*font, command, value);
            clearNested(*font, command);
            range.moveToElementText(*font);
            return DomResult::Ok;
        }
    const auto runs = collectRuns(points);
    if (runs.empty())
        return DomResult::NothingToDo;
    if (command == FormatCommand::Bold && allBold(runs, limit))
        removeBold(runs, limit);
    else
        wrapRuns(runs, command, value, limit);
    return DomResult::Ok;
}

} // namespace

DomResult execCommand(TextRange& range, FormatCommand command, std::string_view value) {
    if (range.isDetached())
        return DomResult::Detached;
    if (range.isEmpty())
        return DomResult::NothingToDo;
    Document& document = *range.document();
    const Node& limit = document.body() ? static_cast<const Node&>(*document.body()) : document;
    const PointPair points = splitAtEnds(range);
    // The range itself is live: from here on the primitives keep it around the formatted text.
    range.setPoints(points.start, points.end);
    const DomResult result = formatRange(range, command, value, limit);
    rejoinEnds(range);
    return result;
}

} // namespace pls::page
