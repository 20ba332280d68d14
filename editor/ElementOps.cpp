#include "ElementOps.h"

#include "Document.h"
#include "Element.h"
#include "Selection.h"

using namespace pls::page;

namespace {

bool IsBlockOrPicture(const Element& element) {
    return element.hasTag("FONT") || element.hasTag("IMG");
}

// Selects the element's text and pastes the HTML over it.
void PasteOverElementText(Document& document, Element& element, const std::string& html) {
    TextRange range = TextRange::bodyRange(document);
    range.moveToElementText(element);
    range.select();
    range.pasteHtml(html);
}

} // namespace

Selected IfSelection(const EditState& state) {
    if (state.selectedElement)
        return Selected::Element;
    if (!state.document)
        return Selected::Nothing;
    const Selection& selection = state.document->selection();
    if (selection.type() != "Text")
        return Selected::Nothing;
    const TextRange range = selection.createRange();
    return !range.isEmpty() && !range.text().empty() ? Selected::Text : Selected::Nothing;
}

void Cut(EditState& state) {
    switch (IfSelection(state)) {
    case Selected::Text: {
        TextRange range = state.document->selection().createRange();
        state.textClip = range.htmlText();
        range.pasteHtml("");
        break;
    }
    case Selected::Element:
        if (Element* element = state.selectedElement.get()) {
            state.tagClip = element->outerHtml();
            element->setOuterHtml("");
        }
        state.selectedElement.reset();
        break;
    case Selected::Nothing:
        break;
    }
}

void Copy(EditState& state) {
    switch (IfSelection(state)) {
    case Selected::Text:
        state.textClip = state.document->selection().createRange().htmlText();
        break;
    case Selected::Element:
        state.tagClip = state.document->selection().createRange().htmlText();
        break;
    case Selected::Nothing:
        break;
    }
}

void Paste(EditState& state, int mode, const std::string& clipboardText) {
    if (!state.document)
        return;
    state.selectedElement.reset();
    if (mode == int(PasteFrom::TagClip)) {
        if (state.tagClip.empty())
            return;
        if (Element* current = state.currentElement.get())
            current->insertAdjacentHtml(AdjacentPosition::AfterEnd, state.tagClip);
        else
            AddNewElement(state, state.tagClip);
        state.document->selection().empty();
        return;
    }
    if (mode != int(PasteFrom::TextClip) && mode != int(PasteFrom::SystemClipboard))
        return;
    const std::string& text = mode == int(PasteFrom::TextClip) ? state.textClip : clipboardText;
    if (text.empty())
        return;
    TextRange* range = state.currentTextRange.get();
    if (!range) {
        AddNewElement(state, text);
        return;
    }
    if (range->isEmpty())
        range->move(MoveUnit::Character, 0);
    range->pasteHtml(text);
}

void DeleteElement(EditState& state, Element* element) {
    if (state.document && element)
        PasteOverElementText(*state.document, *element, "");
}

void ReplaceElemHTML(EditState& state, Element* element, const std::string& html) {
    if (state.document && element)
        PasteOverElementText(*state.document, *element, html);
}

void AddNewElement(EditState& state, const std::string& html) {
    if (Element* body = state.document ? state.document->body() : nullptr)
        body->insertAdjacentHtml(AdjacentPosition::BeforeEnd, html);
}

void MoveElementOneSpace(EditState& state, int mode) {
    Element* current = state.currentElement.get();
    if (!state.document || !current)
        return;
    switch (Nudge(mode)) {
    case Nudge::Left: {
        TextRange range = TextRange::bodyRange(*state.document);
        range.moveToElementText(*current);
        range.move(MoveUnit::Character, -1);
        range.moveEnd(MoveUnit::Character, 1);
        if (range.htmlText() == "&nbsp;")
            range.pasteHtml("");
        break;
    }
    case Nudge::Up: {
        const std::size_t index = current->sourceIndex();
        Element* previous = index > 0 ? state.document->elementAt(index - 1) : nullptr;
        if (previous && previous->hasTag("BR"))
            previous->setOuterHtml("");
        break;
    }
    case Nudge::Right:
        current->insertAdjacentHtml(AdjacentPosition::BeforeBegin, "&nbsp;");
        break;
    case Nudge::Down:
        current->insertAdjacentHtml(AdjacentPosition::BeforeBegin, "<BR>");
        break;
    }
}

MoveResult MoveElementOneElement(EditState& state, int direction) {
    Element* selected = state.selectedElement.get();
    if (!selected || !state.document)
        return MoveResult::NothingSelected;
    if (!IsBlockOrPicture(*selected))
        return MoveResult::NotBlockOrPicture;
    const auto& elements = state.document->allElements();
    const long start = long(selected->sourceIndex());
    Element* target = nullptr;
    for (long k = 1; k <= 10 && !target; ++k) {
        const long index = start + k * direction;
        if (index < 0 || index >= long(elements.size()))
            break;
        if (IsBlockOrPicture(*elements[std::size_t(index)]))
            target = elements[std::size_t(index)];
    }
    if (!target)
        return MoveResult::NoPartner;
    const std::string html = selected->outerHtml();
    ElementRef partner(target);
    ReplaceElemHTML(state, selected, "");
    if (Element* still = partner.get())
        still->insertAdjacentHtml(
            direction == -1 ? AdjacentPosition::BeforeBegin : AdjacentPosition::AfterEnd, html);
    state.selectedElement.reset();
    return MoveResult::Moved;
}
