// Long random sequences of editing operations, as a fuzzer would make them: after each step the page must
// still be what parsing its own serialization gives, and a copy kept from the notifications must equal it.
#include "CommandQuery.h"
#include "ElementRef.h"
#include "FormatCommand.h"
#include "PageTestSupport.h"
#include "TreeMirror.h"

#include <gtest/gtest.h>
#include <random>

using namespace pls::page;
using namespace pls::page::test;

namespace {

const std::vector<std::string> snippets{"x",
                                        "&nbsp;",
                                        "<BR>",
                                        "<B>b</B>",
                                        "<FONT COLOR=\"#FF0000\">f</FONT>",
                                        "<IMG SRC=\"a.gif\">",
                                        "",
                                        "<p>para</p>",
                                        "<table><tr><td>c</td></tr></table>",
                                        "ü🐢",
                                        "<A HREF=\"x\">l</A>",
                                        " "};

class RandomEdits {
public:
    explicit RandomEdits(unsigned seed) : random_(seed) {}

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    TextRange someRange(Document& document) {
        TextRange range(document);
        range.move(MoveUnit::Character, pick(60));
        range.moveEnd(MoveUnit::Character, pick(3) == 0 ? 0 : pick(12));
        return range;
    }

    Element* someElement(Document& document) {
        const auto& elements = document.allElements();
        Element* element = elements[static_cast<std::size_t>(pick(static_cast<int>(elements.size())))];
        return element->hasTag("HTML") || element->hasTag("HEAD") || element->hasTag("BODY") ? nullptr
                                                                                             : element;
    }

    void step(Document& document) {
        const std::string& html = snippets[static_cast<std::size_t>(pick(static_cast<int>(snippets.size())))];
        TextRange range = someRange(document);
        switch (pick(6)) {
        case 0:
            range.pasteHtml(html);
            break;
        case 1:
            range.setText(range.text() + " ");
            break;
        case 2:
            execCommand(range, static_cast<FormatCommand>(pick(6)), "#00FF00");
            queryCommandValue(range, QueryCommand::ForeColor);
            break;
        case 3:
            if (Element* element = someElement(document))
                element->insertAdjacentHtml(static_cast<AdjacentPosition>(pick(4)), html);
            break;
        case 4:
            if (Element* element = someElement(document))
                element->setOuterHtml(pick(2) ? "" : html);
            break;
        case 5:
            range.htmlText();
            range.move(MoveUnit::Character, -pick(5));
            range.moveEnd(MoveUnit::Character, 1);
            range.pasteHtml("");
            break;
        }
    }

private:
    std::mt19937 random_;
};

class RandomEditing : public testing::TestWithParam<unsigned> {};

TEST_P(RandomEditing, KeepsThePageParseableAndTheMirrorEqual) {
    auto document = page("<font face=Arial>Hello <b>dear</b> friend</font><br><img src=r.gif>text "
                         "<table><tr><td>cell <i>one</i></td><td>two</td></tr></table><p>end</p>");
    TreeMirror mirror(*document);
    document->setObserver(&mirror);
    RandomEdits edits(GetParam());
    ElementRef kept(&firstElement(*document, "FONT"));
    for (int i = 0; i < 300; ++i) {
        edits.step(*document);
        const std::string shape = treeShape(*document);
        ASSERT_EQ(treeShape(*Document::parse(document->serialize())), shape) << "after step " << i;
        ASSERT_EQ(treeShape(mirror.copy()), shape) << "after step " << i;
        if (kept) {
            ASSERT_EQ(&kept->document(), document.get());
        }
    }
    document->setObserver(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEditing, testing::Range(1u, 41u));

} // namespace
