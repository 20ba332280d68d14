#include "CharacterData.h"
#include "Document.h"
#include "Element.h"
#include "HtmlParser.h"
#include "HtmlSerializer.h"
#include "NodePath.h"
#include "PageTestSupport.h"
#include "Utf8.h"

#include <gtest/gtest.h>

using namespace pls::page;
using pls::page::test::treeShape;

namespace {

struct PageCase {
    const char* name;
    const char* input;
    const char* serialized; // the source as written back
};

class RoundTrip : public testing::TestWithParam<PageCase> {};

TEST_P(RoundTrip, SerializesInUpperCaseAndParsesBackToTheSameTree) {
    const auto document = Document::parse(GetParam().input);
    EXPECT_EQ(document->source(), GetParam().serialized);
    const auto again = Document::parse(document->serialize());
    EXPECT_EQ(treeShape(*again), treeShape(*document));
    EXPECT_EQ(again->serialize(), document->serialize());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RoundTrip,
    testing::Values(
        PageCase{"TableGetsImpliedTbody", "<table border=1><tr><td>a</td></tr></table>",
                 "<HTML><HEAD></HEAD><BODY><TABLE "
                 "BORDER=\"1\"><TBODY><TR><TD>a</TD></TR></TBODY></TABLE></BODY></HTML>"},
        PageCase{"NestedFontAndBold",
                 "<body><font face=\"Arial\" color=#ff0000><b>Hi <font size=5>you</font></b></font>",
                 "<HTML><HEAD></HEAD><BODY><FONT FACE=\"Arial\" COLOR=\"#ff0000\"><B>Hi <FONT "
                 "SIZE=\"5\">you</FONT></B>"
                 "</FONT></BODY></HTML>"},
        PageCase{
            "ImagesWithAndWithoutAttributes", "<img><img src='rose.gif' width=20 height=\"\">",
            "<HTML><HEAD></HEAD><BODY><IMG><IMG SRC=\"rose.gif\" WIDTH=\"20\" HEIGHT=\"\"></BODY></HTML>"},
        PageCase{"CommentsAnywhere",
                 "<!--top--><html><!--in html--><body>a<!-- b -->c</body></html><!--end-->",
                 "<HTML><!--in html--><HEAD></HEAD><BODY>a<!-- b -->c</BODY></HTML>"},
        PageCase{"EntitiesAndSpecialCharacters",
                 "<p title='a \"q\" &amp; b'>1 &lt; 2 &gt; 0 &amp; &nbsp;&copy;</p>",
                 "<HTML><HEAD></HEAD><BODY><P TITLE=\"a &quot;q&quot; &amp; b\">1 &lt; 2 &gt; 0 &amp; "
                 "&nbsp;\u00a9</P>"
                 "</BODY></HTML>"},
        PageCase{"NonAsciiText", "<title>Grüße</title><p>Żółw — 🐢</p>",
                 "<HTML><HEAD><TITLE>Grüße</TITLE></HEAD><BODY><P>Żółw — 🐢</P></BODY></HTML>"},
        PageCase{"WhitespaceKept", "<body>\n  <p> a </p>\n</body>\n",
                 "<HTML><HEAD></HEAD><BODY>\n  <P> a </P>\n\n</BODY></HTML>"},
        PageCase{"PreKeepsLeadingNewline", "<pre>\n\nx</pre>",
                 "<HTML><HEAD></HEAD><BODY><PRE>\n\nx</PRE></BODY></HTML>"},
        PageCase{"ScriptAndStyleStayLiteral", "<style>b > i {}</style><script>if (a < b && c) {}</script>",
                 "<HTML><HEAD><STYLE>b > i {}</STYLE><SCRIPT>if (a < b && c) "
                 "{}</SCRIPT></HEAD><BODY></BODY></HTML>"},
        PageCase{"MisnestedTagsRepaired", "<b><p>x</b>y</p>",
                 "<HTML><HEAD></HEAD><BODY><B></B><P><B>x</B>y</P></BODY></HTML>"},
        PageCase{"SvgKeepsItsNames", "<svg viewBox='0 0 2 2'><foreignObject/></svg>",
                 "<HTML><HEAD></HEAD><BODY><svg viewBox=\"0 0 2 "
                 "2\"><foreignObject></foreignObject></svg></BODY></HTML>"},
        PageCase{"DoctypeKeptOutsideTheRoot", "<!DOCTYPE html><p>x",
                 "<HTML><HEAD></HEAD><BODY><P>x</P></BODY></HTML>"},
        PageCase{
            "ProgramOwnTemplate",
            "<HTML><HEAD><TITLE>Greeting</TITLE></HEAD><BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" "
            "style=\"font-family: Arial, Helvetica; font-size: small\"><FONT FACE=\"arial,helvetica\" SIZE=3>"
            "Happy&nbsp;Birthday</FONT><BR CLEAR=\"all\"><BR><DIV ALIGN=\"center\"><A HREF=\"Page2.html\">"
            "Next Page</A></DIV><BR><BR></BODY></HTML>",
            "<HTML><HEAD><TITLE>Greeting</TITLE></HEAD><BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" "
            "STYLE=\"font-family: Arial, Helvetica; font-size: small\"><FONT FACE=\"arial,helvetica\" "
            "SIZE=\"3\">"
            "Happy&nbsp;Birthday</FONT><BR CLEAR=\"all\"><BR><DIV ALIGN=\"center\"><A HREF=\"Page2.html\">"
            "Next Page</A></DIV><BR><BR></BODY></HTML>"},
        PageCase{
            "ProgramOwnTable",
            "<BODY><TABLE ALIGN=\"Center\" WIDTH=300 HEIGHT=100 BORDER=1 BGCOLOR=\"#FFFFCC\" "
            "CELLPADDING=5><TR>"
            "<TD ALIGN=\"Left\" VALIGN=\"Top\"><FONT FACE=\"Arial, Helvetica\" SIZE=3 "
            "COLOR=\"#000000\">&nbsp;"
            "</FONT></TD></TR></TABLE>",
            "<HTML><HEAD></HEAD><BODY><TABLE ALIGN=\"Center\" WIDTH=\"300\" HEIGHT=\"100\" BORDER=\"1\" "
            "BGCOLOR=\"#FFFFCC\" CELLPADDING=\"5\"><TBODY><TR><TD ALIGN=\"Left\" VALIGN=\"Top\"><FONT "
            "FACE=\"Arial, Helvetica\" SIZE=\"3\" COLOR=\"#000000\">&nbsp;</FONT></TD></TR></TBODY></TABLE>"
            "</BODY></HTML>"}),
    [](const testing::TestParamInfo<PageCase>& info) { return info.param.name; });

struct BadInput {
    const char* name;
    std::string bytes;
};

class DamagedInput : public testing::TestWithParam<BadInput> {};

// Whatever the bytes, the page parses, serializes to valid UTF-8 and survives its own round trip.
TEST_P(DamagedInput, ParsesToAPageThatSerializesToValidText) {
    const auto document = Document::parse(GetParam().bytes);
    ASSERT_NE(document->body(), nullptr);
    const std::string text = document->serialize();
    EXPECT_EQ(text.find('\0'), std::string::npos);
    const auto again = Document::parse(text);
    EXPECT_EQ(again->serialize(), text);
}

std::string deepNesting() {
    std::string html;
    for (int i = 0; i < 100000; ++i)
        html += "<span>";
    return html + "x";
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DamagedInput,
    testing::Values(
        BadInput{"InvalidUtf8", "<p>\xff\xfe caf\xe9 \xc3<b>\xe2\x82</b>\xf0\x9f\x98"},
        BadInput{"NulBytes", std::string("<p a=\"x\0y\">a\0b</p>\0<!--\0-->", 28)},
        BadInput{"NotHtmlAtAll", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\x01\x02<<>>&&&#;", 27)},
        BadInput{"Empty", ""},
        BadInput{"TenMegabytes", std::string(10 * 1024 * 1024 / 16, 'x') + std::string("<p>ab&amp;cd</p>")},
        BadInput{"DeepNesting", deepNesting()},
        BadInput{"UnclosedEverything", "<table><tr><td><font><b><a href=\"x"}),
    [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });

TEST(Parsing, BytesThatAreNotUtf8AreReadAsWindows1252) {
    const auto document = Document::parse("<p>Gr\xfc\xdf"
                                          "e \x80 \x93q\x94</p>");
    EXPECT_EQ(document->body()->innerHtml(), "<P>Grüße € “q”</P>");
}

TEST(Parsing, OffsetsConvertBetweenUtf8AndUtf16) {
    const std::string text = "aü🐢b";
    const std::vector<std::pair<std::size_t, std::size_t>> byteAndUtf16{
        {0, 0}, {1, 1}, {3, 2}, {7, 4}, {8, 5}};
    for (const auto& [bytes, units] : byteAndUtf16) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(utf8::utf16FromByteOffset(text, bytes), units);
        EXPECT_EQ(utf8::byteOffsetFromUtf16(text, units), bytes);
    }
}

TEST(Parsing, FragmentsFollowTheRulesOfTheirContainer) {
    const auto document = Document::parse("<table><tr><td>x</td></tr></table><p>y</p>");
    Element* row = nullptr;
    Element* paragraph = nullptr;
    for (Element* element : document->allElements()) {
        row = element->hasTag("TR") ? element : row;
        paragraph = element->hasTag("P") ? element : paragraph;
    }
    ASSERT_TRUE(row && paragraph);
    EXPECT_EQ(serializeNodes(parseFragment(*document, "<td>cell", *row)), "<TD>cell</TD>");
    // A cell outside a row means nothing to the parser, as in a browser.
    EXPECT_EQ(serializeNodes(parseFragment(*document, "<td>cell", *paragraph)), "cell");
}

} // namespace
