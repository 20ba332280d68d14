#include "SelectionFormat.h"

#include "CommandQuery.h"
#include "Document.h"
#include "ElementOps.h"
#include "Selection.h"

using namespace pls::page;

void FormatSelection(EditState& state, FormatCommand command, const std::string& value) {
    if (IfSelection(state) != Selected::Text)
        return;
    TextRange range = state.document->selection().createRange();
    execCommand(range, command, value);
}

std::array<std::string, 5> CurFontProps(const EditState& state) {
    if (!state.document)
        return {};
    const TextRange range = state.document->selection().createRange();
    if (range.compareEndPoints(EndPoints::StartToEnd, range) != 0)
        return {};
    auto value = [&range](QueryCommand command) {
        return queryCommandValue(range, command);
    };
    return {value(QueryCommand::ForeColor), value(QueryCommand::FontName), value(QueryCommand::FontSize),
            value(QueryCommand::BackColor), std::string(1, '*')};
}

std::string SelText(const EditState& state) {
    if (!state.document || state.document->selection().type() != "Text")
        return {};
    const TextRange range = state.document->selection().createRange();
    return range.isEmpty() ? std::string() : range.text();
}

void SetSelText(EditState& state, const std::string& html) {
    if (!state.document || state.document->selection().type() != "Text")
        return;
    TextRange range = state.document->selection().createRange();
    range.pasteHtml(html);
}
