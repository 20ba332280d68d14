#include "FWeb.h"

#include "FOps.h"
#include "FontControls.h"
#include "MainMenus.h"
#include "ModFileOps.h"
#include "NumberedTexts.h"
#include "PageView.h"
#include "ScriptedDialogs.h"
#include "SettingsStore.h"
#include "ToolStrip.h"
#include "ViewBinding.h"
#include "WBUC.h"
#include "WorkWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The real main window under the offscreen platform, with its own program folder and settings.
class FWebTest : public testing::Test {
protected:
    FWebTest()
        : state_(dir_.filePath("program")), store_(dir_.filePath("KVPLS2.ini")),
          window_(state_, dialogs_, store_) {
        window_.ShowAtStart(state_.MainWindow);
        state_.StartupDone = true;
    }

    void Trigger(const char* item) { window_.Menus().Item(item)->trigger(); }

    QTemporaryDir dir_;
    AppState state_;
    ScriptedDialogs dialogs_;
    SettingsStore store_;
    FWeb window_;
};

TEST_F(FWebTest, StartsWithBlankPageOne) {
    EXPECT_EQ(window_.windowTitle(), "Pageloft Studio - Project1");
    EXPECT_TRUE(FileExists(state_.WorkFolder + "/wgcard.html"));
    EXPECT_EQ(window_.Fonts().BoxPage()->currentText(), "1");
    EXPECT_EQ(window_.Fonts().BoxSize()->currentText(), "3");
    EXPECT_EQ(window_.Fonts().BoxFace()->currentText(), "Arial, Helvetica");
    EXPECT_EQ(window_.Menus().Item("mPasteP2_1")->text(), "Paste Cut/Copied  &Element");
}

TEST_F(FWebTest, AGreetingTypedIntoThePageIsSaved) {
    WBUC& page = window_.jWB();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page.Binding().Ready(); }, 15000));
    QSignalSpy clicks(&page, &WBUC::Click);
    QTest::mouseClick(page.View().focusProxy(), Qt::LeftButton, {}, QPoint(40, 20));
    ASSERT_TRUE(clicks.wait(15000));
    EXPECT_EQ(clicks.at(0).at(0).toString(), "BODY");
    QWidget* caret = window_.findChild<QWidget*>("FrCaret");
    EXPECT_TRUE(caret->isVisible()) << "the caret mark shows where typing goes";
    const int firstLine = caret->y();

    QSignalSpy keys(&page, &WBUC::KeyPress);
    for (Qt::Key key : {Qt::Key_H, Qt::Key_I, Qt::Key_Return, Qt::Key_A, Qt::Key_N, Qt::Key_N})
        QTest::keyClick(page.View().focusProxy(), key);
    ASSERT_TRUE(QTest::qWaitFor([&] { return keys.size() == 6; }, 15000));
    EXPECT_GT(caret->y(), firstLine) << "and follows the typing onto the new line";
    Trigger("mSavePage");
    const QByteArray saved = ReadWholeFile(state_.WorkFolder + "/wgcard.html").text;
    EXPECT_TRUE(saved.contains("hi<BR>ann&nbsp;</BODY>")) << saved.toStdString();
}

TEST_F(FWebTest, EditingCommandsWithNothingSelected) {
    WBUC& page = window_.jWB();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page.Binding().Ready(); }, 15000));
    window_.Work().bSel(8)->click();
    window_.Work().bSel(6)->click();
    window_.Work().bSel(3)->click();
    ASSERT_EQ(dialogs_.asked().size(), 3u);
    EXPECT_EQ(dialogs_.asked()[0].text, QString::fromUtf8(NumberedText(108))) << "up needs an element";
    EXPECT_EQ(dialogs_.asked()[1].text, QString::fromUtf8(NumberedText(108))) << "forward: nothing selected";
    EXPECT_EQ(dialogs_.asked()[2].text, QString::fromUtf8(NumberedText(113))) << "a link needs selected text";

    window_.Fonts().BoxColor(0)->click(); // the scripted dialog cancels
    EXPECT_EQ(window_.Fonts().Swatch(0), 0) << "a cancelled colour dialog changes nothing";

    emit window_.Menus().Menu("mEdit")->aboutToShow();
    for (const char* item : {"mCut", "mCopy", "mPaste_0", "mPaste_1"})
        EXPECT_FALSE(window_.Menus().Item(item)->isEnabled()) << item;
}

TEST_F(FWebTest, FontBoxesFollowTheCaretAndFormatTheSelection) {
    const QString path = state_.WorkFolder + "/wgcard.html";
    WriteTextFile(path, R"(<HTML><BODY style="margin:0"><FONT FACE="Georgia" SIZE="5" COLOR="#FF0000">)"
                        R"(Dear Ann</FONT></BODY></HTML>)");
    WBUC& page = window_.jWB();
    QSignalSpy complete(&page, &WBUC::DocComplete);
    window_.Workspace().LoadPage(path);
    ASSERT_TRUE(complete.wait(15000));
    window_.Fonts().BoxFace()->setCurrentIndex(3);

    QSignalSpy clicks(&page, &WBUC::Click);
    QTest::mouseClick(page.View().focusProxy(), Qt::LeftButton, {}, QPoint(20, 12));
    ASSERT_TRUE(clicks.wait(15000));
    EXPECT_EQ(window_.Fonts().BoxFace()->currentIndex(), 3) << "Georgia is no entry of the box";
    EXPECT_EQ(window_.Fonts().BoxSize()->currentText(), "5");
    EXPECT_EQ(window_.Fonts().Swatch(0), 0x0000FF) << "red as a colour number";

    page.View().Select({{0, 1, 0, 0}, 0}, {{0, 1, 0, 0}, 4});
    ASSERT_TRUE(QTest::qWaitFor([&] { return page.SelText() == "Dear"; }, 15000));
    dialogs_.Answer(QString("http://"));
    window_.Work().bSel(3)->click();
    EXPECT_TRUE(page.Source().contains(R"(<A HREF="http://">Dear</A>)")) << page.Source().toStdString();
}

TEST_F(FWebTest, PageCommandsFollowInThePageBox) {
    Trigger("mNewPage");
    Trigger("mNewPage");
    EXPECT_EQ(window_.Fonts().BoxPage()->currentText(), "3");
    EXPECT_EQ(ListFiles(state_.ProjectFolder, "html").size(), 3);

    window_.Fonts().BoxPage()->setCurrentIndex(8);
    emit window_.Fonts().BoxPage()->activated(8);
    EXPECT_EQ(window_.Fonts().BoxPage()->currentText(), "4") << "a number past the end makes the next page";

    Trigger("mDelPage");
    EXPECT_EQ(window_.Fonts().BoxPage()->currentText(), "3");
    EXPECT_EQ(ListFiles(state_.ProjectFolder, "html").size(), 3);
}

TEST_F(FWebTest, SaveReopenAndDeleteAProject) {
    Trigger("mNewPage");
    dialogs_.Answer(QString("Trip"));
    Trigger("mSaveProject");
    EXPECT_EQ(window_.windowTitle(), "Pageloft Studio - Trip");
    const QString trip = state_.ProgramFolder + "/saved/Trip";
    EXPECT_EQ(ListFiles(trip, "html"), (QStringList{"Page2.html", "wgcard.html"}));

    dialogs_.Answer(MessageAnswer::Ok);
    Trigger("mNewProject");
    EXPECT_EQ(window_.windowTitle(), "Pageloft Studio - Project1");

    Trigger("mOpenProject");
    FOps& ops = window_.Ops();
    ASSERT_TRUE(ops.isVisible());
    EXPECT_EQ(ops.windowTitle(), "Open Saved Project");
    ASSERT_EQ(ops.BoxProj()->count(), 1);
    ops.BoxProj()->setCurrentRow(0);
    ops.bOpenProj(0)->click();
    EXPECT_FALSE(ops.isVisible());
    EXPECT_EQ(window_.windowTitle(), "Pageloft Studio - Trip");
    EXPECT_EQ(state_.ProjectFolder, trip);
    EXPECT_EQ(window_.Fonts().BoxPage()->currentText(), "1");

    dialogs_.Answer(MessageAnswer::Ok);
    Trigger("mNewProject");
    Trigger("mOpenProject");
    ops.BoxProj()->setCurrentRow(0);
    dialogs_.Answer(MessageAnswer::Ok);
    ops.bOpenProj(2)->click();
    EXPECT_EQ(ops.BoxProj()->count(), 0);
    EXPECT_FALSE(FolderExists(trip));
}

TEST_F(FWebTest, CreateGiftletFileOpensTheGiftletWindow) {
    Trigger("mMakePack");
    FOps& ops = window_.Ops();
    EXPECT_TRUE(ops.isVisible());
    EXPECT_EQ(ops.windowTitle(), "Make Giftlet File");
    EXPECT_TRUE(FileExists(state_.WorkFolder + "/wgcard.html"));
}

TEST_F(FWebTest, HoverBorderMovesFromPictureToPicture) {
    // The pointer goes straight from picture 2 to picture 3, then onto the strip between the pictures.
    ToolStrip& tools = window_.Tools();
    QEnterEvent enter2(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(tools.ImTool(2), &enter2);
    QEnterEvent enter3(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(tools.ImTool(3), &enter3);
    EXPECT_EQ(tools.HoverTool(), 3);
    EXPECT_EQ(tools.ImTool(2)->frameShape(), QFrame::NoFrame);
    EXPECT_NE(tools.ImTool(3)->frameShape(), QFrame::NoFrame);

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&tools, &move);
    EXPECT_EQ(tools.HoverTool(), -1);
    EXPECT_EQ(tools.ImTool(3)->frameShape(), QFrame::NoFrame);
}

TEST_F(FWebTest, WorkWindowRaisesAndLowers) {
    WorkWindow& work = window_.Work();
    const int raisedTop = work.y();
    QTest::mouseClick(work.LabUp(), Qt::LeftButton);
    EXPECT_FALSE(state_.WorkWindowUp);
    EXPECT_GT(work.y(), raisedTop);
    EXPECT_FALSE(work.ShowsRaised());
    QTest::mouseClick(work.LabUp(), Qt::LeftButton);
    EXPECT_TRUE(state_.WorkWindowUp);
    EXPECT_EQ(work.y(), raisedTop);
}

TEST_F(FWebTest, QuitAnsweredCancelKeepsEverything) {
    QSignalSpy quit(&window_, &FWeb::quitConfirmed);
    dialogs_.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(window_.close());
    EXPECT_TRUE(window_.isVisible());
    EXPECT_TRUE(FolderExists(state_.WorkFolder));
    EXPECT_EQ(quit.size(), 0);
    EXPECT_EQ(dialogs_.asked().at(0).text, QString::fromUtf8(NumberedText(187)));
}

TEST_F(FWebTest, QuitAnsweredNoRemovesWorkFolderAndSavesSettings) {
    QSignalSpy quit(&window_, &FWeb::quitConfirmed);
    dialogs_.Answer(MessageAnswer::No);
    EXPECT_TRUE(window_.close());
    EXPECT_FALSE(FolderExists(state_.WorkFolder));
    EXPECT_EQ(quit.size(), 1);
    EXPECT_FALSE(store_.read(SettingsStore::kSettings, "Winset", "").isEmpty());
    EXPECT_EQ(store_.read(SettingsStore::kCustColors, "15", ""), "0");
}

TEST_F(FWebTest, QuitAnsweredYesSavesTheProjectFirst) {
    QSignalSpy quit(&window_, &FWeb::quitConfirmed);
    dialogs_.Answer(MessageAnswer::Yes);
    dialogs_.Answer(QString("Birthday"));
    EXPECT_TRUE(window_.close());
    EXPECT_EQ(dialogs_.asked().at(1).title, "Save Project");
    EXPECT_TRUE(FileExists(state_.ProgramFolder + "/saved/Birthday/wgcard.html"));
    EXPECT_FALSE(FolderExists(state_.WorkFolder));
    EXPECT_EQ(quit.size(), 1);
}

TEST_F(FWebTest, QuitGoesOnWhenTheNamePromptIsCancelled) {
    dialogs_.Answer(MessageAnswer::Yes);
    dialogs_.Answer(QString());
    EXPECT_TRUE(window_.close());
    EXPECT_FALSE(FolderExists(state_.ProgramFolder + "/saved/Birthday"));
}

TEST_F(FWebTest, QuittingSavedProjectAsksOnlyAboutThePage) {
    const QString saved = dir_.filePath("program/saved/Trip");
    EnsureFolder(saved);
    WriteTextFile(saved + "/wgcard.html", "<HTML><BODY>trip</BODY></HTML>");
    state_.ProjectFolder = saved;
    state_.ProjectName = "Trip";
    state_.CurrentPageFile = saved + "/wgcard.html";
    window_.Workspace().LoadPage(state_.CurrentPageFile);
    WriteTextFile(saved + "/wgcard.html", "changed on disk");

    dialogs_.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(window_.close());
    ASSERT_EQ(dialogs_.asked().size(), 1u);
    EXPECT_EQ(dialogs_.asked()[0].text, "Save changes to this page?");
    const QByteArray page = ReadWholeFile(saved + "/wgcard.html").text;
    EXPECT_TRUE(page.startsWith("<HTML>") && page.contains(">trip</BODY>")) << page.toStdString();
    EXPECT_FALSE(FolderExists(state_.WorkFolder));
}

} // namespace
