// A card of two pages with a picture, made into a Giftlet through the Giftlet window and opened under Wine.
// Wine hands "open wgcard.html" to the native `xdg-open`; a recording script of that name comes first on
// PATH. The 32-bit stub needs a kernel that runs 32-bit programs; where it does not, that row is skipped, and
// the same Giftlet assembled from the stub's 64-bit build always runs.
#include "ArchiveListing.h"
#include "GiftletResources.h"
#include "GiftletWindowFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QThread>
#include <map>
#include <pwd.h>
#include <unistd.h>

namespace {

struct WineTarget {
    std::string name;
    QString stub;
    QString loader;
};

bool CanRun(const QString& loader) {
    QProcess probe;
    probe.setStandardInputFile(QProcess::nullDevice());
    probe.start(loader, {"--version"});
    return probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
           probe.exitCode() == 0;
}

class GiftletEndToEnd : public GiftletWindowFixture {
protected:
    GiftletEndToEnd() {
        WriteTextFile(
            Project("wgcard.html"),
            R"(<HTML><BODY>Happy birthday!<IMG SRC="file:///home/me/Pictures/rose.png"></BODY></HTML>)");
        WriteTextFile(Project("Page2.html"), "<HTML><BODY>Page two</BODY></HTML>");
        QImage picture(24, 24, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(Project("rose.png"));
        picture_ = ReadWholeFile(Project("rose.png")).text;
    }

    // Builds through the window, answering No to the test run.
    QByteArray BuildThroughTheWindow() {
        dialogs_.Answer(MessageAnswer::No);
        ClickOk(state_.GiftletFolder, "Birthday");
        return ReadWholeFile(Out("Birthday.exe")).text;
    }

    QByteArray picture_;
};

TEST_F(GiftletEndToEnd, WindowWritesTheStubTheIconAndTheCardArchive) {
    const QByteArray giftlet = BuildThroughTheWindow();
    const QByteArray stub = ReadWholeFile(PLS_PACKSTUB_EXE).text;
    ASSERT_EQ(stub.size(), 77824);
    ASSERT_GT(giftlet.size(), 77824);
    EXPECT_EQ(giftlet.left(74928), stub.left(74928));
    EXPECT_EQ(giftlet.mid(74928, 744), BuiltInIconImage("WP"));
    EXPECT_EQ(giftlet.mid(75672, 77824 - 75672), stub.mid(75672));
    EXPECT_TRUE(dialogs_.askedTexts().at(0).contains(
        "Size of file is: " + QString::number(giftlet.size() / 1024) + " KB."));

    std::map<std::string, QByteArray> entries;
    for (const ListedEntry& entry : ListArchive(giftlet.mid(77824)))
        entries[entry.name] = entry.data;
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries["rose.png"], picture_);
    EXPECT_TRUE(entries["wgcard.html"].contains(R"(<IMG SRC="rose.png">)")) << entries["wgcard.html"].data();
    EXPECT_TRUE(entries["wgcard.html"].contains(R"(<A HREF="Page2.html">Next Page</A>)"));
    EXPECT_FALSE(entries["Page2.html"].contains("<A HREF"));
    EXPECT_FALSE(FileExists(Project("card.zip")));
}

class GiftletUnderWine : public GiftletEndToEnd, public testing::WithParamInterface<WineTarget> {
protected:
    void SetUp() override {
        if (!CanRun(GetParam().loader))
            GTEST_SKIP() << GetParam().loader.toStdString() << " cannot run on this machine";
        prefix_ = QString(PLS_WINE_PREFIX_ROOT) + "/wine-prefix-" + QString::fromStdString(GetParam().name);
        EnsureFolder(dir_.filePath("bin"));
        EnsureFolder(dir_.filePath("run"));
        WriteTextFile(dir_.filePath("bin/xdg-open"), "#!/bin/sh\necho \"$@\" >> \"$PLS_OPEN_LOG\"\n");
        QFile::setPermissions(dir_.filePath("bin/xdg-open"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString TempFolder() const {
        return prefix_ + "/drive_c/users/" + QString::fromLocal8Bit(getpwuid(getuid())->pw_name) + "/Temp";
    }

    // Runs a program of Wine's to its end; its exit code, or -1 when it did not end in time.
    int Run(const QString& program, const QStringList& arguments, int timeoutMs) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", dir_.filePath("bin") + ":" + env.value("PATH"));
        env.insert("WINEPREFIX", prefix_);
        env.insert("WINELOADER", GetParam().loader);
        env.insert("WINEDEBUG", "-all");
        env.insert("DISPLAY", "");
        env.remove("WAYLAND_DISPLAY");
        env.insert("WINEDLLOVERRIDES", "mscoree=;winemenubuilder.exe=d");
        env.insert("PLS_OPEN_LOG", dir_.filePath("opened.log"));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir_.filePath("run"));
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(program, arguments);
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished(5000);
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // The opener is started by another Wine process after the stub has ended.
    QByteArray OpenerLog() const {
        QElapsedTimer waited;
        waited.start();
        while (!FileExists(dir_.filePath("opened.log")) && waited.elapsed() < 10000)
            QThread::msleep(100);
        return ReadWholeFile(dir_.filePath("opened.log")).text;
    }

    QString prefix_;
};

TEST_P(GiftletUnderWine, OpensTheCardFromTheTemporaryFolder) {
    const QByteArray built = BuildThroughTheWindow();
    ASSERT_FALSE(built.isEmpty());
    // The same build once more, on the stub of this target, as the file that runs.
    const GiftletOutcome outcome = GiftletBuilder(state_, store_, ReadWholeFile(GetParam().stub).text)
                                       .BuildGiftlet(state_.GiftletFolder, "Birthday.exe");
    ASSERT_EQ(outcome.code, GiftletResult::Written);
    const QByteArray giftlet = ReadWholeFile(Out("Birthday.exe")).text;
    // The entries' times follow the rewritten pages, so only the size can be compared byte for byte.
    EXPECT_EQ(giftlet.size(), built.size()) << "a second build changed the archive";
    QDir(TempFolder()).removeRecursively();
    EnsureFolder(TempFolder());

    EXPECT_EQ(Run(GetParam().loader, {Out("Birthday.exe")}, 240000), 0);
    EXPECT_EQ(Run("/usr/lib/wine/wineserver", {"-w"}, 60000), 0) << "Wine did not settle";

    const QByteArray opened = OpenerLog();
    EXPECT_TRUE(opened.contains("file://")) << opened.data();
    EXPECT_TRUE(opened.contains("/Temp/wgcard.html")) << opened.data();
    EXPECT_EQ(opened.count('\n'), 1) << opened.data();
    EXPECT_TRUE(ReadWholeFile(TempFolder() + "/wgcard.html").text.contains(R"(<A HREF="Page2.html">)"));
    EXPECT_EQ(ReadWholeFile(TempFolder() + "/Page2.html").text, ReadWholeFile(Project("Page2.html")).text);
    EXPECT_EQ(ReadWholeFile(TempFolder() + "/rose.png").text, picture_);
    EXPECT_TRUE(QDir(dir_.filePath("run")).isEmpty()) << "files appeared where the Giftlet was started";
}

INSTANTIATE_TEST_SUITE_P(Giftlet, GiftletUnderWine,
                         testing::Values(WineTarget{"Win32", PLS_PACKSTUB_EXE, "/usr/lib/wine/wine"},
                                         WineTarget{"Win64", PLS_PACKSTUB64_EXE, "/usr/lib/wine/wine64"}),
                         [](const auto& info) { return info.param.name; });

} // namespace
