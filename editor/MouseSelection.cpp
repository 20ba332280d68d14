#include "MouseSelection.h"

#include "Document.h"
#include "Element.h"
#include "NodePath.h"
#include "Selection.h"
#include "ViewBinding.h"

using namespace pls::page;

MouseSelection::Click MouseSelection::OnClick(const PointerReport& report) {
    Element* source = SourceElement(report);
    const QString tag = report.tag.toUpper();
    state_.currentElementTag = tag;
    if (tag == "FONT" || tag == "B" || tag == "A" || tag == "STRONG")
        return ClickInText(report, source, tag);
    if (tag == "IMG" || tag == "TR" || tag == "TABLE") {
        state_.currentTextRange.reset();
        state_.currentElement = ElementRef(source);
        return {tag};
    }
    if (tag == "TD") {
        for (Element* child : source ? source->children() : std::vector<Element*>{}) {
            if (child->hasTag("FONT")) {
                state_.currentElementTag = "FONT";
                return ClickInText(report, child, "FONT");
            }
        }
        return {"TD"};
    }
    if (tag == "BODY")
        return ClickInText(report, nullptr, "BODY");
    return {""};
}

MouseSelection::Click MouseSelection::ClickInText(const PointerReport& report, Element* element,
                                                  const QString& tag) {
    state_.currentTextRange = RangeAtPoint(report);
    state_.currentElement = ElementRef(element);
    if (!state_.currentTextRange)
        return {tag};
    // The click put the browser's caret there too; the document selection follows it at once.
    state_.document->selection().setRange(*state_.currentTextRange);
    if (!report.caretBox)
        return {tag};
    return {tag, report.caretBox->x(), report.caretBox->y()};
}

std::optional<QString> MouseSelection::OnDoubleClick(const PointerReport& report) {
    Element* source = SourceElement(report);
    const QString tag = report.tag.toUpper();
    state_.currentElementTag = tag;
    if ((tag == "IMG" || tag == "FONT" || tag == "TABLE") && source) {
        SelectWhole(*source);
        state_.currentTextRange.reset();
    } else if (tag == "B" || tag == "STRONG") {
        Element* parent = source ? source->parentElement() : nullptr;
        if (parent && parent->hasTag("FONT")) {
            SelectWhole(*parent);
            state_.currentElementTag = "FONT";
        }
    } else if (tag == "BODY") {
        auto range = std::make_unique<TextRange>(state_.document->selection().createRange());
        range->move(MoveUnit::TextEdit, 1);
        state_.currentTextRange = std::move(range);
        state_.currentElement.reset();
        state_.selectedElement.reset();
    } else if (tag == "TR" || tag == "TD") {
        Element* level = source;
        for (int i = 0; i < 4 && level; ++i) {
            level = level->parentElement();
            if (level && level->hasTag("TABLE")) {
                SelectWhole(*level);
                state_.currentElementTag = "TABLE";
                break;
            }
        }
        const Element* current = state_.currentElement.get();
        if (!current || !current->hasTag("TABLE"))
            return std::nullopt;
    }
    return state_.currentElementTag;
}

// Highlights the element's text, so the element shows selected, and makes it the current and selected
// element.
void MouseSelection::SelectWhole(Element& element) {
    TextRange range = TextRange::bodyRange(*state_.document);
    range.moveToElementText(element);
    range.select();
    binding_.ShowSelection();
    state_.currentElement = ElementRef(&element);
    state_.selectedElement = ElementRef(&element);
}

Element* MouseSelection::SourceElement(const PointerReport& report) const {
    if (!state_.document)
        return nullptr;
    Node* node = nodeAtPath(*state_.document, NodePath(report.target.begin(), report.target.end()));
    return node ? node->asElement() : nullptr;
}

std::unique_ptr<TextRange> MouseSelection::RangeAtPoint(const PointerReport& report) const {
    binding_.NoteReportedPoint(report.position, report.caret, report.caretBox);
    auto range = std::make_unique<TextRange>(TextRange::bodyRange(*state_.document));
    if (range->moveToPoint(binding_, report.position.x(), report.position.y()) != DomResult::Ok)
        return nullptr;
    return range;
}
