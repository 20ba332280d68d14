#include "PageFileOutput.h"

#include "ModFileOps.h"
#include "RecordingSurface.h"
#include "ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct RepairCase {
    const char* name;
    QByteArray html;
    QByteArray repaired;
    QStringList pictures;
};

class FixPictureRefsTest : public testing::TestWithParam<RepairCase> {};

TEST_P(FixPictureRefsTest, RepairsReferencesAndListsPictures) {
    const RepairedPage page = FixPictureRefs(GetParam().html);
    EXPECT_EQ(page.html, GetParam().repaired);
    EXPECT_EQ(page.pictures, GetParam().pictures);
}

INSTANTIATE_TEST_SUITE_P(
    Tags, FixPictureRefsTest,
    testing::Values(
        RepairCase{"QuotedValueBeforeClose",
                   R"(<P><IMG SRC="file:///home/u/card/rose.gif"></P>)",
                   R"(<P><IMG SRC="rose.gif"></P>)",
                   {"rose.gif"}},
        RepairCase{"UnquotedValueBeforeWidth",
                   "<img src=file:///home/u/card/rose.gif width=30>",
                   R"(<img src="rose.gif" width=30>)",
                   {"rose.gif"}},
        RepairCase{"BodyBackground",
                   R"(<BODY BGCOLOR="#FFFFFF" BACKGROUND="/home/u/card/paper.jpg" TEXT="#000000">)",
                   R"(<BODY BGCOLOR="#FFFFFF" BACKGROUND="paper.jpg" TEXT="#000000">)",
                   {"paper.jpg"}},
        RepairCase{"ImgWithoutSrc", "<IMG WIDTH=30 HEIGHT=20>", "<IMG WIDTH=30 HEIGHT=20>", {}},
        RepairCase{"ImgAsPartOfLongerWord", "<imgbox src=/a/b/c.gif>", R"(<imgbox src="c.gif">)", {"c.gif"}},
        RepairCase{
            "TwoPictures",
            R"(<BODY BACKGROUND="/x/card/sky.jpg"><IMG SRC="/x/card/a.gif"> and <IMG SRC="/x/card/a.gif">)",
            R"(<BODY BACKGROUND="sky.jpg"><IMG SRC="a.gif"> and <IMG SRC="a.gif">)",
            {"sky.jpg", "a.gif", "a.gif"}},
        RepairCase{"NoPictures",
                   "<HTML><BODY><P>Hello</P></BODY></HTML>",
                   "<HTML><BODY><P>Hello</P></BODY></HTML>",
                   {}},
        RepairCase{
            "BareNameStaysAndIsListed", R"(<IMG SRC="rose.gif">)", R"(<IMG SRC="rose.gif">)", {"rose.gif"}},
        RepairCase{"OnlyFirstKeyOfATag",
                   R"(<IMG LOWSRC="/a/low.gif" SRC="/a/high.gif">)",
                   R"(<IMG LOWSRC="low.gif" SRC="/a/high.gif">)",
                   {"low.gif"}},
        RepairCase{"ValueRunningToTheEnd", R"(<IMG SRC="/a/b.gif")", R"(<IMG SRC="/a/b.gif")", {}},
        RepairCase{"BackslashIsNoSeparator",
                   R"(<IMG SRC="C:\card\rose.gif">)",
                   R"(<IMG SRC="C:\card\rose.gif">)",
                   {R"(C:\card\rose.gif)"}},
        RepairCase{"ShortTag", "<IMG>", "<IMG>", {}},
        RepairCase{"EmptyValueIsNotListed", R"(<IMG SRC="/a/" ALT=x>)", R"(<IMG SRC="" ALT=x>)", {}},
        RepairCase{"TextAroundTags", "a < b <IMG SRC=/p/r.gif>", R"(a < b <IMG SRC="r.gif">)", {"r.gif"}}),
    [](const testing::TestParamInfo<RepairCase>& info) { return info.param.name; });

class PageFileOutputTest : public testing::Test {
protected:
    PageFileOutputTest() : state_(dir_.path()), output_(state_, surface_, dialogs_) {
        EnsureFolder(state_.ProjectFolder);
        surface_.page = R"(<HTML><BODY><IMG SRC="file:///p/card/rose.gif"></BODY></HTML>)";
    }

    QString ProjectFile(const QString& name) const { return state_.ProjectFolder + '/' + name; }
    QByteArray Read(const QString& path) const { return ReadWholeFile(path).text; }

    QTemporaryDir dir_;
    AppState state_;
    RecordingSurface surface_;
    ScriptedDialogs dialogs_;
    PageFileOutput output_;
};

TEST_F(PageFileOutputTest, FileFormReadsThePageFile) {
    WriteTextFile(ProjectFile("wgcard.html"), surface_.page);
    const RepairedPage page = FixPictureRefs(ProjectFile("wgcard.html"));
    EXPECT_EQ(page.html, R"(<HTML><BODY><IMG SRC="rose.gif"></BODY></HTML>)");
    EXPECT_EQ(page.pictures, QStringList{"rose.gif"});

    const RepairedPage missing = FixPictureRefs(ProjectFile("Page2.html"));
    EXPECT_TRUE(missing.html.isEmpty());
    EXPECT_TRUE(missing.pictures.isEmpty());
}

TEST_F(PageFileOutputTest, SavePageWritesThePageFile) {
    EXPECT_EQ(output_.SavePage(1, FixReferences::No), SavePageResult::Written);
    EXPECT_EQ(Read(ProjectFile("wgcard.html")), surface_.page);

    EXPECT_EQ(output_.SavePage(3, FixReferences::Yes), SavePageResult::Written);
    EXPECT_EQ(Read(ProjectFile("Page3.html")), R"(<HTML><BODY><IMG SRC="rose.gif"></BODY></HTML>)");
}

TEST_F(PageFileOutputTest, SavePageNeverWritesEmptyPageOrPageZero) {
    WriteTextFile(ProjectFile("wgcard.html"), "page 1");
    EXPECT_EQ(output_.SavePage(0, FixReferences::No), SavePageResult::NothingToWrite);
    surface_.page.clear();
    EXPECT_EQ(output_.SavePage(1, FixReferences::Yes), SavePageResult::NothingToWrite);
    EXPECT_EQ(ListFiles(state_.ProjectFolder, {}), QStringList{"wgcard.html"});
    EXPECT_EQ(Read(ProjectFile("wgcard.html")), "page 1");
}

TEST_F(PageFileOutputTest, SavePageReportsAFailedWrite) {
    state_.ProjectFolder = dir_.filePath("no such folder");
    EXPECT_EQ(output_.SavePage(1, FixReferences::No), SavePageResult::WriteFailed);
}

TEST_F(PageFileOutputTest, ExportWithoutPicturesWritesOneFile) {
    surface_.page = "<HTML><BODY>Hello</BODY></HTML>";
    const QString chosen = dir_.filePath("out/hello.html");
    EnsureFolder(dir_.filePath("out"));
    dialogs_.Answer(chosen);

    EXPECT_EQ(output_.SavePageAsHtmlFile(nullptr), ExportResult::Written);

    ASSERT_EQ(dialogs_.asked().size(), 1u);
    EXPECT_EQ(dialogs_.asked()[0].kind, "save");
    EXPECT_EQ(dialogs_.asked()[0].title, "Save Text to File");
    EXPECT_EQ(dialogs_.asked()[0].text, "HTML Files(*.html)");
    EXPECT_EQ(ListFiles(dir_.filePath("out"), {}), QStringList{"hello.html"});
    EXPECT_TRUE(ListSubfolders(dir_.filePath("out")).isEmpty());
    EXPECT_EQ(Read(chosen), surface_.page);
}

TEST_F(PageFileOutputTest, ExportOverAnExistingFileAsksFirst) {
    surface_.page = "<HTML><BODY>Hello</BODY></HTML>";
    const QString chosen = dir_.filePath("hello.html");
    WriteTextFile(chosen, "old");

    dialogs_.Answer(chosen);
    dialogs_.Answer(MessageAnswer::Cancel);
    EXPECT_EQ(output_.SavePageAsHtmlFile(nullptr), ExportResult::Cancelled);
    EXPECT_EQ(Read(chosen), "old");

    dialogs_.Answer(chosen);
    dialogs_.Answer(MessageAnswer::Ok);
    EXPECT_EQ(output_.SavePageAsHtmlFile(nullptr), ExportResult::Written);
    EXPECT_EQ(Read(chosen), surface_.page);
    EXPECT_EQ(dialogs_.askedTexts().at(1), "File exists. Replace it?");
    EXPECT_TRUE(ListSubfolders(dir_.path()).contains("card"));
    EXPECT_EQ(ListSubfolders(dir_.path()).size(), 1) << "no picture folder for a page without pictures";
}

TEST_F(PageFileOutputTest, ExportWithPicturesMakesAFolderWithPageAndPictures) {
    surface_.page =
        R"(<BODY BACKGROUND="/p/card/sky.jpg"><IMG SRC="/p/card/rose.gif"><IMG SRC="/p/card/gone.gif">)";
    WriteTextFile(ProjectFile("rose.gif"), "rose");
    WriteTextFile(ProjectFile("sky.jpg"), "sky");
    EnsureFolder(dir_.filePath("out"));
    dialogs_.Answer(dir_.filePath("out/card.page.html"));

    EXPECT_EQ(output_.SavePageAsHtmlFile(nullptr), ExportResult::Written);

    const QString folder = dir_.filePath("out/card.page Files1");
    EXPECT_EQ(ListFiles(dir_.filePath("out"), {}), QStringList()) << "nothing at the chosen path itself";
    EXPECT_EQ(ListFiles(folder, {}), (QStringList{"card.page.html", "rose.gif", "sky.jpg"}))
        << "a picture missing from the project is skipped";
    EXPECT_EQ(Read(folder + "/card.page.html"),
              R"(<BODY BACKGROUND="sky.jpg"><IMG SRC="rose.gif"><IMG SRC="gone.gif">)");
    EXPECT_EQ(Read(folder + "/rose.gif"), "rose");
}

TEST_F(PageFileOutputTest, ExportWithPicturesTakesTheNextFreeFolderNumber) {
    WriteTextFile(ProjectFile("rose.gif"), "rose");
    EnsureFolder(dir_.filePath("page Files1"));
    WriteTextFile(dir_.filePath("page.html"), "old");
    dialogs_.Answer(dir_.filePath("page.html"));
    dialogs_.Answer(MessageAnswer::Ok);

    EXPECT_EQ(output_.SavePageAsHtmlFile(nullptr), ExportResult::Written);

    EXPECT_TRUE(ListFiles(dir_.filePath("page Files1"), {}).isEmpty());
    EXPECT_EQ(ListFiles(dir_.filePath("page Files2"), {}), (QStringList{"page.html", "rose.gif"}));
    EXPECT_FALSE(FileExists(dir_.filePath("page.html"))) << "the replaced file is gone";
}

TEST_F(PageFileOutputTest, ExportCancelledWritesNothing) {
    EXPECT_EQ(output_.SavePageAsHtmlFile(nullptr), ExportResult::Cancelled);
    EXPECT_EQ(ListSubfolders(dir_.path()), QStringList{"card"});
    EXPECT_TRUE(ListFiles(dir_.path(), {}).isEmpty());
}

TEST_F(PageFileOutputTest, ExportFailureIsReported) {
    WriteTextFile(dir_.filePath("plain"), "a file, not a folder");
    for (const QByteArray& page : {QByteArray("<P>no pictures</P>"), surface_.page}) {
        SCOPED_TRACE(page.constData());
        surface_.page = page;
        dialogs_.Answer(dir_.filePath("plain/page.html"));
        EXPECT_EQ(output_.SavePageAsHtmlFile(nullptr), ExportResult::WriteFailed);
        EXPECT_EQ(dialogs_.asked().back().kind, "message");
        EXPECT_TRUE(dialogs_.asked().back().text.startsWith("The page could not be written to "));
    }
    EXPECT_EQ(Read(dir_.filePath("plain")), "a file, not a folder");
}

} // namespace
