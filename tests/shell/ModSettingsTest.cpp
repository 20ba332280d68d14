#include "ModSettings.h"

#include "ModFileOps.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ModSettingsTest : public testing::Test {
protected:
    ModSettingsTest() : store_(dir_.filePath("KVPLS2.ini")), state_(dir_.filePath("program")) {
        state_.DesktopPath = dir_.filePath("desktop");
        EnsureFolder(state_.DesktopPath);
    }

    void Set(const QString& key, const QString& value) { store_.write(SettingsStore::kSettings, key, value); }
    void LoadAll() {
        LoadSettings(store_, state_);
        LoadFolderAndIconSettings(store_, state_);
        LoadCustColors(store_, state_);
    }

    QTemporaryDir dir_;
    SettingsStore store_;
    AppState state_;
};

TEST_F(ModSettingsTest, FirstRunGivesDefaults) {
    LoadAll();
    EXPECT_EQ(state_.MainWindow.sizeIndex, 2) << "size box shows \"3\"";
    EXPECT_EQ(state_.MainWindow.textColor, 0) << "black swatch";
    EXPECT_EQ(state_.MainWindow.faceIndex, 0);
    EXPECT_FALSE(state_.MainWindow.normalSize) << "maximized";
    EXPECT_EQ(state_.GiftletFolder, state_.DesktopPath);
    EXPECT_EQ(state_.LinkText, "Next Page");
    EXPECT_EQ(state_.CurIcon, "WP");
    EXPECT_EQ(state_.Icon.option, 0);
    EXPECT_FALSE(LoadCompat4(store_));
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath("KVPLS2.ini"))) << "reading writes nothing";
}

TEST_F(ModSettingsTest, StoredValuesAreTaken) {
    Set("BSz", "5");
    Set("BCol", "#FF0000");
    Set("BFaceDex", "-3");
    Set("Winset", "0");
    Set("W1", "9000");
    Set("H1", "6000");
    Set("CardFol", dir_.path());
    Set("LinkText", "Weiter");
    Set("Compat4", "yes");
    store_.write(SettingsStore::kCustColors, "15", "16711680");
    LoadAll();
    EXPECT_EQ(state_.MainWindow.sizeIndex, 4);
    EXPECT_EQ(state_.MainWindow.textColor, 255);
    EXPECT_EQ(state_.MainWindow.faceIndex, 0) << "a negative face index is raised to 0";
    EXPECT_EQ(state_.MainWindow.normalSize, QSize(600, 400)) << "twips to pixels at 15 a pixel";
    EXPECT_EQ(state_.GiftletFolder, dir_.path());
    EXPECT_EQ(state_.LinkText, "Weiter");
    EXPECT_TRUE(LoadCompat4(store_));
    EXPECT_EQ(state_.CustColors[15], 16711680);
    EXPECT_EQ(state_.CustColors[0], 0);
}

TEST_F(ModSettingsTest, BadValuesAreIgnored) {
    Set("BSz", "big");
    Set("BFaceDex", "x");
    Set("Winset", "0");
    Set("W1", "abc");
    Set("CardFol", dir_.filePath("gone"));
    store_.write(SettingsStore::kCustColors, "3", "red");
    state_.CustColors[3] = 42;
    LoadAll();
    EXPECT_FALSE(state_.MainWindow.sizeIndex);
    EXPECT_FALSE(state_.MainWindow.faceIndex);
    EXPECT_FALSE(state_.MainWindow.normalSize) << "width 0 keeps the designed, maximized state";
    EXPECT_EQ(state_.GiftletFolder, state_.DesktopPath)
        << "a missing Giftlet folder falls back to the desktop";
    EXPECT_EQ(state_.CustColors[3], 42);
}

TEST_F(ModSettingsTest, IconChoice) {
    struct Case {
        const char* name;
        const char* number;
        const char* customIcon;
        int option;
        const char* curIcon;
    };
    EnsureFolder(state_.ProgramFolder + "/icons");
    WriteTextFile(state_.ProgramFolder + "/icons/mine.ico", "icon");
    for (const Case& c : {Case{"in range", "7", "", 7, "ROSE"}, Case{"above range", "11", "", 0, "ROSE"},
                          Case{"negative", "-1", "", 0, "ROSE"}, Case{"not a number", "x", "", 0, "ROSE"},
                          Case{"custom file present", "10", "mine.ico", 10, "ROSE"},
                          Case{"custom file deleted", "10", "gone.ico", 0, "WP"},
                          Case{"custom name empty", "10", "", 0, "WP"}}) {
        SCOPED_TRACE(c.name);
        Set("CurIcon", "ROSE");
        Set("CurIconNum", c.number);
        Set("CustomIcon", c.customIcon);
        LoadFolderAndIconSettings(store_, state_);
        EXPECT_EQ(state_.Icon.option, c.option);
        EXPECT_EQ(state_.CurIcon, c.curIcon);
        EXPECT_EQ(store_.read(SettingsStore::kSettings, "CurIconNum", ""), c.number)
            << "stored keys unchanged";
    }
    EXPECT_EQ(state_.Icon.customIconFile, QString()) << "no custom icon after a fallback";
}

TEST_F(ModSettingsTest, SaveAndLoadAgain) {
    SaveSettings(store_, {"#00FF00", "Verdana, Tahoma", "4", 2, WindowState::Normal, QSize(800, 600)});
    state_.CustColors[5] = 0x123456;
    SaveCustColors(store_, state_);

    AppState next(state_.ProgramFolder);
    LoadSettings(store_, next);
    LoadCustColors(store_, next);
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "BFace", ""), "Verdana, Tahoma");
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "W1", ""), "12000");
    EXPECT_EQ(next.MainWindow.sizeIndex, 3);
    EXPECT_EQ(next.MainWindow.textColor, 0x00FF00);
    EXPECT_EQ(next.MainWindow.faceIndex, 2);
    EXPECT_EQ(next.MainWindow.normalSize, QSize(800, 600));
    EXPECT_EQ(next.CustColors[5], 0x123456);
}

TEST_F(ModSettingsTest, QuittingMinimizedKeepsWindowKeys) {
    SaveSettings(store_, {"#000000", "Arial, Helvetica", "3", 0, WindowState::Normal, QSize(700, 500)});
    SaveSettings(store_, {"#000000", "Arial, Helvetica", "3", -1, WindowState::Minimized, QSize(10, 10)});
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "Winset", ""), "0");
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "W1", ""), "10500");
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "H1", ""), "7500");
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "BFaceDex", ""), "0")
        << "no selection keeps the old index";

    SaveSettings(store_, {"#000000", "Arial, Helvetica", "3", -1, WindowState::Maximized, {}});
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "Winset", ""), "2");
    EXPECT_EQ(store_.read(SettingsStore::kSettings, "W1", ""), "10500");
}

} // namespace
