#include "ElementOps.h"

#include "Document.h"
#include "Element.h"
#include "PageTestSupport.h"
#include "Selection.h"

#include <gtest/gtest.h>

using namespace pls::page;

namespace {

// A page whose marks give the document selection; the caret range, when wanted, is set by the test.
struct Page {
    explicit Page(std::string_view body) : document(test::page(body)) {
        state.document = document.get();
        if (body.find('[') != std::string_view::npos || body.find('|') != std::string_view::npos)
            test::markedRange(*document).select();
    }
    std::string Body() const { return test::bodyHtml(*document); }
    void SelectWhole(std::string_view tag, int nth = 0) {
        Element* element = &test::firstElement(*document, tag);
        for (int i = 0; i < nth; ++i) {
            std::size_t index = element->sourceIndex() + 1;
            while (!document->elementAt(index)->hasTag(tag))
                ++index;
            element = document->elementAt(index);
        }
        TextRange range = TextRange::bodyRange(*document);
        range.moveToElementText(*element);
        range.select();
        state.selectedElement = ElementRef(element);
        state.currentElement = ElementRef(element);
    }

    std::unique_ptr<Document> document;
    EditState state;
};

TEST(ElementOps, CutTextAndPasteItAtAClickedPoint) {
    Page page("<FONT>one [<B>two</B>] three</FONT><FONT>four</FONT>");
    ASSERT_EQ(IfSelection(page.state), Selected::Text);
    Cut(page.state);
    EXPECT_EQ(page.Body(), "<FONT>one  three</FONT><FONT>four</FONT>");

    Page target("<FONT>one  three</FONT><FONT>fo|ur</FONT>");
    target.state.currentTextRange = std::make_unique<TextRange>(target.document->selection().createRange());
    target.state.textClip = page.state.textClip;
    Paste(target.state, int(PasteFrom::TextClip), {});
    EXPECT_EQ(target.Body(), "<FONT>one  three</FONT><FONT>fo<B>two</B>ur</FONT>");
}

TEST(ElementOps, CutPictureAndPasteItWithoutCurrentElement) {
    Page page(R"(<FONT>a</FONT><IMG SRC="rose.jpg"><FONT>b</FONT>)");
    page.SelectWhole("IMG");
    ASSERT_EQ(IfSelection(page.state), Selected::Element);
    Cut(page.state);
    EXPECT_EQ(page.Body(), "<FONT>a</FONT><FONT>b</FONT>");
    EXPECT_EQ(page.state.tagClip, R"(<IMG SRC="rose.jpg">)");
    EXPECT_FALSE(page.state.selectedElement);

    page.state.currentElement.reset();
    Paste(page.state, int(PasteFrom::TagClip), {});
    EXPECT_EQ(page.Body(), R"(<FONT>a</FONT><FONT>b</FONT><IMG SRC="rose.jpg">)");
}

TEST(ElementOps, PasteWithNothingToPasteOnlyClearsTheSelectedElement) {
    for (int mode : {int(PasteFrom::TagClip), 3}) {
        SCOPED_TRACE(mode);
        Page page("<FONT>abc</FONT>");
        page.SelectWhole("FONT");
        Paste(page.state, mode, "ignored");
        EXPECT_FALSE(page.state.selectedElement);
        EXPECT_EQ(page.document->selection().type(), "Text") << "the highlight stays";
        EXPECT_EQ(page.Body(), "<FONT>abc</FONT>");
    }
}

TEST(ElementOps, SystemClipboardTextIsPastedAsHtml) {
    Page page("<FONT>a|b</FONT>");
    page.state.currentTextRange = std::make_unique<TextRange>(page.document->selection().createRange());
    Paste(page.state, int(PasteFrom::SystemClipboard), "<B>bold</B>");
    EXPECT_EQ(page.Body(), "<FONT>a<B>bold</B>b</FONT>");
}

TEST(ElementOps, MoveElementOneSpace) {
    struct Case {
        const char* name;
        const char* before;
        Nudge nudge;
        const char* after;
    };
    for (const Case& c :
         {Case{"left removes a non-breaking space", "x&nbsp;<FONT>a</FONT>", Nudge::Left, "x<FONT>a</FONT>"},
          Case{"left keeps a plain space", "x <FONT>a</FONT>", Nudge::Left, "x <FONT>a</FONT>"},
          Case{"up removes the BR before", "x<BR><FONT>a</FONT>", Nudge::Up, "x<FONT>a</FONT>"},
          Case{"up keeps anything else", "<B>x</B><FONT>a</FONT>", Nudge::Up, "<B>x</B><FONT>a</FONT>"},
          Case{"right", "x<FONT>a</FONT>", Nudge::Right, "x&nbsp;<FONT>a</FONT>"},
          Case{"down", "x<FONT>a</FONT>", Nudge::Down, "x<BR><FONT>a</FONT>"}}) {
        SCOPED_TRACE(c.name);
        Page page(c.before);
        page.state.currentElement = ElementRef(&test::firstElement(*page.document, "FONT"));
        MoveElementOneSpace(page.state, int(c.nudge));
        EXPECT_EQ(page.Body(), c.after);
    }
}

TEST(ElementOps, MoveElementOneElementResults) {
    Page nothing("<FONT>a</FONT><FONT>b</FONT>");
    EXPECT_EQ(MoveElementOneElement(nothing.state, 1), MoveResult::NothingSelected);

    Page table("<TABLE><TR><TD>x</TD></TR></TABLE><FONT>b</FONT>");
    table.SelectWhole("TABLE");
    EXPECT_EQ(MoveElementOneElement(table.state, 1), MoveResult::NotBlockOrPicture);

    Page first("<FONT>a</FONT><FONT>b</FONT>");
    first.SelectWhole("FONT");
    EXPECT_EQ(MoveElementOneElement(first.state, -1), MoveResult::NoPartner);
    EXPECT_EQ(first.Body(), "<FONT>a</FONT><FONT>b</FONT>");
}

TEST(ElementOps, AdjacentBlocksSwapEitherWay) {
    Page forward("<FONT>a</FONT><FONT>b</FONT>");
    forward.SelectWhole("FONT");
    EXPECT_EQ(MoveElementOneElement(forward.state, 1), MoveResult::Moved);
    EXPECT_EQ(forward.Body(), "<FONT>b</FONT><FONT>a</FONT>");
    EXPECT_FALSE(forward.state.selectedElement);

    Page back(R"(<FONT>a</FONT><IMG SRC="p.gif">)");
    back.SelectWhole("IMG");
    EXPECT_EQ(MoveElementOneElement(back.state, -1), MoveResult::Moved);
    EXPECT_EQ(back.Body(), R"(<IMG SRC="p.gif"><FONT>a</FONT>)");
}

} // namespace
