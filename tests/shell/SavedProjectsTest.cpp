#include "SavedProjects.h"

#include "ModFileOps.h"
#include "NumberedTexts.h"
#include "RecordingSurface.h"
#include "ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Text(int id) {
    return QString::fromUtf8(NumberedText(id));
}

const QByteArray kPictureInWorkFolder = R"(<IMG SRC="file:///somewhere/card/rose.gif" WIDTH=30>)";
const QByteArray kPictureRepaired = R"(<IMG SRC="rose.gif" WIDTH=30>)";

class SavedProjectsTest : public testing::Test {
protected:
    SavedProjectsTest()
        : state_(dir_.path()), workspace_(state_, surface_, dialogs_), saved_(state_, workspace_, dialogs_) {
        workspace_.PrepareWorkFolder();
        state_.StartupDone = true;
        WriteTextFile(workspace_.PageFile(1), "page 1 " + kPictureInWorkFolder);
        WriteTextFile(workspace_.PageFile(2), "page 2 " + kPictureInWorkFolder);
        WriteTextFile(state_.WorkFolder + "/rose.gif", "rose");
        workspace_.LoadPage(state_.CurrentPageFile);
    }

    QString SavedFolder(const QString& name) const { return dir_.filePath("saved/" + name); }
    QByteArray Read(const QString& path) const { return ReadWholeFile(path).text; }
    // Saves the project under `name`, answering any further question with OK.
    SaveProjectResult SaveAs(const QString& name) {
        dialogs_.Answer(name);
        dialogs_.Answer(MessageAnswer::Ok);
        return saved_.SaveProject();
    }
    void MakeSavedProject(const QString& name, const QStringList& files) {
        EnsureFolder(SavedFolder(name));
        for (const QString& file : files)
            WriteTextFile(SavedFolder(name) + '/' + file, "old " + file.toUtf8());
    }
    void ExpectStillUnsaved() {
        EXPECT_EQ(state_.ProjectName, "Project1");
        EXPECT_EQ(state_.ProjectFolder, state_.WorkFolder);
        EXPECT_EQ(state_.CurrentPageFile, workspace_.PageFile(1));
    }

    QTemporaryDir dir_;
    AppState state_;
    RecordingSurface surface_;
    ScriptedDialogs dialogs_;
    ProjectWorkspace workspace_;
    SavedProjects saved_;
};

TEST_F(SavedProjectsTest, SavingCopiesTheProjectAndGoesOnThere) {
    surface_.page = "edited page 1 " + kPictureInWorkFolder;

    EXPECT_EQ(SaveAs("Trip"), SaveProjectResult::Saved);

    ASSERT_EQ(dialogs_.asked().size(), 1u);
    EXPECT_EQ(dialogs_.asked()[0].kind, "input");
    EXPECT_EQ(dialogs_.asked()[0].title, "Save Project");
    EXPECT_EQ(dialogs_.asked()[0].text, Text(186));
    EXPECT_EQ(state_.ProjectName, "Trip");
    EXPECT_EQ(state_.ProjectFolder, SavedFolder("Trip"));
    EXPECT_EQ(state_.CurrentPageFile, SavedFolder("Trip") + "/wgcard.html");
    EXPECT_EQ(ListFiles(SavedFolder("Trip"), {}), (QStringList{"Page2.html", "rose.gif", "wgcard.html"}));
    EXPECT_EQ(Read(SavedFolder("Trip") + "/Page2.html"), "page 2 " + kPictureRepaired);
    EXPECT_EQ(Read(SavedFolder("Trip") + "/wgcard.html"), "edited page 1 " + kPictureRepaired)
        << "the current page's edits go with the project";
    EXPECT_EQ(Read(workspace_.PageFile(1)), "edited page 1 " + kPictureRepaired);
    EXPECT_EQ(Read(state_.WorkFolder + "/wgcard.html"), "page 1 " + kPictureInWorkFolder)
        << "the working folder is not touched";
}

TEST_F(SavedProjectsTest, RefusedNamesAreAskedAgain) {
    struct Case {
        const char* name;
        QString answer;
        QString message;
    };
    const QString unusable = QStringLiteral("A project name cannot contain");
    for (const Case& c :
         {Case{"default name", "project1", Text(184)}, Case{"default name upper", "PROJECT1", Text(184)},
          Case{"slash", "../outside", unusable}, Case{"backslash", "a\\b", unusable},
          Case{"dot", ".", unusable}, Case{"dot dot", "..", unusable}, Case{"hidden", ".hidden", unusable}}) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs dialogs;
        SavedProjects saved(state_, workspace_, dialogs);
        dialogs.Answer(c.answer);
        dialogs.Answer(MessageAnswer::Ok);
        dialogs.Answer(QString()); // then cancels the name prompt

        EXPECT_EQ(saved.SaveProject(), SaveProjectResult::Cancelled);

        ASSERT_EQ(dialogs.asked().size(), 3u);
        EXPECT_EQ(dialogs.asked()[1].kind, "message");
        EXPECT_TRUE(dialogs.asked()[1].text.startsWith(c.message)) << dialogs.asked()[1].text.toStdString();
        EXPECT_EQ(dialogs.asked()[2].kind, "input");
        ExpectStillUnsaved();
        EXPECT_TRUE(ListSubfolders(dir_.filePath("saved")).isEmpty());
        EXPECT_EQ(ListSubfolders(dir_.path()), (QStringList{"card", "saved"}))
            << "nothing written outside saved";
    }
}

TEST_F(SavedProjectsTest, EmptyNameDoesNothing) {
    for (const QString& answer : {QString(), QStringLiteral("   ")}) {
        dialogs_.Answer(answer);
        EXPECT_EQ(saved_.SaveProject(), SaveProjectResult::Cancelled);
    }
    ExpectStillUnsaved();
    EXPECT_TRUE(ListSubfolders(dir_.filePath("saved")).isEmpty());
}

TEST_F(SavedProjectsTest, BlanksAroundTheNameAreDropped) {
    EXPECT_EQ(SaveAs("  Trip "), SaveProjectResult::Saved);
    EXPECT_EQ(state_.ProjectName, "Trip");
    EXPECT_EQ(ListSubfolders(dir_.filePath("saved")), QStringList{"Trip"});
}

TEST_F(SavedProjectsTest, ReplacingAnExistingProject) {
    MakeSavedProject("Trip", {"wgcard.html", "Page2.html", "Page3.html", "old.gif"});

    dialogs_.Answer("Trip");
    dialogs_.Answer(MessageAnswer::Cancel);
    EXPECT_EQ(saved_.SaveProject(), SaveProjectResult::Cancelled);
    EXPECT_EQ(dialogs_.asked().at(1).text, Text(185));
    ExpectStillUnsaved();
    EXPECT_EQ(ListFiles(SavedFolder("Trip"), {}).size(), 4);

    EXPECT_EQ(SaveAs("Trip"), SaveProjectResult::Saved);
    EXPECT_EQ(ListFiles(SavedFolder("Trip"), {}), (QStringList{"Page2.html", "rose.gif", "wgcard.html"}))
        << "no file of the old project remains";
}

TEST_F(SavedProjectsTest, SavingASavedProjectAgainWritesOnlyTheCurrentPage) {
    ASSERT_EQ(SaveAs("Trip"), SaveProjectResult::Saved);
    workspace_.SwitchPage(2);
    surface_.page = "edited page 2 " + kPictureInWorkFolder;

    EXPECT_EQ(saved_.SaveProject(), SaveProjectResult::PageUpdated);

    EXPECT_EQ(dialogs_.asked().back().text,
              "Trip is already a saved project. The current page has been updated.");
    EXPECT_EQ(dialogs_.asked().back().title, kProgramTitle);
    EXPECT_EQ(dialogs_.asked().size(), 2u) << "no name is asked";
    EXPECT_EQ(Read(SavedFolder("Trip") + "/Page2.html"), "edited page 2 " + kPictureRepaired);
}

TEST_F(SavedProjectsTest, PagesOfASavedProjectAreWrittenIntoItsFolder) {
    ASSERT_EQ(SaveAs("Trip"), SaveProjectResult::Saved);
    surface_.page = "page 1 again";
    workspace_.SwitchPage(2);
    EXPECT_EQ(Read(SavedFolder("Trip") + "/wgcard.html"), "page 1 again");
    EXPECT_EQ(surface_.location, SavedFolder("Trip") + "/Page2.html");

    surface_.page = "page 2 " + kPictureInWorkFolder;
    workspace_.Refresh();
    EXPECT_EQ(surface_.location, SavedFolder("Trip") + "/Page2.html");
    EXPECT_EQ(surface_.page, "page 2 " + kPictureRepaired);
}

TEST_F(SavedProjectsTest, FailedCopyKeepsTheCurrentProject) {
    WriteTextFile(dir_.filePath("saved"), "a file where the saved folder belongs");
    surface_.page = "edited page 1";

    EXPECT_EQ(SaveAs("Trip"), SaveProjectResult::CopyFailed);

    EXPECT_TRUE(dialogs_.asked().back().text.startsWith("The project could not be saved as Trip."));
    ExpectStillUnsaved();
    EXPECT_EQ(ListFiles(state_.WorkFolder, {}).size(), 3);
    EXPECT_EQ(surface_.page, "edited page 1");
}

TEST_F(SavedProjectsTest, ListOfProjectsToOpen) {
    EXPECT_TRUE(saved_.ProjectsToOpen().isEmpty()) << "no saved folder";
    MakeSavedProject(".trash", {"wgcard.html"});
    EXPECT_TRUE(saved_.ProjectsToOpen().isEmpty()) << "only a dot folder";
    EXPECT_EQ(dialogs_.askedTexts(), (QStringList{Text(137), Text(137)}));

    MakeSavedProject("Trip", {"wgcard.html"});
    MakeSavedProject("Birthday", {"wgcard.html"});
    EXPECT_EQ(saved_.ProjectsToOpen(), (QStringList{"Birthday", "Trip"}));
    EXPECT_EQ(dialogs_.asked().size(), 2u);
}

TEST_F(SavedProjectsTest, OpeningAProjectWithoutFirstPage) {
    MakeSavedProject("Trip", {"Page2.html"});
    workspace_.SwitchPage(2);

    EXPECT_EQ(saved_.OpenProject(" Trip "), OpenProjectResult::Opened);

    EXPECT_TRUE(dialogs_.asked().empty()) << "opening never asks";
    EXPECT_EQ(state_.ProjectName, "Trip");
    EXPECT_EQ(state_.ProjectFolder, SavedFolder("Trip"));
    EXPECT_EQ(state_.CurrentPageNumber, 1);
    EXPECT_EQ(state_.CurrentPageFile, SavedFolder("Trip") + "/wgcard.html");
    EXPECT_EQ(surface_.location, state_.CurrentPageFile);
    EXPECT_EQ(surface_.page, QByteArray(NumberedText(107).data(), NumberedText(107).size()));
    EXPECT_TRUE(FolderExists(state_.WorkFolder));
    EXPECT_TRUE(ListFiles(state_.WorkFolder, {}).isEmpty()) << "the unsaved project is dropped";
}

TEST_F(SavedProjectsTest, OpeningNothingUsable) {
    MakeSavedProject("Trip", {"wgcard.html"});
    for (const QString& selected : {QString(), QStringLiteral("  "), QStringLiteral("Gone"),
                                    QStringLiteral(".."), QStringLiteral("Trip/..")}) {
        SCOPED_TRACE(selected.toStdString());
        EXPECT_EQ(saved_.OpenProject(selected), OpenProjectResult::NotOpened);
        EXPECT_EQ(dialogs_.asked().back().text, Text(138));
        ExpectStillUnsaved();
    }
    EXPECT_EQ(ListFiles(state_.WorkFolder, {}).size(), 3);
}

TEST_F(SavedProjectsTest, DeletingAProject) {
    MakeSavedProject("Trip", {"wgcard.html", "rose.gif"});

    dialogs_.Answer(MessageAnswer::Cancel);
    EXPECT_EQ(saved_.DeleteProject("Trip"), DeleteProjectResult::NotDeleted);
    EXPECT_EQ(dialogs_.asked().back().text, "Delete Trip project?");
    EXPECT_TRUE(FolderExists(SavedFolder("Trip")));

    dialogs_.Answer(MessageAnswer::Ok);
    EXPECT_EQ(saved_.DeleteProject(" Trip"), DeleteProjectResult::Deleted);
    EXPECT_FALSE(QFileInfo::exists(SavedFolder("Trip")));
}

TEST_F(SavedProjectsTest, DeletingWhatIsNoOtherSavedProject) {
    MakeSavedProject("Trip", {"wgcard.html"});
    ASSERT_EQ(saved_.OpenProject("Trip"), OpenProjectResult::Opened);
    struct Case {
        const char* name;
        QString selected;
        QStringList asked;
    };
    for (const Case& c : {Case{"nothing selected", "", {Text(138)}}, Case{"missing folder", "Gone", {}},
                          Case{"parent folder", "..", {}},
                          Case{"project being edited",
                               "Trip",
                               {"Trip is the project being edited. Open another project or start a new one "
                                "before deleting it."}}}) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs dialogs;
        SavedProjects saved(state_, workspace_, dialogs);
        dialogs.Answer(MessageAnswer::Ok);
        EXPECT_EQ(saved.DeleteProject(c.selected), DeleteProjectResult::NotDeleted);
        EXPECT_EQ(dialogs.askedTexts(), c.asked);
    }
    EXPECT_TRUE(FileExists(SavedFolder("Trip") + "/wgcard.html"));
    EXPECT_TRUE(FileExists(dir_.filePath("blank.html")));
}

} // namespace
