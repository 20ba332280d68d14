#include "GiftletBuilder.h"

#include "ArchiveListing.h"
#include "IconFiles.h"
#include "ModFileOps.h"
#include "SampleIconFile.h"
#include "ZipCardFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class GiftletBuilderTest : public testing::Test {
public:
    GiftletBuilderTest()
        : state_(dir_.path()), store_(dir_.filePath("settings.ini")), builder_(state_, store_) {
        state_.CurIcon = "WP";
        state_.LinkText = "Next Page";
        EnsureFolder(state_.ProjectFolder);
        EnsureFolder(Target());
        WriteTextFile(state_.ProjectFolder + "/wgcard.html", R"(<BODY>One<IMG SRC="rose.gif"></BODY>)");
        WriteTextFile(state_.ProjectFolder + "/Page2.html", "<BODY>Two</BODY>");
        WriteTextFile(state_.ProjectFolder + "/rose.gif", "GIF89a rose");
    }

protected:
    QString Target() const { return dir_.filePath("out"); }
    QByteArray Giftlet(const QString& name = "Greeting.exe") const {
        return ReadWholeFile(Target() + "/" + name).text;
    }

public:
    void UseCustomIcon(const QByteArray& iconFile) {
        EnsureFolder(state_.ProgramFolder + "/icons");
        WriteTextFile(state_.ProgramFolder + "/icons/mine.ico", iconFile);
        store_.write(SettingsStore::kSettings, "CustomIcon", "mine.ico");
        state_.CurIcon = "Custom";
    }

protected:
    QTemporaryDir dir_;
    AppState state_;
    SettingsStore store_;
    GiftletBuilder builder_;
};

TEST(GiftletResources, TheStubAndEveryBuiltInIconAreThere) {
    const QByteArray stub = BuiltInStub();
    ASSERT_EQ(stub.size(), kStubSize);
    EXPECT_TRUE(stub.startsWith("MZ"));
    for (const QString& name : BuiltInIconNames()) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray image = BuiltInIconImage(name);
        ASSERT_EQ(image.size(), kIconImageSize);
        EXPECT_EQ(image.left(16), QByteArray("\x28\0\0\0\x20\0\0\0\x40\0\0\0\x01\0\x04\0", 16));
    }
    EXPECT_NE(BuiltInIconImage("ROSE"), BuiltInIconImage("HEART"));
    EXPECT_TRUE(BuiltInIconImage("Custom").isEmpty());
}

TEST_F(GiftletBuilderTest, GiftletIsTheStubWithTheIconFollowedByTheArchive) {
    state_.CurIcon = "ROSE";
    ASSERT_EQ(ZipCardFolder(state_.ProjectFolder, ListFiles(state_.ProjectFolder, "")), ZipResult::Written);
    const QByteArray archive = ReadWholeFile(state_.ProjectFolder + "/card.zip").text;

    const AssembleOutcome outcome = builder_.AssembleGiftlet(Target() + "/Greeting.exe");

    ASSERT_EQ(outcome.code, AssembleResult::Written);
    const QByteArray giftlet = Giftlet();
    EXPECT_EQ(outcome.size, archive.size() + 77824);
    EXPECT_EQ(giftlet.size(), outcome.size);
    EXPECT_EQ(giftlet.right(archive.size()), archive);
    const QByteArray stub = BuiltInStub();
    EXPECT_EQ(giftlet.left(74928), stub.left(74928));
    EXPECT_EQ(giftlet.mid(74928, 744), BuiltInIconImage("ROSE"));
    EXPECT_EQ(giftlet.mid(75672, 77824 - 75672), stub.mid(75672));
}

TEST_F(GiftletBuilderTest, CustomIconImageGoesIntoTheIconSlot) {
    const QByteArray icon = SampleIconFile(7);
    UseCustomIcon(icon);
    const GiftletOutcome outcome = builder_.BuildGiftlet(Target() + "/", "Greeting.exe");
    ASSERT_EQ(outcome.code, GiftletResult::Written);
    EXPECT_EQ(Giftlet().mid(74928, 744), icon.mid(22, 744));
}

TEST_F(GiftletBuilderTest, BuildPackagesTheProjectAndRemovesCardZip) {
    WriteTextFile(state_.ProjectFolder + "/card.zip", "left over from a failed build");
    WriteTextFile(state_.ProjectFolder + "/unused.jpg", "jpg");
    const GiftletOutcome outcome = builder_.BuildGiftlet(Target(), "Greeting.exe");
    ASSERT_EQ(outcome.code, GiftletResult::Written);
    const QByteArray giftlet = Giftlet();
    EXPECT_EQ(outcome.size, giftlet.size());
    std::vector<std::string> names;
    for (const ListedEntry& entry : ListArchive(giftlet.mid(77824)))
        names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Page2.html", "rose.gif", "wgcard.html"}));
    EXPECT_FALSE(FileExists(state_.ProjectFolder + "/card.zip"));
    EXPECT_FALSE(FileExists(state_.ProjectFolder + "/unused.jpg"));
}

struct FailedBuild {
    const char* name;
    std::function<void(GiftletBuilderTest&, AppState&)> arrange;
    GiftletResult expected;
};

class GiftletBuildFailure : public GiftletBuilderTest, public testing::WithParamInterface<FailedBuild> {};

// A failed build reports its code and leaves the file it was to replace as it was, with nothing beside it.
TEST_P(GiftletBuildFailure, ReportsItsCodeAndKeepsTheOldTarget) {
    WriteTextFile(Target() + "/Greeting.exe", "the old Giftlet");
    GetParam().arrange(*this, state_);
    EXPECT_EQ(builder_.BuildGiftlet(Target(), "Greeting.exe").code, GetParam().expected);
    EXPECT_EQ(Giftlet(), "the old Giftlet");
    EXPECT_EQ(QDir(Target()).entryList(QDir::Files | QDir::Hidden), QStringList{"Greeting.exe"});
}

INSTANTIATE_TEST_SUITE_P(
    Giftlet, GiftletBuildFailure,
    testing::Values(FailedBuild{"EmptyProjectFolder",
                                [](GiftletBuilderTest&, AppState& state) {
                                    DeleteTree(state.ProjectFolder);
                                    EnsureFolder(state.ProjectFolder);
                                },
                                GiftletResult::NoFiles},
                    FailedBuild{"HundredFiles",
                                [](GiftletBuilderTest&, AppState& state) {
                                    for (int i = 0; i < 97; ++i)
                                        WriteTextFile(state.ProjectFolder + QString("/note%1.txt").arg(i),
                                                      "x");
                                },
                                GiftletResult::ArchiveFailed},
                    FailedBuild{"CustomIconMissing",
                                [](GiftletBuilderTest&, AppState& state) { state.CurIcon = "Custom"; },
                                GiftletResult::CustomIconInvalid},
                    FailedBuild{"CustomIconInvalid",
                                [](GiftletBuilderTest& test, AppState&) {
                                    test.UseCustomIcon(SampleIconFile(7).left(700));
                                },
                                GiftletResult::CustomIconInvalid},
                    FailedBuild{"UnknownBuiltInIcon",
                                [](GiftletBuilderTest&, AppState& state) { state.CurIcon = "PUPPY"; },
                                GiftletResult::ExecutableFailed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GiftletBuilderTest, WithoutCardZipNothingIsAssembled) {
    EXPECT_EQ(builder_.AssembleGiftlet(Target() + "/Greeting.exe").code, AssembleResult::NoArchive);
    EXPECT_FALSE(FileExists(Target() + "/Greeting.exe"));
}

TEST_F(GiftletBuilderTest, MissingTargetFolderFailsTheExecutableSection) {
    EXPECT_EQ(builder_.BuildGiftlet(dir_.filePath("no/such"), "Greeting.exe").code,
              GiftletResult::ExecutableFailed);
}

} // namespace
