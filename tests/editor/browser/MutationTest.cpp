#include "CharacterData.h"
#include "Element.h"
#include "ElementRef.h"
#include "FormatCommand.h"
#include "PageTestSupport.h"
#include "TreeMirror.h"

#include <functional>
#include <gtest/gtest.h>

using namespace pls::page;
using namespace pls::page::test;

namespace {

struct EditCase {
    const char* name;
    const char* page;
    std::function<void(Document&, TextRange&)> edit;
};

class ObservedEdit : public testing::TestWithParam<EditCase> {};

TEST_P(ObservedEdit, KeepsAMirrorEqualToThePage) {
    auto document = page(GetParam().page);
    TextRange range = markedRange(*document);
    TreeMirror mirror(*document);
    document->setObserver(&mirror);
    GetParam().edit(*document, range);
    document->setObserver(nullptr);
    EXPECT_EQ(mirror.copy().serialize(), document->serialize());
}

INSTANTIATE_TEST_SUITE_P(Edits, ObservedEdit,
                         testing::Values(EditCase{"PasteSplittingText", "ab|cd",
                                                  [](Document&, TextRange& r) {
                                                      r.pasteHtml("<b>x</b>y");
                                                  }},
                                         EditCase{"PasteOverElements", "a[b<i>c</i><b>d]e</b>",
                                                  [](Document&, TextRange& r) {
                                                      r.pasteHtml("Q");
                                                  }},
                                         EditCase{"OuterHtmlRemoval", "a<font>b</font>c|",
                                                  [](Document& d, TextRange&) {
                                                      firstElement(d, "FONT").setOuterHtml("");
                                                  }},
                                         EditCase{"InnerHtml", "<font>b|</font>",
                                                  [](Document& d, TextRange&) {
                                                      firstElement(d, "FONT").setInnerHtml("<i>x</i>");
                                                  }},
                                         EditCase{"WrapInFont", "a[b<i>c</i>d]e",
                                                  [](Document&, TextRange& r) {
                                                      execCommand(r, FormatCommand::ForeColor, "#FF0000");
                                                  }},
                                         EditCase{"UnBold", "<b>a[bc]d</b>",
                                                  [](Document&, TextRange& r) {
                                                      execCommand(r, FormatCommand::Bold, "");
                                                  }},
                                         EditCase{"TitleAndBody", "x|",
                                                  [](Document& d, TextRange&) {
                                                      d.setTitle("New");
                                                      d.setBackgroundColor("#000000");
                                                  }}),
                         [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });

TEST(LiveRange, FollowsInsertionsAndTextChangesBeforeIt) {
    auto document = page("ab<b>c|d</b>");
    TextRange caret = markedRange(*document);
    firstElement(*document, "B").insertAdjacentHtml(AdjacentPosition::AfterBegin, "<i>x</i>");
    EXPECT_EQ(showRange(caret), "ab<B><I>x</I>c|d</B>");
    TextRange start = TextRange(*document);
    start.pasteHtml("zz");
    EXPECT_EQ(showRange(caret), "zzab<B><I>x</I>c|d</B>");
}

TEST(LiveRange, CollapsesWhereRemovedContentWas) {
    auto document = page("a<font>b[c]d</font>e");
    TextRange selection = markedRange(*document);
    firstElement(*document, "FONT").setOuterHtml("");
    EXPECT_EQ(showRange(selection), "a|e");
}

TEST(LiveRange, SurvivesSplittingAndJoiningOfItsText) {
    auto document = page("abc|def");
    TextRange caret = markedRange(*document);
    Text& text = *document->body()->firstChild()->asText();
    Text& tail = document->splitText(text, 1);
    EXPECT_EQ(caret.start().node, &tail);
    document->mergeWithNextText(text);
    EXPECT_EQ(showRange(caret), "abc|def");
    EXPECT_EQ(caret.start().node, &text);
}

TEST(LiveRange, IsDetachedWhenThePageGoes) {
    auto document = page("a|b");
    TextRange range = markedRange(*document);
    TextRange copy = range.duplicate();
    document.reset();
    EXPECT_TRUE(range.isDetached());
    EXPECT_TRUE(copy.isDetached());
    EXPECT_EQ(range.pasteHtml("x"), DomResult::Detached);
    EXPECT_EQ(range.move(MoveUnit::Character, 1), 0);
    EXPECT_EQ(range.text(), "");
}

} // namespace

namespace {

TEST(ElementRef, EmptiesWhenItsElementLeavesThePage) {
    auto document = page("<font><b>x</b></font><i>y</i>");
    ElementRef bold(&firstElement(*document, "B"));
    ElementRef italic(&firstElement(*document, "I"));
    ElementRef copy = bold;
    firstElement(*document, "FONT").setOuterHtml("");
    EXPECT_FALSE(bold);
    EXPECT_FALSE(copy);
    ASSERT_TRUE(italic);
    EXPECT_EQ(italic->tagName(), "I");
    document.reset();
    EXPECT_FALSE(italic);
}

} // namespace
