#include "FormatCommand.h"

#include "AsciiCase.h"
#include "CharacterData.h"
#include "CharacterWalk.h"
#include "Document.h"
#include "Element.h"
#include "InlineStyle.h"
#include "PageBody.h"
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
    for (const auto& [text, command] : names)
        if (equalsIgnoringCase(text, name))
            return command;
    return std::nullopt;
}

std::optional<QueryCommand> queryCommandFromName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, QueryCommand>, 4> names{{
        {"ForeColor", QueryCommand::ForeColor},
        {"FontName", QueryCommand::FontName},
        {"FontSize", QueryCommand::FontSize},
        {"BackColor", QueryCommand::BackColor},
    }};
    for (const auto& [text, command] : names)
        if (equalsIgnoringCase(text, name))
            return command;
    return std::nullopt;
}

namespace {

constexpr std::string_view backgroundProperty = "background-color";

// Elements that sit inside a line of text; formatting wraps them, and descends into anything else.
bool isPhrasing(const Node& node) {
    static constexpr std::array<std::string_view, 30> names{
        "a",     "abbr", "b",      "bdi",    "bdo", "big",  "br",   "cite", "code", "dfn",
        "em",    "font", "i",      "img",    "kbd", "mark", "nobr", "q",    "s",    "samp",
        "small", "span", "strike", "strong", "sub", "sup",  "time", "tt",   "u",    "var"};
    if (node.type() == NodeType::Text || node.type() == NodeType::Comment)
        return true;
    const Element* element = node.asElement();
    if (!element || element->elementNamespace() != Namespace::Html)
        return false;
    for (std::string_view name : names)
        if (element->localName() == name)
            return true;
    return false;
}

bool isBoldElement(const Node& node) {
    const Element* element = node.asElement();
    return element && (element->hasTag("B") || element->hasTag("STRONG"));
}

bool hasVisibleContent(const Node& node) {
    if (const CharacterData* data = node.asCharacterData())
        return node.type() == NodeType::Text &&
               data->data().find_first_not_of(" \t\r\n\f") != std::string::npos;
    return node.asElement() != nullptr;
}

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

// Runs of neighbouring phrasing nodes among the selected ones, looking inside blocks.
class RunCollector {
public:
    std::vector<std::pair<Node*, Node*>> runs;

    void add(Node& node) {
        if (isPhrasing(node)) {
            if (!last_ || last_->nextSibling() != &node)
                flush();
            first_ = first_ ? first_ : &node;
            last_ = &node;
            visible_ = visible_ || hasVisibleContent(node);
            return;
        }
        flush();
        const Element* element = node.asElement();
        if (element && !element->hasTag("SCRIPT") && !element->hasTag("STYLE"))
            for (std::size_t i = 0; i < node.childCount(); ++i)
                add(*node.child(i));
        flush();
    }

    void flush() {
        if (first_ && visible_)
            runs.emplace_back(first_, last_);
        first_ = last_ = nullptr;
        visible_ = false;
    }

private:
    Node* first_ = nullptr;
    Node* last_ = nullptr;
    bool visible_ = false;
};

std::vector<std::pair<Node*, Node*>> collectRuns(const PointPair& range) {
    RunCollector collector;
    for (Node* node : topContainedNodes(range))
        collector.add(*node);
    collector.flush();
    return collector.runs;
}

Element* enclosingLink(Node& node, const Node& limit) {
    for (Node* up = node.parent(); up && up != &limit; up = up->parent())
        if (Element* element = up->asElement(); element && element->hasTag("A"))
            return element;
    return nullptr;
}

bool insideBold(const Node& node, const Node& limit) {
    for (const Node* up = &node; up && up != &limit; up = up->parent())
        if (isBoldElement(*up))
            return true;
    return false;
}

// Every piece of visible text in the runs is bold already.
bool allBold(const std::vector<std::pair<Node*, Node*>>& runs, const Node& limit) {
    bool any = false;
    for (const auto& [first, last] : runs)
        for (Node* node = first; node; node = node == last ? nullptr : node->nextSibling()) {
            const Node* after = node->nextSkippingChildren();
            for (Node* inner = node; inner && inner != after; inner = inner->nextInTree())
                if (inner->type() == NodeType::Text && hasVisibleContent(*inner)) {
                    if (!insideBold(*inner, limit))
                        return false;
                    any = true;
                }
        }
    return any;
}

// Splits element at a point between nodes inside it: what follows the point moves into a copy of the element
// (and of each element between) placed right after it.
void splitElementAt(Element& element, const BoundaryPoint& point) {
    Document& document = element.document();
    Node* current = point.node;
    std::size_t index = point.offset;
    while (true) {
        std::vector<std::unique_ptr<Node>> copy;
        copy.push_back(current->cloneShallow());
        Node& added = *copy.back();
        document.insertNodes(*current->parent(), current->index() + 1, std::move(copy));
        if (index < current->childCount())
            document.moveNodes(*current->child(index), current->childCount() - index, added, 0);
        if (current == &element)
            return;
        index = current->index() + 1;
        current = current->parent();
    }
}

void removeIfEmpty(Node* node) {
    if (node && node->parent() && node->childCount() == 0)
        node->document().removeNode(*node);
}

// Takes the bold away from the runs: bold ancestors are split around them, bold elements inside unwrapped.
void removeBold(const std::vector<std::pair<Node*, Node*>>& runs, const Node& limit) {
    for (const auto& [first, last] : runs) {
        for (Node* up = first->parent(); up && up != &limit; up = up->parent()) {
            Element* bold = isBoldElement(*up) ? up->asElement() : nullptr;
            if (!bold)
                continue;
            splitElementAt(*bold, pointAfter(*last));
            Node* tail = bold->nextSibling();
            splitElementAt(*bold, pointBefore(*first));
            Element* middle = bold->nextSibling()->asElement();
            removeIfEmpty(tail);
            unwrapElement(*middle);
            removeIfEmpty(bold);
            break;
        }
        for (Node* node = first; node;) {
            Node* next = node == last ? nullptr : node->nextSibling();
            if (Element* element = node->asElement()) {
                for (Element* inner : element->descendants())
                    if (isBoldElement(*inner))
                        unwrapElement(*inner);
                if (isBoldElement(*element))
                    unwrapElement(*element);
            }
            node = next;
        }
    }
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

void wrapRuns(const std::vector<std::pair<Node*, Node*>>& runs, FormatCommand command, std::string_view value,
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

namespace {

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
