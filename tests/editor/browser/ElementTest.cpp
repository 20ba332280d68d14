#include "Element.h"

#include "NodePath.h"
#include "PageBody.h"
#include "PageTestSupport.h"
#include "TextRange.h"

#include <gtest/gtest.h>

using namespace pls::page;
using pls::page::test::bodyHtml;
using pls::page::test::firstElement;
using pls::page::test::page;

namespace {

std::string tagList(const std::vector<Element*>& elements) {
    std::string list;
    for (const Element* element : elements)
        list += (list.empty() ? "" : " ") + element->tagName();
    return list;
}

TEST(Element, AllElementsFollowDocumentOrderAndGiveTheSourceIndex) {
    auto document = page("<font><b>x</b></font><table><tr><td><img></td></tr></table>");
    EXPECT_EQ(tagList(document->allElements()), "HTML HEAD TITLE BODY FONT B TABLE TBODY TR TD IMG");
    Element* image = &firstElement(*document, "img");
    EXPECT_EQ(image->sourceIndex(), 10u);
    EXPECT_EQ(document->elementAt(10), image);
    EXPECT_EQ(document->elementAt(11), nullptr);
    // The index follows changes of the page.
    firstElement(*document, "FONT").insertAdjacentHtml(AdjacentPosition::BeforeBegin, "<br>");
    EXPECT_EQ(image->sourceIndex(), 11u);
}

TEST(Element, ChildrenAndDescendantsListElementsOnly) {
    auto document = page("<font>a<b>b<i>c</i></b><img>d</font>");
    Element* font = &firstElement(*document, "FONT");
    EXPECT_EQ(tagList(font->children()), "B IMG");
    EXPECT_EQ(tagList(font->descendants()), "B I IMG");
    EXPECT_EQ(font->children()[0]->parentElement(), font);
}

TEST(Element, AttributesMatchWithoutCaseAndKeepTheirOrder) {
    auto document = page("<img src=\"a.gif\" Width=10>");
    Element* image = &firstElement(*document, "IMG");
    EXPECT_EQ(image->tagName(), "IMG");
    EXPECT_EQ(image->attribute("WIDTH"), "10");
    EXPECT_EQ(image->attribute("height"), std::nullopt);
    image->setAttribute("SRC", "b.gif");
    image->setAttribute("Height", "5 \"px\"");
    EXPECT_EQ(image->outerHtml(), "<IMG SRC=\"b.gif\" WIDTH=\"10\" HEIGHT=\"5 &quot;px&quot;\">");
    EXPECT_EQ(image->removeAttribute("width"), DomResult::Ok);
    EXPECT_EQ(image->removeAttribute("width"), DomResult::NothingToDo);
    EXPECT_EQ(image->outerHtml(), "<IMG SRC=\"b.gif\" HEIGHT=\"5 &quot;px&quot;\">");
}

struct AdjacentCase {
    const char* name;
    const char* where;
    const char* expected;
};

class InsertAdjacent : public testing::TestWithParam<AdjacentCase> {};

TEST_P(InsertAdjacent, PutsTheHtmlAtThePositionAndJoinsText) {
    auto document = page("a<font color=red>b</font>c");
    const auto where = adjacentPositionFromName(GetParam().where);
    ASSERT_TRUE(where.has_value());
    EXPECT_EQ(firstElement(*document, "FONT").insertAdjacentHtml(*where, "x<img>y"), DomResult::Ok);
    EXPECT_EQ(bodyHtml(*document), GetParam().expected);
    // Text that meets text is one node, as the parser would make it.
    const auto again = Document::parse(document->serialize());
    EXPECT_EQ(again->body()->childCount(), document->body()->childCount());
}

INSTANTIATE_TEST_SUITE_P(
    Positions, InsertAdjacent,
    testing::Values(AdjacentCase{"BeforeBegin", "BeforeBegin", "ax<IMG>y<FONT COLOR=\"red\">b</FONT>c"},
                    AdjacentCase{"AfterBegin", "afterbegin", "a<FONT COLOR=\"red\">x<IMG>yb</FONT>c"},
                    AdjacentCase{"BeforeEnd", "BeforeEnd", "a<FONT COLOR=\"red\">bx<IMG>y</FONT>c"},
                    AdjacentCase{"AfterEnd", "AFTEREND", "a<FONT COLOR=\"red\">b</FONT>x<IMG>yc"}),
    [](const testing::TestParamInfo<AdjacentCase>& info) { return info.param.name; });

TEST(Element, InsertAdjacentRefusesWhatBreaksTheTree) {
    auto document = page("<img>");
    EXPECT_FALSE(adjacentPositionFromName("Inside").has_value());
    EXPECT_EQ(firstElement(*document, "IMG").insertAdjacentHtml(AdjacentPosition::AfterBegin, "x"),
              DomResult::NotAllowed);
    EXPECT_EQ(document->documentElement()->insertAdjacentHtml(AdjacentPosition::AfterEnd, "x"),
              DomResult::NotAllowed);
    EXPECT_EQ(bodyHtml(*document), "<IMG>");
}

TEST(Element, InsertedHtmlIsParsedInItsContainer) {
    auto document = page("<table><tr><td>a</td></tr></table>");
    firstElement(*document, "TD").insertAdjacentHtml(AdjacentPosition::AfterEnd, "<td>b</td>");
    EXPECT_EQ(bodyHtml(*document), "<TABLE><TBODY><TR><TD>a</TD><TD>b</TD></TR></TBODY></TABLE>");
}

TEST(Element, EmptyOuterHtmlRemovesTheElementAndJoinsTheTextAround) {
    auto document = page("a<font>b</font>c");
    EXPECT_EQ(firstElement(*document, "FONT").setOuterHtml(""), DomResult::Ok);
    EXPECT_EQ(bodyHtml(*document), "ac");
    EXPECT_EQ(document->body()->childCount(), 1u);
}

TEST(Element, OuterAndInnerHtmlReadAndReplace) {
    auto document = page("<font face=Arial>b<i>c</i></font>");
    Element* font = &firstElement(*document, "FONT");
    EXPECT_EQ(font->outerHtml(), "<FONT FACE=\"Arial\">b<I>c</I></FONT>");
    EXPECT_EQ(font->innerHtml(), "b<I>c</I>");
    font->setInnerHtml("<b>new</b>");
    EXPECT_EQ(bodyHtml(*document), "<FONT FACE=\"Arial\"><B>new</B></FONT>");
    firstElement(*document, "FONT").setOuterHtml("<img src=x.gif>");
    EXPECT_EQ(bodyHtml(*document), "<IMG SRC=\"x.gif\">");
}

TEST(Document, TitleIsReadAndWrittenAndMadeWhenMissing) {
    auto document = page("x");
    EXPECT_EQ(document->title(), "Card");
    document->setTitle("Happy <day>");
    EXPECT_EQ(document->head()->innerHtml(), "<TITLE>Happy &lt;day&gt;</TITLE>");
    auto bare = Document::parse("<p>x");
    EXPECT_EQ(bare->title(), "");
    bare->setTitle("New");
    EXPECT_EQ(bare->title(), "New");
}

TEST(Document, BodyPropertiesLiveOnTheBodyElement) {
    auto document = page("x");
    PageBody body(*document);
    body.setAttribute(BodyAttribute::TextColour, "#000000");
    body.setAttribute(BodyAttribute::LinkColour, "#0000FF");
    body.setAttribute(BodyAttribute::ActiveLinkColour, "#0000FF");
    body.setAttribute(BodyAttribute::Background, "sea_view.jpg");
    body.setStyle(BodyStyle::FontSize, "small");
    body.setStyle(BodyStyle::FontFamily, "Arial, Helvetica");
    body.setStyle(BodyStyle::FontSize, "x-small");
    body.setStyle(BodyStyle::TextAlign, "Center");
    document->setBackgroundColor("#FFFFCC");
    EXPECT_EQ(
        document->body()->outerHtml(),
        "<BODY TEXT=\"#000000\" LINK=\"#0000FF\" ALINK=\"#0000FF\" BACKGROUND=\"sea_view.jpg\" "
        "STYLE=\"font-size: x-small; font-family: Arial, Helvetica; text-align: Center\" BGCOLOR=\"#FFFFCC\">"
        "x</BODY>");
    EXPECT_EQ(body.style(BodyStyle::FontFamily), "Arial, Helvetica");
    EXPECT_EQ(body.attribute(BodyAttribute::Background), "sea_view.jpg");
    EXPECT_EQ(document->backgroundColor(), "#FFFFCC");
    body.setAttribute(BodyAttribute::Background, "");
    body.setStyle(BodyStyle::FontSize, "");
    EXPECT_EQ(body.attribute(BodyAttribute::Background), "");
    EXPECT_EQ(body.style(BodyStyle::FontSize), "");
}

TEST(Document, StyleOfAPageIsReadWhateverItsSpelling) {
    auto document = Document::parse("<body style='TEXT-ALIGN:center;font-family:\"Comic Sans MS\";'>x");
    PageBody body(*document);
    EXPECT_EQ(body.style(BodyStyle::TextAlign), "center");
    EXPECT_EQ(body.style(BodyStyle::FontFamily), "\"Comic Sans MS\"");
    EXPECT_EQ(body.style(BodyStyle::FontSize), "");
}

TEST(NodePath, LeadsFromTheDocumentToTheNodeAndBack) {
    auto document = Document::parse("<!DOCTYPE html><p>a<b>c</b></p>");
    Element* bold = &firstElement(*document, "B");
    const NodePath path = pathOf(*bold->firstChild());
    EXPECT_EQ(path, (NodePath{1, 1, 0, 1, 0}));
    EXPECT_EQ(nodeAtPath(*document, path), bold->firstChild());
    EXPECT_EQ(nodeAtPath(*document, {1, 7}), nullptr);
}

} // namespace

namespace {

// The edit surface moves a selected text block past the next one: take its outer HTML, empty its text
// range, insert the HTML after the other block.
TEST(ElementMoves, ASelectedBlockSwapsWithTheNextOne) {
    auto document = page("<font color=red>one</font> <font color=blue>two</font>");
    Element& first = firstElement(*document, "FONT");
    const std::size_t index = first.sourceIndex();
    Element* target = document->elementAt(index + 1);
    const std::string html = first.outerHtml();
    TextRange range(*document);
    range.moveToElementText(first);
    range.pasteHtml("");
    target->insertAdjacentHtml(AdjacentPosition::AfterEnd, html);
    EXPECT_EQ(bodyHtml(*document), " <FONT COLOR=\"blue\">two</FONT><FONT COLOR=\"red\">one</FONT>");
}

TEST(ElementMoves, CopiedElementHtmlRecreatesTheElement) {
    auto document = page("a<img src=rose.gif width=20>b");
    TextRange range(*document);
    range.moveToElementText(firstElement(*document, "IMG"));
    const std::string clip = range.htmlText();
    firstElement(*document, "IMG").setOuterHtml("");
    EXPECT_EQ(bodyHtml(*document), "ab");
    document->body()->insertAdjacentHtml(AdjacentPosition::BeforeEnd, clip);
    EXPECT_EQ(bodyHtml(*document), "ab<IMG SRC=\"rose.gif\" WIDTH=\"20\">");
}

} // namespace
