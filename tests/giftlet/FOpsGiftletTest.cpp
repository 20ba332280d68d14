#include "GiftletNames.h"
#include "GiftletWindowFixture.h"
#include "NumberedTexts.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QUrl>
#include <functional>

namespace {

QString Text(int id) {
    return QString::fromUtf8(NumberedText(id).data());
}

class FOpsGiftlet : public GiftletWindowFixture {
protected:
    FOpsGiftlet() { WriteTextFile(Project("wgcard.html"), "<BODY>One</BODY>"); }
};

TEST_F(FOpsGiftlet, ShowsTheGiftletFolderAndTheLastName) {
    store_.write(SettingsStore::kSettings, "GreetName", "Birthday.exe");
    ops_.ShowGiftletWindow();
    EXPECT_EQ(ops_.windowTitle(), "Make Giftlet File");
    EXPECT_TRUE(ops_.findChild<QGroupBox*>("FrOps_0")->isVisible());
    EXPECT_FALSE(ops_.findChild<QGroupBox*>("FrOps_1")->isVisible());
    EXPECT_EQ(ops_.tMakePath()->text(), state_.GiftletFolder);
    EXPECT_EQ(ops_.tMakeFileName()->text(), "Birthday.exe");
}

struct NameCase {
    const char* name;
    QString typed;
    QString folderEnd;
    QString file;
};

class FOpsGiftletName : public FOpsGiftlet, public testing::WithParamInterface<NameCase> {};

TEST_P(FOpsGiftletName, BuildsTheNamedFileAndRemembersTheName) {
    const NameCase& c = GetParam();
    dialogs_.Answer(MessageAnswer::No);
    ClickOk(state_.GiftletFolder + c.folderEnd, c.typed);
    ASSERT_TRUE(FileExists(Out(c.file)));
    EXPECT_EQ(dialogs_.askedTexts(), QStringList{GiftletCreatedQuestion(Out(c.file), FileSize(Out(c.file)))});
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "GreetName", ""), c.file);
}

INSTANTIATE_TEST_SUITE_P(Giftlet, FOpsGiftletName,
                         testing::Values(NameCase{"Empty", "", "", "Greeting.exe"},
                                         NameCase{"WithoutExe", "card", "", "card.exe"},
                                         NameCase{"UpperCaseExe", "Card.EXE", "", "Card.EXE"},
                                         NameCase{"FolderWithTrailingSlash", "card", "/", "card.exe"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FOpsGiftlet, CancelOnReplaceKeepsTheFileAndBuildsNothing) {
    WriteTextFile(Out("Greeting.exe"), "old");
    WriteTextFile(Project("Page2.html"), "<BODY>Two</BODY>");
    dialogs_.Answer(MessageAnswer::Cancel);
    ClickOk(state_.GiftletFolder, "Greeting.exe");
    EXPECT_EQ(dialogs_.askedTexts(), QStringList{"File exists. Replace it?"});
    EXPECT_EQ(ReadWholeFile(Out("Greeting.exe")).text, "old");
    EXPECT_EQ(ReadWholeFile(Project("wgcard.html")).text, "<BODY>One</BODY>");
}

TEST_F(FOpsGiftlet, OkOnReplaceWritesTheNewGiftlet) {
    WriteTextFile(Out("Greeting.exe"), "old");
    dialogs_.Answer(MessageAnswer::Ok);
    dialogs_.Answer(MessageAnswer::No);
    ClickOk(state_.GiftletFolder, "Greeting.exe");
    EXPECT_TRUE(ReadWholeFile(Out("Greeting.exe")).text.startsWith("MZ"));
}

struct FailureCase {
    const char* name;
    std::function<void(AppState&)> arrange;
    QString folder; // relative to the Giftlet folder
    int message;    // numbered text, or 0 for the folder message
};

class FOpsGiftletFailure : public FOpsGiftlet, public testing::WithParamInterface<FailureCase> {};

TEST_P(FOpsGiftletFailure, ShowsOneMessageAndKeepsTheWindowOpen) {
    const FailureCase& c = GetParam();
    c.arrange(state_);
    ClickOk(state_.GiftletFolder + c.folder, "Greeting.exe");
    const QString expected =
        c.message ? Text(c.message) : QString("Folder path for giftlet file is not valid.");
    EXPECT_EQ(dialogs_.askedTexts(), QStringList{expected});
    EXPECT_TRUE(ops_.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Giftlet, FOpsGiftletFailure,
    testing::Values(
        FailureCase{"MissingFolder", [](AppState&) {}, "/missing", 0},
        FailureCase{"NoFiles", [](AppState& state) { KillFile(state.ProjectFolder + "/wgcard.html"); }, "",
                    127 + 5},
        FailureCase{"CustomIconNotSet", [](AppState& state) { state.CurIcon = "Custom"; }, "", 127 + 6}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FOpsGiftlet, BrowseTakesAnExistingFolder) {
    const QString chosen = dir_.filePath("chosen");
    EnsureFolder(chosen);
    dialogs_.Answer(chosen);
    ops_.ShowGiftletWindow();
    ops_.bCreate(1)->click();
    EXPECT_EQ(dialogs_.asked().at(0).title, Text(126));
    EXPECT_EQ(ops_.tMakePath()->text(), chosen);
    EXPECT_EQ(state_.GiftletFolder, chosen);
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "CardFol", ""), chosen);
}

TEST_F(FOpsGiftlet, BrowseCancelledKeepsTheFolder) {
    ops_.ShowGiftletWindow();
    ops_.bCreate(1)->click();
    EXPECT_EQ(dialogs_.askedTexts().last(), "Error. Folder does not exist.");
    EXPECT_EQ(ops_.tMakePath()->text(), dir_.filePath("out"));
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "CardFol", "unset"), "unset");
}

TEST_F(FOpsGiftlet, CloseHidesTheWindow) {
    ops_.ShowGiftletWindow();
    ops_.bCreate(2)->click();
    EXPECT_FALSE(ops_.isVisible());
}

} // namespace

// Stands in for the desktop's default handler of local files.
class RecordingOpener : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

namespace {

TEST_F(FOpsGiftlet, TestRunOpensTheGiftletWithTheDesktopHandler) {
    RecordingOpener opener;
    QDesktopServices::setUrlHandler("file", &opener, "open");
    dialogs_.Answer(MessageAnswer::Yes);
    ClickOk(state_.GiftletFolder, "Greeting.exe");
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_EQ(opener.opened, QList<QUrl>{QUrl::fromLocalFile(Out("Greeting.exe"))});
    EXPECT_EQ(dialogs_.askedTexts().size(), 1);
}

} // namespace

#include "FOpsGiftletTest.moc"
