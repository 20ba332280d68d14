#include "Element.h"
#include "PageTestSupport.h"

#include <gtest/gtest.h>

using namespace pls::page;
using namespace pls::page::test;

namespace {

struct MoveCase {
    const char* name;
    const char* page;
    const char* unit;
    int count;
    int moved;
    const char* expected;
};

class Move : public testing::TestWithParam<MoveCase> {};

TEST_P(Move, CollapsesAndStepsByCharacters) {
    auto document = page(GetParam().page);
    TextRange range = markedRange(*document);
    EXPECT_EQ(range.move(*moveUnitFromName(GetParam().unit), GetParam().count), GetParam().moved);
    EXPECT_EQ(showRange(range), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Move,
    testing::Values(MoveCase{"ForwardInText", "a|bc", "character", 1, 1, "ab|c"},
                    MoveCase{"BackwardInText", "ab|c", "character", -2, -2, "|abc"},
                    MoveCase{"IntoAnElement", "ab|<b>cd</b>", "character", 1, 1, "ab<B>c|d</B>"},
                    MoveCase{"OutOfAnElement", "ab<b>|cd</b>", "Character", -1, -1, "a|b<B>cd</B>"},
                    MoveCase{"OverALineBreak", "a|<br>b", "character", 1, 1, "a<BR>|b"},
                    MoveCase{"BackOverALineBreak", "a<br>|b", "character", -1, -1, "a|<BR>b"},
                    MoveCase{"OverAPicture", "|<img>x", "character", 1, 1, "<IMG>|x"},
                    MoveCase{"StopsAtTheEndOfThePage", "ab|c", "character", 5, 1, "abc|"},
                    MoveCase{"StopsAtTheStartOfThePage", "a|bc", "character", -5, -1, "|abc"},
                    MoveCase{"OneCodePointIsOneCharacter", "ü|🐢x", "character", 1, 1, "ü🐢|x"},
                    MoveCase{"CollapsesToTheStartFirst", "[ab]c", "character", 1, 1, "a|bc"},
                    MoveCase{"ZeroOnlyCollapses", "a[bc]", "character", 0, 0, "a|bc"},
                    MoveCase{"SkipsWhitespaceOfTableStructure",
                             "<table><tr><td>a|</td></tr>\n<tr><td>b</td></tr></table>", "character", 1, 1,
                             "<TABLE><TBODY><TR><TD>a</TD></TR>\n<TR><TD>b|</TD></TR></TBODY></TABLE>"},
                    MoveCase{"TexteditGoesToTheEnd", "a|b<b>c</b>", "textedit", 1, 1, "ab<B>c</B>|"},
                    MoveCase{"TexteditBackGoesToTheStart", "a|b", "TextEdit", -1, -1, "|ab"}),
    [](const testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

TEST(TextRange, MoveEndExtendsAndTakesTheStartAlongWhenItPassesIt) {
    auto document = page("a|b<br>c");
    TextRange range = markedRange(*document);
    EXPECT_EQ(range.moveEnd(MoveUnit::Character, 2), 2);
    EXPECT_EQ(showRange(range), "a[b<BR>]c");
    EXPECT_EQ(range.moveEnd(MoveUnit::Character, -3), -3);
    EXPECT_EQ(showRange(range), "|ab<BR>c");
}

struct CompareCase {
    const char* name;
    const char* page;
    int startToEnd;
};

class CompareEndPoints : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareEndPoints, StartToEndIsZeroOnlyWithoutCharactersBetween) {
    auto document = page(GetParam().page);
    TextRange range = markedRange(*document);
    EXPECT_EQ(range.compareEndPoints(*endPointsFromName("StartToEnd"), range), GetParam().startToEnd);
    EXPECT_EQ(range.isEmpty(), GetParam().startToEnd == 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompareEndPoints,
                         testing::Values(CompareCase{"Collapsed", "a|b", 0},
                                         CompareCase{"OneCharacter", "a[b]", -1},
                                         CompareCase{"OnlyAnEmptyElement", "a[<b></b>]c", 0},
                                         CompareCase{"OnlyALineBreak", "a[<br>]c", -1}),
                         [](const testing::TestParamInfo<CompareCase>& info) { return info.param.name; });

TEST(TextRange, BodyRangeAndElementTextCoverTheirContent) {
    auto document = page("a<font>b<i>c</i></font><img src=x.gif>");
    TextRange body = TextRange::bodyRange(*document);
    EXPECT_EQ(body.text(), "abc");
    TextRange range(*document);
    range.moveToElementText(firstElement(*document, "FONT"));
    EXPECT_EQ(range.text(), "bc");
    EXPECT_EQ(range.htmlText(), "<FONT>b<I>c</I></FONT>");
    range.moveToElementText(firstElement(*document, "IMG"));
    EXPECT_EQ(range.htmlText(), "<IMG SRC=\"x.gif\">");
    TextRange copy = range.duplicate();
    EXPECT_EQ(copy.start(), range.start());
    EXPECT_EQ(copy.end(), range.end());
}

struct ContentCase {
    const char* name;
    const char* page;
    const char* text;
    const char* html;
};

class Content : public testing::TestWithParam<ContentCase> {};

TEST_P(Content, TextAndHtmlOfTheRange) {
    auto document = page(GetParam().page);
    TextRange range = markedRange(*document);
    EXPECT_EQ(range.text(), GetParam().text);
    EXPECT_EQ(range.htmlText(), GetParam().html);
}

INSTANTIATE_TEST_SUITE_P(Cases, Content,
                         testing::Values(ContentCase{"InsideOneText", "a[bc]d", "bc", "bc"},
                                         ContentCase{"IntoAnElement", "a[b<b>c]d</b>", "bc", "b<B>c</B>"},
                                         ContentCase{"OverLineBreakAndPicture", "a[b<br>c<img>d]e", "b\ncd",
                                                     "b<BR>c<IMG>d"},
                                         ContentCase{"WholeFontContent", "x<font color=red>[ab]</font>y",
                                                     "ab", "<FONT COLOR=\"red\">ab</FONT>"},
                                         ContentCase{"Collapsed", "a|b", "", ""},
                                         ContentCase{"TableCellContentStaysInside",
                                                     "<table><tr><td>[ab]</td></tr></table>", "ab", "ab"}),
                         [](const testing::TestParamInfo<ContentCase>& info) { return info.param.name; });

struct PasteCase {
    const char* name;
    const char* page;
    const char* html;
    const char* expected;
};

class PasteHtml : public testing::TestWithParam<PasteCase> {};

TEST_P(PasteHtml, ReplacesTheContentAndCollapsesAfterIt) {
    auto document = page(GetParam().page);
    TextRange range = markedRange(*document);
    EXPECT_EQ(range.pasteHtml(GetParam().html), DomResult::Ok);
    EXPECT_EQ(showRange(range), GetParam().expected);
    // The page stays what a parser makes of its own serialization.
    EXPECT_EQ(Document::parse(document->serialize())->serialize(), document->serialize());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasteHtml,
    testing::Values(PasteCase{"IntoEmptyRangeSplittingText", "ab|cd", "<b>x</b>", "ab<B>x</B>|cd"},
                    PasteCase{"PlainTextJoinsTheText", "ab|cd", "x", "abx|cd"},
                    PasteCase{"AtTheStartOfThePage", "|ab", "x", "x|ab"},
                    PasteCase{"AtTheEndOfThePage", "ab<b>c</b>|", "x", "ab<B>c</B>x|"},
                    PasteCase{"ReplacesTheSelection", "a[bc]d", "X", "aX|d"},
                    PasteCase{"AcrossElements", "a[b<i>c]d</i>", "X", "aX|<I>d</I>"},
                    PasteCase{"WholeElementGoes", "a[<font>b</font>]c", "X", "aX|c"},
                    PasteCase{"EmptyStringDeletes", "a[bc]d", "", "a|d"},
                    PasteCase{"EntityBecomesText", "a|", "&nbsp;", "a&nbsp;|"},
                    PasteCase{"ParsedInTheContextOfItsContainer", "<table><tr><td>[ab]</td></tr></table>",
                              "<p>X</p>", "<TABLE><TBODY><TR><TD><P>X</P>|</TD></TR></TBODY></TABLE>"},
                    PasteCase{"InsideBoldStaysBold", "<b>a|b</b>", "x", "<B>ax|b</B>"}),
    [](const testing::TestParamInfo<PasteCase>& info) { return info.param.name; });

TEST(TextRange, ElementTextPastedOverReplacesTheElement) {
    auto document = page("a<font face=Arial>b</font>c");
    TextRange range(*document);
    range.moveToElementText(firstElement(*document, "FONT"));
    range.select();
    range.pasteHtml("<i>n</i>");
    EXPECT_EQ(showRange(range), "a<I>n</I>|c");
}

// The key handling of the edit surface: Enter pastes a line break and a no-break space and steps back.
TEST(TextRange, TypingSequencesOfTheEditor) {
    auto document = page("x|");
    TextRange caret = markedRange(*document);
    caret.pasteHtml("<BR>");
    caret.move(MoveUnit::Character, 0);
    caret.pasteHtml("&nbsp;");
    caret.move(MoveUnit::Character, -1);
    caret.pasteHtml("a");
    caret.move(MoveUnit::Character, 0);
    EXPECT_EQ(showRange(caret), "x<BR>a|&nbsp;");
    caret.setText(caret.text() + " ");
    EXPECT_EQ(showRange(caret), "x<BR>a |&nbsp;");
}

struct DeleteCase {
    const char* name;
    const char* page;
    int direction; // -1 Backspace, 1 Delete
    const char* expected;
};

class DeleteCharacter : public testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteCharacter, RemovesOneCharacterAndKeepsTheCaret) {
    auto document = page(GetParam().page);
    TextRange caret = markedRange(*document);
    TextRange step = caret.duplicate();
    step.move(MoveUnit::Character, GetParam().direction < 0 ? -1 : 0);
    step.moveEnd(MoveUnit::Character, 1);
    step.pasteHtml("");
    EXPECT_EQ(showRange(caret), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteCharacter,
                         testing::Values(DeleteCase{"BackspaceInText", "ab|c", -1, "a|c"},
                                         DeleteCase{"DeleteInText", "a|bc", 1, "a|c"},
                                         DeleteCase{"BackspaceOverALineBreak", "a<br>|b", -1, "a|b"},
                                         DeleteCase{"DeleteIntoBold", "a|<b>bc</b>", 1, "a|<B>c</B>"},
                                         DeleteCase{"BackspaceOfTheLastBoldCharacter", "a<b>b</b>|c", -1,
                                                    "a|c"}),
                         [](const testing::TestParamInfo<DeleteCase>& info) { return info.param.name; });

TEST(Selection, TypeFollowsTheSelectedRange) {
    auto document = page("a[bc]d");
    TextRange range = markedRange(*document);
    Selection& selection = document->selection();
    EXPECT_EQ(selection.type(), "None");
    range.select();
    EXPECT_EQ(selection.type(), "Text");
    EXPECT_EQ(selection.createRange().text(), "bc");
    range.collapse(CollapseTo::End);
    range.select();
    EXPECT_EQ(selection.type(), "None");
    selection.empty();
    EXPECT_FALSE(selection.hasRange());
}

TEST(Selection, FollowsEditsOfThePage) {
    auto document = page("a[bc]d");
    markedRange(*document).select();
    TextRange caret(*document);
    caret.pasteHtml("xy");
    EXPECT_EQ(showRange(document->selection().createRange()), "xya[bc]d");
}

// Answers layout questions as the view would, from a fixed table.
class FixedLayout final : public LayoutOracle {
public:
    explicit FixedLayout(BoundaryPoint point) : point_(point) {}
    std::optional<BoundaryPoint> pointAt(int x, int y) const override {
        return x >= 0 && y >= 0 ? std::optional(point_) : std::nullopt;
    }
    std::optional<LayoutOffset> caretOffset(const BoundaryPoint& point) const override {
        return LayoutOffset{static_cast<int>(point.offset) * 7, 12};
    }

private:
    BoundaryPoint point_;
};

TEST(TextRange, LayoutQuestionsGoToTheView) {
    auto document = page("abc");
    FixedLayout layout({document->body()->firstChild(), 2});
    TextRange range(*document);
    EXPECT_EQ(range.moveToPoint(layout, 30, 5), DomResult::Ok);
    EXPECT_EQ(showRange(range), "ab|c");
    EXPECT_EQ(range.offset(layout)->left, 14);
    EXPECT_EQ(range.offset(layout)->top, 12);
    EXPECT_EQ(range.moveToPoint(layout, -1, 5), DomResult::NoLayout);
}

} // namespace

namespace {

struct NudgeCase {
    const char* name;
    const char* page;
    const char* expected;
};

class NudgeLeft : public testing::TestWithParam<NudgeCase> {};

// The edit surface nudges a text block one space left by removing a no-break space just before it.
TEST_P(NudgeLeft, RemovesOnlyANoBreakSpaceBeforeTheElement) {
    auto document = page(GetParam().page);
    TextRange range(*document);
    range.moveToElementText(firstElement(*document, "FONT"));
    range.move(MoveUnit::Character, -1);
    range.moveEnd(MoveUnit::Character, 1);
    if (range.htmlText() == "&nbsp;")
        range.pasteHtml("");
    EXPECT_EQ(bodyHtml(*document), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NudgeLeft,
    testing::Values(NudgeCase{"NoBreakSpace", "a&nbsp;<font>b</font>", "a<FONT>b</FONT>"},
                    NudgeCase{"OnlyANoBreakSpace", "&nbsp;<font>b</font>", "<FONT>b</FONT>"},
                    NudgeCase{"PlainSpaceStays", "a <font>b</font>", "a <FONT>b</FONT>"}),
    [](const testing::TestParamInfo<NudgeCase>& info) { return info.param.name; });

} // namespace
