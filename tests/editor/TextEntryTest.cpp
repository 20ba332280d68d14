#include "TextEntry.h"

#include "Document.h"
#include "Element.h"
#include "PageTestSupport.h"
#include "SelectionFormat.h"

#include <gtest/gtest.h>

using namespace pls::page;

namespace {

// A page with the caret at "|" as the current text range.
struct Typing {
    explicit Typing(std::string_view body) : document(test::page(body)) {
        state.document = document.get();
        state.currentTextRange = std::make_unique<TextRange>(test::markedRange(*document));
    }
    std::string Type(int keyCode, bool shift = false) {
        return TypeKey(state, keyCode, shift).value_or("(none)");
    }
    std::string Shown() const { return test::showRange(*state.currentTextRange); }

    std::unique_ptr<Document> document;
    EditState state;
};

struct KeyCase {
    const char* name;
    int keyCode;
    bool shift;
    const char* typed;
    const char* page;
};

class TypeKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(TypeKeyTest, TypesHtmlAtTheCaret) {
    Typing typing("<FONT>ab|c</FONT>");
    EXPECT_EQ(typing.Type(GetParam().keyCode, GetParam().shift), GetParam().typed);
    EXPECT_EQ(typing.Shown(), GetParam().page);
}

INSTANTIATE_TEST_SUITE_P(Keys, TypeKeyTest,
                         testing::Values(KeyCase{"Letter", 'A', false, "a", "<FONT>aba|c</FONT>"},
                                         KeyCase{"ShiftLetter", 'Z', true, "Z", "<FONT>abZ|c</FONT>"},
                                         KeyCase{"Digit", '7', false, "7", "<FONT>ab7|c</FONT>"},
                                         KeyCase{"Ampersand", '7', true, "&amp;", "<FONT>ab&amp;|c</FONT>"},
                                         KeyCase{"At", '2', true, "@", "<FONT>ab@|c</FONT>"},
                                         KeyCase{"LessThan", 188, true, "&lt;", "<FONT>ab&lt;|c</FONT>"},
                                         KeyCase{"GreaterThan", 190, true, "&gt;", "<FONT>ab&gt;|c</FONT>"},
                                         KeyCase{"Question", 191, true, "?", "<FONT>ab?|c</FONT>"},
                                         KeyCase{"Grave", 192, false, "`", "<FONT>ab`|c</FONT>"},
                                         KeyCase{"Bar", 220, true, "|", "<FONT>ab||c</FONT>"},
                                         KeyCase{"Backslash", 220, false, "\\", "<FONT>ab\\|c</FONT>"},
                                         KeyCase{"DoubleQuote", 222, true, "\"", "<FONT>ab\"|c</FONT>"},
                                         KeyCase{"Brace", 219, true, "{", "<FONT>ab{|c</FONT>"},
                                         KeyCase{"Space", 32, false, " ", "<FONT>ab |c</FONT>"},
                                         KeyCase{"ShiftSpace", 32, true, "&nbsp;", "<FONT>ab&nbsp;|c</FONT>"},
                                         KeyCase{"NumberPad", 97, false, "", "<FONT>ab|c</FONT>"},
                                         KeyCase{"Arrow", 37, false, "", "<FONT>ab|c</FONT>"},
                                         KeyCase{"FunctionKey", 112, true, "", "<FONT>ab|c</FONT>"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TypeKey, EnterPutsTheCaretBeforeTheNewLinesSpace) {
    for (const auto& [shift, br] : {std::pair{false, "<BR>"}, std::pair{true, R"(<BR CLEAR="all">)"}}) {
        Typing typing("<FONT>ab|c</FONT>");
        EXPECT_EQ(typing.Type(13, shift), br);
        typing.Type('X');
        EXPECT_EQ(typing.Shown(), std::string("<FONT>ab") + br + "x|&nbsp;c</FONT>");
    }
}

TEST(TypeKey, WithoutACaretNothingIsTyped) {
    auto document = test::page("<FONT>abc</FONT>");
    EditState state;
    state.document = document.get();
    EXPECT_FALSE(TypeKey(state, 'A', false));
    EXPECT_EQ(test::bodyHtml(*document), "<FONT>abc</FONT>");
}

TEST(TypeKey, BackspaceAndDelete) {
    struct Case {
        const char* name;
        const char* before;
        int key;
        const char* after;
    };
    for (const Case& c :
         {Case{"backspace in the middle", "<FONT>ab|c</FONT>", 8, "<FONT>a|c</FONT>"},
          Case{"delete in the middle", "<FONT>ab|c</FONT>", 46, "<FONT>ab|</FONT>"},
          Case{"backspace at the start of the page", "<FONT>|abc</FONT>", 8, "<FONT>|abc</FONT>"},
          Case{"delete at the end of the page", "<FONT>abc|</FONT>", 46, "<FONT>abc|</FONT>"},
          Case{"backspace over a BR", "<FONT>ab<BR>|c</FONT>", 8, "<FONT>ab|c</FONT>"},
          Case{"delete over a BR", "<FONT>ab|<BR>c</FONT>", 46, "<FONT>ab|c</FONT>"}}) {
        SCOPED_TRACE(c.name);
        Typing typing(c.before);
        EXPECT_EQ(typing.Type(c.key), "");
        EXPECT_EQ(typing.Shown(), c.after);
    }
}

TEST(SelectionFormat, NothingWhileAWholeElementIsSelected) {
    auto document = test::page("<FONT>a[bc]d</FONT>");
    test::markedRange(*document).select();
    EditState state;
    state.document = document.get();
    state.selectedElement = ElementRef(&test::firstElement(*document, "FONT"));
    FormatSelection(state, FormatCommand::ForeColor, "#FF0000");
    EXPECT_EQ(test::bodyHtml(*document), "<FONT>abcd</FONT>");

    state.selectedElement.reset();
    FormatSelection(state, FormatCommand::ForeColor, "#FF0000");
    EXPECT_NE(test::bodyHtml(*document), "<FONT>abcd</FONT>") << "a text selection is formatted";
}

TEST(SelectionFormat, FontPropsOnlyAtACaret) {
    auto document = test::page(R"(<FONT COLOR="#FF0000" FACE="Verdana"><FONT SIZE="5">a|b</FONT></FONT>)");
    test::markedRange(*document).select();
    EditState state;
    state.document = document.get();
    const auto props = CurFontProps(state);
    EXPECT_EQ(props[4], "*");
    EXPECT_EQ(props[1], "Verdana");
    EXPECT_EQ(props[2], "5");

    auto selected = test::page("<FONT>a[b]c</FONT>");
    test::markedRange(*selected).select();
    state.document = selected.get();
    EXPECT_EQ(CurFontProps(state), (std::array<std::string, 5>{}));
    EXPECT_EQ(SelText(state), "b");
}

} // namespace
