#include "ProjectWorkspace.h"

#include "ModFileOps.h"
#include "NumberedTexts.h"
#include "RecordingSurface.h"
#include "ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProjectWorkspaceTest : public testing::Test {
protected:
    ProjectWorkspaceTest() : state_(dir_.path()), workspace_(state_, surface_, dialogs_) {}

    // A started program with an unsaved project of `pages` pages, each holding "page <n>".
    void StartWithPages(int pages) {
        workspace_.PrepareWorkFolder();
        state_.StartupDone = true;
        for (int n = 1; n <= pages; ++n)
            WriteTextFile(workspace_.PageFile(n), "page " + QByteArray::number(n));
        workspace_.LoadPage(state_.CurrentPageFile);
    }
    QByteArray PageText(int n) const { return ReadWholeFile(workspace_.PageFile(n)).text; }
    QStringList PageFiles() const { return ListFiles(state_.ProjectFolder, "html"); }

    QTemporaryDir dir_;
    AppState state_;
    RecordingSurface surface_;
    ScriptedDialogs dialogs_;
    ProjectWorkspace workspace_;
};

TEST_F(ProjectWorkspaceTest, StartRemovesLeftoverWorkFolderAndMakesBlankPage) {
    WriteTextFile(state_.WorkFolder + "/wgcard.html", "old work");
    WriteTextFile(state_.WorkFolder + "/pics/deep/old.gif", "gif");
    EnsureFolder(state_.WorkFolder + "/pics/deep");
    WriteTextFile(state_.WorkFolder + "/pics/deep/old.gif", "gif");

    workspace_.PrepareWorkFolder();

    const QByteArray blank(NumberedText(107).data(), NumberedText(107).size());
    EXPECT_EQ(ListFiles(state_.WorkFolder, {}), QStringList{"wgcard.html"});
    EXPECT_TRUE(ListSubfolders(state_.WorkFolder).isEmpty());
    EXPECT_EQ(ReadWholeFile(dir_.filePath("blank.html")).text, blank);
    EXPECT_EQ(surface_.page, blank);
    EXPECT_TRUE(surface_.defaultsApplied);
    EXPECT_EQ(state_.CurrentPageNumber, 1);
    EXPECT_EQ(state_.ProjectName, "Project1");
}

TEST_F(ProjectWorkspaceTest, LoadPageAppliesDefaultsOnlyToNewPagesOnceStarted) {
    StartWithPages(2);
    workspace_.LoadPage(workspace_.PageFile(2));
    EXPECT_FALSE(surface_.defaultsApplied) << "an existing page keeps its own defaults";
    workspace_.LoadPage(workspace_.PageFile(3));
    EXPECT_TRUE(surface_.defaultsApplied) << "a page made from the template gets the defaults";
    EXPECT_TRUE(FileExists(workspace_.PageFile(3)));
}

TEST_F(ProjectWorkspaceTest, CountPagesClosesOneGap) {
    workspace_.PrepareWorkFolder();
    WriteTextFile(workspace_.PageFile(3), "page 3");
    const ProjectWorkspace::PageCount pages = workspace_.CountPages();
    EXPECT_EQ(pages.count, 2);
    EXPECT_EQ(pages.nextName, "Page3.html");
    EXPECT_EQ(PageText(2), "page 3");
    EXPECT_EQ(PageFiles(), (QStringList{"Page2.html", "wgcard.html"}));
}

TEST_F(ProjectWorkspaceTest, CountPagesOfEmptyFolder) {
    EnsureFolder(state_.ProjectFolder);
    const ProjectWorkspace::PageCount pages = workspace_.CountPages();
    EXPECT_EQ(pages.count, 0);
    EXPECT_EQ(pages.nextName, "wgcard.html");
}

TEST_F(ProjectWorkspaceTest, DeleteCurrentPageRenumbers) {
    struct Case {
        const char* name;
        int pages;
        int deleted;
        int shownAfter;
        std::vector<QByteArray> remaining; // texts of pages 1, 2, ...
    };
    for (const Case& c :
         {Case{"first of three", 3, 1, 1, {"page 2", "page 3"}},
          Case{"middle of three", 3, 2, 1, {"page 1", "page 3"}},
          Case{"last of three", 3, 3, 2, {"page 1", "page 2"}}, Case{"last of two", 2, 2, 1, {"page 1"}},
          Case{"middle of five", 5, 3, 1, {"page 1", "page 2", "page 4", "page 5"}}}) {
        SCOPED_TRACE(c.name);
        StartWithPages(c.pages);
        workspace_.SwitchPage(c.deleted);

        workspace_.DeleteCurrentPage();

        EXPECT_EQ(state_.CurrentPageNumber, c.shownAfter);
        EXPECT_EQ(state_.CurrentPageFile, workspace_.PageFile(c.shownAfter));
        EXPECT_EQ(surface_.location, state_.CurrentPageFile);
        EXPECT_EQ(PageFiles().size(), c.remaining.size());
        for (size_t i = 0; i < c.remaining.size(); ++i)
            EXPECT_EQ(PageText(int(i) + 1), c.remaining[i]) << "page " << i + 1;
    }
}

TEST_F(ProjectWorkspaceTest, DeletingOnlyPageGivesFreshPage) {
    StartWithPages(1);
    workspace_.DeleteCurrentPage();
    EXPECT_EQ(state_.CurrentPageNumber, 1);
    EXPECT_EQ(PageText(1), QByteArray(NumberedText(107).data(), NumberedText(107).size()));
    EXPECT_EQ(surface_.page, PageText(1));
}

TEST_F(ProjectWorkspaceTest, DeleteDoesNotSaveTheEditsFirst) {
    StartWithPages(2);
    surface_.page = "edited page 1";
    workspace_.SwitchPage(2);
    surface_.page = "edited page 2";
    workspace_.DeleteCurrentPage();
    EXPECT_EQ(PageText(1), "edited page 1");
    EXPECT_EQ(PageFiles(), QStringList{"wgcard.html"});
}

TEST_F(ProjectWorkspaceTest, ChoosingPastTheEndMakesTheNextPage) {
    StartWithPages(3);
    surface_.page = "edited page 1";
    workspace_.SwitchPage(9);
    EXPECT_EQ(state_.CurrentPageNumber, 4);
    EXPECT_TRUE(FileExists(workspace_.PageFile(4)));
    EXPECT_EQ(PageText(1), "edited page 1") << "switching saves the page it leaves";
}

TEST_F(ProjectWorkspaceTest, SwitchIsIgnoredBeforeStartUpEnds) {
    StartWithPages(2);
    state_.StartupDone = false;
    workspace_.SwitchPage(2);
    EXPECT_EQ(state_.CurrentPageNumber, 1);
}

TEST_F(ProjectWorkspaceTest, NewPageSavesAndAppends) {
    StartWithPages(2);
    surface_.page = "edited page 1";
    workspace_.NewPage();
    EXPECT_EQ(state_.CurrentPageNumber, 3);
    EXPECT_EQ(surface_.location, state_.ProjectFolder + "/Page3.html");
    EXPECT_EQ(PageText(1), "edited page 1");
}

TEST_F(ProjectWorkspaceTest, EmptyPageIsNeverWritten) {
    StartWithPages(1);
    surface_.page.clear();
    workspace_.SaveCurrentPage();
    workspace_.Output().SavePage(0, FixReferences::No);
    EXPECT_EQ(PageText(1), "page 1");
    EXPECT_FALSE(FileExists(state_.ProjectFolder + "/Page0.html"));
}

TEST_F(ProjectWorkspaceTest, ThirtyPagesRefuseAnotherAndChangeNothing) {
    StartWithPages(ProjectWorkspace::kMaxPages);
    const QString outside = dir_.filePath("outside.html");
    WriteTextFile(outside, "outside");
    dialogs_.Answer(outside);

    workspace_.NewPage();
    workspace_.SwitchPage(31);
    workspace_.OpenHtmlFile(nullptr);

    EXPECT_EQ(PageFiles().size(), ProjectWorkspace::kMaxPages);
    EXPECT_EQ(state_.CurrentPageNumber, 1);
    ASSERT_EQ(dialogs_.asked().size(), 4u);
    EXPECT_EQ(dialogs_.asked()[0].kind, "message");
    EXPECT_EQ(dialogs_.asked()[1].kind, "message");
    EXPECT_EQ(dialogs_.asked()[2].kind, "open");
    EXPECT_EQ(dialogs_.asked()[3].kind, "message");
}

TEST_F(ProjectWorkspaceTest, OpenHtmlFileAddsACopyAsNewPage) {
    StartWithPages(2);
    const QString outside = dir_.filePath("letter.html");
    WriteTextFile(outside, "<HTML>letter</HTML>");
    dialogs_.Answer(outside);
    workspace_.OpenHtmlFile(nullptr);
    EXPECT_EQ(dialogs_.asked().at(0).title, "Select HTML file");
    EXPECT_EQ(dialogs_.asked().at(0).text, "HTML Files(*.html)");
    EXPECT_EQ(state_.CurrentPageNumber, 3);
    EXPECT_EQ(PageText(3), "<HTML>letter</HTML>");
    EXPECT_TRUE(FileExists(outside));

    workspace_.OpenHtmlFile(nullptr); // cancelled
    EXPECT_EQ(PageFiles().size(), 3);
}

TEST_F(ProjectWorkspaceTest, NewProject) {
    StartWithPages(3);
    const QString saved = dir_.filePath("saved/Mine");
    EnsureFolder(saved);
    WriteTextFile(saved + "/wgcard.html", "saved page");
    state_.ProjectFolder = saved;
    state_.ProjectName = "Mine";

    dialogs_.Answer(MessageAnswer::Cancel);
    workspace_.NewProject();
    EXPECT_EQ(state_.ProjectName, "Mine") << "Cancel keeps the project";

    dialogs_.Answer(MessageAnswer::Ok);
    workspace_.NewProject();
    ASSERT_EQ(dialogs_.asked().size(), 2u);
    EXPECT_EQ(dialogs_.asked()[0].title, "Discard?");
    EXPECT_EQ(dialogs_.asked()[0].text, QString::fromUtf8(NumberedText(125)));
    EXPECT_EQ(state_.ProjectFolder, state_.WorkFolder);
    EXPECT_EQ(state_.ProjectName, "Project1");
    EXPECT_EQ(state_.CurrentPageNumber, 1);
    EXPECT_EQ(PageFiles(), QStringList{"wgcard.html"});
    EXPECT_EQ(ReadWholeFile(saved + "/wgcard.html").text, "saved page") << "a saved project is never touched";
}

} // namespace
