#include "FormatCommand.h"

#include "CommandQuery.h"
#include "PageTestSupport.h"

#include <gtest/gtest.h>

using namespace pls::page;
using namespace pls::page::test;

namespace {

struct CommandCase {
    const char* name;
    const char* page;
    const char* command;
    const char* value;
    const char* expected;
};

class Command : public testing::TestWithParam<CommandCase> {};

TEST_P(Command, FormatsTheSelectedText) {
    auto document = page(GetParam().page);
    TextRange range = markedRange(*document);
    const auto command = formatCommandFromName(GetParam().command);
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(execCommand(range, *command, GetParam().value), DomResult::Ok);
    EXPECT_EQ(bodyHtml(*document), GetParam().expected);
    EXPECT_EQ(Document::parse(document->serialize())->serialize(), document->serialize());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Command,
    testing::Values(
        CommandCase{"ForeColorInOneText", "a[bc]d", "ForeColor", "#FF0000",
                    "a<FONT COLOR=\"#FF0000\">bc</FONT>d"},
        CommandCase{"ForeColorAcrossTwoElements", "<b>a[b</b><i>c]d</i>", "ForeColor", "#FF0000",
                    "<B>a<FONT COLOR=\"#FF0000\">b</FONT></B><I><FONT COLOR=\"#FF0000\">c</FONT>d</I>"},
        CommandCase{"ForeColorOnExactlyOneFont", "<font size=3>[ab]</font>", "ForeColor", "#FF0000",
                    "<FONT SIZE=\"3\" COLOR=\"#FF0000\">ab</FONT>"},
        CommandCase{"FontSpannedFromOutside", "x[<font size=3>ab</font>]y", "FontName", "Tahoma",
                    "x<FONT SIZE=\"3\" FACE=\"Tahoma\">ab</FONT>y"},
        CommandCase{"BackColorAsStyle", "a[b]c", "BackColor", "#FFFF00",
                    "a<FONT STYLE=\"background-color: #FFFF00\">b</FONT>c"},
        CommandCase{"BackColorOnExactlyOneFont", "<font color=red style='margin: 0'>[ab]</font>", "BackColor",
                    "#FFFF00",
                    "<FONT COLOR=\"red\" STYLE=\"margin: 0; background-color: #FFFF00\">ab</FONT>"},
        CommandCase{"FontNameAcrossBlocks", "<p>a[b</p><p>c]d</p>", "FontName", "Arial",
                    "<P>a<FONT FACE=\"Arial\">b</FONT></P><P><FONT FACE=\"Arial\">c</FONT>d</P>"},
        CommandCase{
            "FontSizeInTableCells", "<table><tr><td>[a</td><td>b]</td></tr></table>", "FontSize", "5",
            "<TABLE><TBODY><TR><TD><FONT SIZE=\"5\">a</FONT></TD><TD><FONT SIZE=\"5\">b</FONT></TD></TR>"
            "</TBODY></TABLE>"},
        CommandCase{"NestedSameSettingGoes", "[a<font color=blue>b</font><font color=blue size=2>c</font>]",
                    "ForeColor", "#FF0000", "<FONT COLOR=\"#FF0000\">ab<FONT SIZE=\"2\">c</FONT></FONT>"},
        CommandCase{"BoldWraps", "a[bc]d", "Bold", "", "a<B>bc</B>d"},
        CommandCase{"BoldAcrossPartlyBoldText", "[a<b>b</b>]c", "Bold", "", "<B>ab</B>c"},
        CommandCase{"BoldRemovedInsideBold", "<b>a[bc]d</b>", "Bold", "", "<B>a</B>bc<B>d</B>"},
        CommandCase{"BoldRemovedForWholeBold", "x[<b>abc</b>]", "Bold", "", "xabc"},
        CommandCase{"StrongRemoved", "<font><strong>[ab]</strong></font>", "Bold", "", "<FONT>ab</FONT>"},
        CommandCase{"NestedBoldRemoved", "<strong>x<b>[ab]</b></strong>", "Bold", "", "<STRONG>x</STRONG>ab"},
        CommandCase{"CreateLink", "a[bc]d", "CreateLink", "Page2.html", "a<A HREF=\"Page2.html\">bc</A>d"},
        CommandCase{"BoldAcrossTwoElements", "<font>a[b</font><i>c]d</i>", "Bold", "",
                    "<FONT>a<B>b</B></FONT><I><B>c</B>d</I>"},
        CommandCase{"BoldSpanningAFont", "<font size=2>[ab]</font>", "Bold", "",
                    "<FONT SIZE=\"2\"><B>ab</B></FONT>"},
        CommandCase{"CreateLinkAcrossTwoElements", "<b>a[b</b>c]d", "CreateLink", "x.html",
                    "<B>a<A HREF=\"x.html\">b</A></B><A HREF=\"x.html\">c</A>d"},
        CommandCase{"CreateLinkSpanningAFont", "<font size=2>[ab]</font>", "CreateLink", "x.html",
                    "<FONT SIZE=\"2\"><A HREF=\"x.html\">ab</A></FONT>"},
        CommandCase{"CreateLinkInsideALink", "<a href=old.html>a[b]c</a>", "CreateLink", "new.html",
                    "<A HREF=\"new.html\">abc</A>"}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

TEST(Command, SecondSettingGoesOnTheFontTheFirstMade) {
    auto document = page("a[bc]d");
    TextRange range = markedRange(*document);
    execCommand(range, FormatCommand::ForeColor, "#FF0000");
    execCommand(range, FormatCommand::FontName, "Arial");
    execCommand(range, FormatCommand::FontSize, "4");
    EXPECT_EQ(bodyHtml(*document), "a<FONT COLOR=\"#FF0000\" FACE=\"Arial\" SIZE=\"4\">bc</FONT>d");
    EXPECT_EQ(range.text(), "bc");
}

TEST(Command, EmptyRangeAndUnknownNamesChangeNothing) {
    auto document = page("a|b");
    TextRange range = markedRange(*document);
    EXPECT_EQ(execCommand(range, FormatCommand::Bold, ""), DomResult::NothingToDo);
    EXPECT_FALSE(formatCommandFromName("Italic").has_value());
    EXPECT_EQ(bodyHtml(*document), "ab");
}

struct QueryCase {
    const char* name;
    const char* page;
    const char* foreColor;
    const char* fontName;
    const char* fontSize;
    const char* backColor;
};

class Query : public testing::TestWithParam<QueryCase> {};

TEST_P(Query, ValuesAtTheCaretComeFromFontsThenTheBody) {
    auto document = Document::parse(GetParam().page);
    TextRange range = markedRange(*document);
    const auto value = [&](const char* name) {
        return queryCommandValue(range, *queryCommandFromName(name));
    };
    EXPECT_EQ(value("ForeColor"), GetParam().foreColor);
    EXPECT_EQ(value("FontName"), GetParam().fontName);
    EXPECT_EQ(value("Fontsize"), GetParam().fontSize);
    EXPECT_EQ(value("BackColor"), GetParam().backColor);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Query,
    testing::Values(
        QueryCase{"NestedFonts",
                  "<font color=#111111 face=Arial size=2><font size=5 style='background-color: "
                  "#FFFF00'>a\xEE\x80\x82"
                  "b</font></font>",
                  "#111111", "Arial", "5", "#FFFF00"},
        QueryCase{
            "BodyValues",
            "<body text=#222222 bgcolor=#ABCDEF style='font-family: Verdana; font-size: small'>a\xEE\x80\x82",
            "#222222", "Verdana", "3", "#ABCDEF"},
        QueryCase{"BrowserDefaults", "<p>a\xEE\x80\x82</p>", "#000000", "Times New Roman", "3", "#FFFFFF"}),
    [](const testing::TestParamInfo<QueryCase>& info) { return info.param.name; });

} // namespace
