#include "GiftletContents.h"

#include "ModFileOps.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

QByteArray Link(int nextPage, const QString& linkText = "Next Page") {
    return R"(<BR CLEAR="all"><BR><DIV ALIGN="center"><FONT FACE="arial,helvetica" SIZE=3><A HREF="Page)" +
           QByteArray::number(nextPage) + R"(.html">)" + linkText.toUtf8() + "</A></FONT></DIV><BR><BR>";
}

struct LinkCase {
    const char* name;
    QString pageFile;
    QByteArray text;
    int pageCount;
    QString linkText;
    QByteArray expected;
};

const QByteArray kPage = "<HTML><BODY>Hello</BODY></HTML>";

class AddNextPageLinkTest : public testing::TestWithParam<LinkCase> {};

TEST_P(AddNextPageLinkTest, InsertsTheLinkBeforeTheBodyEndOnlyWhereItBelongs) {
    const LinkCase& c = GetParam();
    AppState state("/nowhere");
    state.LinkText = c.linkText;
    EXPECT_EQ(AddNextPageLink(state, "/p/card/" + c.pageFile, c.text, c.pageCount), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Giftlet, AddNextPageLinkTest,
    testing::Values(
        LinkCase{"FirstOfThreeLinksToPage2", "wgcard.html", kPage, 3, "Next Page",
                 "<HTML><BODY>Hello" + Link(2) + "</BODY></HTML>"},
        LinkCase{"SecondOfThreeLinksToPage3", "Page2.html", kPage, 3, "Next Page",
                 "<HTML><BODY>Hello" + Link(3) + "</BODY></HTML>"},
        LinkCase{"LastPageGetsNone", "Page3.html", kPage, 3, "Next Page", kPage},
        LinkCase{"Page10Of12LinksToPage11", "Page10.html", kPage, 12, "Next Page",
                 "<HTML><BODY>Hello" + Link(11) + "</BODY></HTML>"},
        LinkCase{"OnlyPageGetsNone", "wgcard.html", kPage, 1, "Next Page", kPage},
        LinkCase{"LowerCaseBodyEnd", "wgcard.html", "<body>x</body>", 2, "Next Page",
                 "<body>x" + Link(2) + "</body>"},
        LinkCase{"ExistingLinkInOtherCaseKept", "wgcard.html", "<body><a href=x>NEXT page</a></body>", 2,
                 "Next Page", "<body><a href=x>NEXT page</a></body>"},
        LinkCase{"ChangedLinkTextAddsASecondLink", "wgcard.html", "<body>" + Link(2) + "</body>", 2, "Onward",
                 "<body>" + Link(2) + Link(2, "Onward") + "</body>"},
        LinkCase{"LinkTextAsItStands", "wgcard.html", kPage, 2, "Go <B>on</B> &amp; on",
                 "<HTML><BODY>Hello" + Link(2, "Go <B>on</B> &amp; on") + "</BODY></HTML>"},
        LinkCase{"NoBodyEndNoChange", "wgcard.html", "<HTML>Hello", 3, "Next Page", "<HTML>Hello"},
        LinkCase{"NameWithoutNumberNoChange", "PageX.html", kPage, 3, "Next Page", kPage}),
    [](const auto& info) { return std::string(info.param.name); });

struct GatherCase {
    const char* name;
    std::map<QString, QByteArray> files;
    QStringList kept;
    QStringList deleted;
    std::map<QString, int> linkTo; // page file -> next page number, 0 for none
};

const QByteArray kSound = "RIFF....WAVE";

class GatherGiftletContentsTest : public testing::TestWithParam<GatherCase> {};

TEST_P(GatherGiftletContentsTest, RewritesPagesAndDeletesOnlyUnusedPictures) {
    const GatherCase& c = GetParam();
    QTemporaryDir dir;
    AppState state(dir.path());
    state.LinkText = "Next Page";
    EnsureFolder(state.ProjectFolder);
    for (const auto& [name, text] : c.files)
        WriteTextFile(state.ProjectFolder + "/" + name, text);

    GatherGiftletContents(state);

    for (const QString& name : c.kept)
        EXPECT_TRUE(FileExists(state.ProjectFolder + "/" + name)) << name.toStdString();
    for (const QString& name : c.deleted)
        EXPECT_FALSE(FileExists(state.ProjectFolder + "/" + name)) << name.toStdString();
    for (const auto& [page, next] : c.linkTo) {
        const QByteArray text = ReadWholeFile(state.ProjectFolder + "/" + page).text;
        EXPECT_EQ(text.count("<A HREF="), next ? 1 : 0) << page.toStdString();
        if (next) {
            EXPECT_TRUE(text.contains(Link(next))) << text.toStdString();
        }
    }
}

const QByteArray kRosePage = R"(<BODY><IMG SRC="file:///old/place/rose.jpg"></BODY>)";

INSTANTIATE_TEST_SUITE_P(
    Giftlet, GatherGiftletContentsTest,
    testing::Values(GatherCase{"ThreePagesLinkedInOrder",
                               {{"wgcard.html", kPage}, {"Page2.html", kPage}, {"Page3.html", kPage}},
                               {"wgcard.html", "Page2.html", "Page3.html"},
                               {},
                               {{"wgcard.html", 2}, {"Page2.html", 3}, {"Page3.html", 0}}},
                    GatherCase{"UnusedPictureDeletedSoundKept",
                               {{"wgcard.html",
                                 R"(<BODY BACKGROUND="file:///x/sky.gif"><IMG SRC="rose.jpg"></BODY>)"},
                                {"rose.jpg", "jpg"},
                                {"sky.gif", "gif"},
                                {"unused.png", "png"},
                                {"tune.wav", kSound}},
                               {"rose.jpg", "sky.gif", "tune.wav"},
                               {"unused.png"},
                               {{"wgcard.html", 0}}},
                    GatherCase{"PictureReferencedInOtherCaseKept",
                               {{"wgcard.html", kRosePage}, {"Rose.JPG", "jpg"}},
                               {"Rose.JPG"},
                               {},
                               {}},
                    GatherCase{"JpegIsAPictureHtmIsNot",
                               {{"wgcard.html", kPage}, {"Photo.jpeg", "jpeg"}, {"Photo.htm", "<p>kept</p>"}},
                               {"Photo.htm"},
                               {"Photo.jpeg"},
                               {}},
                    GatherCase{"NoPageDeletesNothing", {{"lonely.gif", "gif"}}, {"lonely.gif"}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GatherGiftletContents, PageReferencesBecomeBareNamesAndOtherFilesStayAsTheyWere) {
    QTemporaryDir dir;
    AppState state(dir.path());
    EnsureFolder(state.ProjectFolder);
    WriteTextFile(state.ProjectFolder + "/wgcard.html", kRosePage);
    WriteTextFile(state.ProjectFolder + "/rose.jpg", "jpg");
    WriteTextFile(state.ProjectFolder + "/Photo.htm", "<p>kept</p>");
    GatherGiftletContents(state);
    EXPECT_EQ(ReadWholeFile(state.ProjectFolder + "/wgcard.html").text,
              R"(<BODY><IMG SRC="rose.jpg"></BODY>)");
    EXPECT_EQ(ReadWholeFile(state.ProjectFolder + "/Photo.htm").text, "<p>kept</p>");
}

} // namespace
