#include "TextEntry.h"

using namespace pls::page;

namespace {

struct Punctuation {
    int keyCode;
    const char* plain;
    const char* shifted;
};

constexpr Punctuation kKeys[] = {
    {48, "0", ")"},   {49, "1", "!"},  {50, "2", "@"},     {51, "3", "#"},   {52, "4", "$"},
    {53, "5", "%"},   {54, "6", "^"},  {55, "7", "&amp;"}, {56, "8", "*"},   {57, "9", "("},
    {186, ";", ":"},  {187, "=", "+"}, {188, ",", "&lt;"}, {189, "-", "_"},  {190, ".", "&gt;"},
    {191, "/", "?"},  {192, "`", "~"}, {219, "[", "{"},    {220, "\\", "|"}, {221, "]", "}"},
    {222, "'", "\""},
};

// Collapses a copy of the caret range, extends it over one character and removes that character. At the start
// of the page there is nothing before the caret, and Backspace must not take the character after it.
void DeleteOneCharacter(EditState& state, int from) {
    if (!state.currentTextRange)
        return;
    TextRange range = state.currentTextRange->duplicate();
    if (range.move(MoveUnit::Character, from) != from)
        return;
    range.moveEnd(MoveUnit::Character, 1);
    range.pasteHtml("");
}

} // namespace

std::string KeyText(int keyCode, bool shift) {
    if (keyCode >= 'A' && keyCode <= 'Z')
        return std::string(1, char(shift ? keyCode : keyCode - 'A' + 'a'));
    switch (keyCode) {
    case int(Key::Enter):
        return shift ? R"(<BR CLEAR="all">)" : "<BR>";
    case int(Key::Space):
        return shift ? "&nbsp;" : " ";
    default:
        break;
    }
    for (const Punctuation& key : kKeys) {
        if (key.keyCode == keyCode)
            return shift ? key.shifted : key.plain;
    }
    return {};
}

std::optional<std::string> TypeKey(EditState& state, int keyCode, bool shift) {
    TextRange* range = state.currentTextRange.get();
    if (!range)
        return std::nullopt;
    if (keyCode == int(Key::Backspace)) {
        DeleteCharBefore(state);
        return "";
    }
    if (keyCode == int(Key::Delete)) {
        DeleteCharAfter(state);
        return "";
    }
    const std::string text = KeyText(keyCode, shift);
    if (text == " ") {
        std::string spaced = range->text();
        spaced.push_back(' ');
        range->setText(spaced);
    } else if (!text.empty()) {
        range->pasteHtml(text);
        range->move(MoveUnit::Character, 0);
    }
    if (text == "<BR>" || text == R"(<BR CLEAR="all">)") {
        // The new line holds a non-breaking space, and the caret stands before it.
        range->pasteHtml("&nbsp;");
        range->move(MoveUnit::Character, -1);
    }
    return text;
}

void DeleteCharBefore(EditState& state) {
    DeleteOneCharacter(state, -1);
}

void DeleteCharAfter(EditState& state) {
    DeleteOneCharacter(state, 0);
}
