// The built stub under Wine, end to end: a Giftlet (the stub with an archive appended) is started from
// another folder; its files must appear in Wine's temporary folder and nowhere else, the exit code must be 0,
// and the page must be handed to the desktop's opener only when everything was extracted. The opener is a
// recording stand-in: Wine passes ".html" to the native `xdg-open`, and the test puts a script of that name
// first on PATH. The 32-bit stub needs a kernel that runs 32-bit programs; where it does not, those rows are
// skipped and the same sources built for 64-bit Wine stand in.
#include "LibzipArchive.h"

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <pwd.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kPage = "<html><body>Happy birthday from Wine!</body></html>\r\n";

struct WineTarget {
    std::string name;
    std::string stub;
    std::string loader;
};

struct WineCase {
    std::string name;
    std::vector<LibzipEntry> archive; // empty: the stub alone
    bool opensPage;
    std::vector<std::string> extracted;
    std::vector<std::string> notExtracted;
};

const std::vector<WineTarget> kTargets = {{"Win32", PLS_PACKSTUB_EXE, "/usr/lib/wine/wine"},
                                          {"Win64", PLS_PACKSTUB64_EXE, "/usr/lib/wine/wine64"}};

const std::vector<WineCase> kCases = {
    {"GiftletOpensItsPage",
     {{"wgcard.html", kPage}, {"pics/a.gif", "GIF89a picture"}, {"Page2.html", "two"}},
     true,
     {"wgcard.html", "pics/a.gif", "Page2.html"},
     {}},
    {"StubWithoutArchiveOpensNothing", {}, false, {}, {"wgcard.html"}},
    {"EncryptedEntryAmongOthersOpensNothing",
     {{"wgcard.html", kPage}, {"secret.txt", "psst", "secret"}, {"b.txt", "bee"}},
     false,
     {"wgcard.html", "b.txt"},
     {"secret.txt"}},
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool CanRun(const std::string& loader) {
    QProcess probe;
    probe.setStandardInputFile(QProcess::nullDevice());
    probe.start(QString::fromStdString(loader), {"--version"});
    return probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
           probe.exitCode() == 0;
}

class WineEndToEnd : public ::testing::TestWithParam<std::tuple<WineTarget, WineCase>> {
protected:
    void SetUp() override {
        const WineTarget& target = std::get<0>(GetParam());
        if (!CanRun(target.loader))
            GTEST_SKIP() << target.loader << " cannot run on this machine";
        root_ = dir_.path().toStdString();
        prefix_ = fs::path(PLS_WINE_PREFIX_ROOT) / ("wine-prefix-" + target.name);
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "giftlet");
        fs::create_directories(root_ / "run");
        std::ofstream(root_ / "bin" / "xdg-open") << "#!/bin/sh\necho \"$@\" >> \"$PLS_OPEN_LOG\"\n";
        fs::permissions(root_ / "bin" / "xdg-open", fs::perms::owner_all);
    }

    fs::path TempFolder() const {
        return prefix_ / "drive_c" / "users" / getpwuid(getuid())->pw_name / "Temp";
    }

    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", QString::fromStdString((root_ / "bin").string()) + ":" + env.value("PATH"));
        env.insert("WINEPREFIX", QString::fromStdString(prefix_.string()));
        env.insert("WINELOADER", QString::fromStdString(std::get<0>(GetParam()).loader));
        env.insert("WINEDEBUG", "-all");
        env.insert("DISPLAY", "");
        env.remove("WAYLAND_DISPLAY");
        // No Mono installer, and no menu entries or file associations written into the user's desktop.
        env.insert("WINEDLLOVERRIDES", "mscoree=;winemenubuilder.exe=d");
        env.insert("PLS_OPEN_LOG", QString::fromStdString((root_ / "opened.log").string()));
        return env;
    }

    // Runs a program of Wine's to its end; returns its exit code, or -1 when it did not end in time.
    int Run(const std::string& program, const QStringList& arguments, int timeoutMs) const {
        QProcess process;
        process.setProcessEnvironment(Environment());
        process.setWorkingDirectory(QString::fromStdString((root_ / "run").string()));
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(QString::fromStdString(program), arguments);
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished(5000);
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // The opener is started by another Wine process after the stub has ended; give it a moment.
    std::string OpenerLog(bool expected) const {
        fs::path log = root_ / "opened.log";
        for (int waited = 0; expected && !fs::exists(log) && waited < 100; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return fs::exists(log) ? ReadAll(log) : "";
    }

    QTemporaryDir dir_;
    fs::path root_;
    fs::path prefix_;
};

TEST_P(WineEndToEnd, ExtractsIntoTempAndOpensThePageOnlyWhenAllWentWell) {
    const auto& [target, c] = GetParam();
    fs::path giftlet = root_ / "giftlet" / "Greeting.exe";
    fs::copy_file(target.stub, giftlet);
    if (!c.archive.empty()) {
        ASSERT_TRUE(WriteLibzipArchive(root_ / "card.zip", c.archive));
        std::ofstream(giftlet, std::ios::binary | std::ios::app) << ReadAll(root_ / "card.zip");
    }
    if (fs::exists(TempFolder()))
        for (const fs::directory_entry& item : fs::directory_iterator(TempFolder()))
            fs::remove_all(item.path());

    EXPECT_EQ(Run(target.loader, {QString::fromStdString(giftlet.string())}, 240000), 0);
    EXPECT_EQ(Run("/usr/lib/wine/wineserver", {"-w"}, 60000), 0) << "Wine did not settle";

    std::string opened = OpenerLog(c.opensPage);
    if (c.opensPage) {
        EXPECT_NE(opened.find("file://"), std::string::npos) << opened;
        EXPECT_NE(opened.find("/Temp/wgcard.html"), std::string::npos) << opened;
        EXPECT_EQ(std::count(opened.begin(), opened.end(), '\n'), 1) << opened;
    } else {
        EXPECT_EQ(opened, "");
    }
    for (const LibzipEntry& entry : c.archive) {
        if (std::find(c.extracted.begin(), c.extracted.end(), entry.name) != c.extracted.end()) {
            EXPECT_EQ(ReadAll(TempFolder() / entry.name), entry.data) << entry.name;
        }
    }
    for (const std::string& name : c.notExtracted)
        EXPECT_FALSE(fs::exists(TempFolder() / name)) << name;
    EXPECT_TRUE(fs::is_empty(root_ / "run")) << "files appeared in the folder the Giftlet was started from";
    EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "giftlet"), fs::directory_iterator()), 1)
        << "files appeared beside the Giftlet";
}

INSTANTIATE_TEST_SUITE_P(Stub, WineEndToEnd,
                         ::testing::Combine(::testing::ValuesIn(kTargets), ::testing::ValuesIn(kCases)),
                         [](const auto& info) {
                             return std::get<0>(info.param).name + "_" + std::get<1>(info.param).name;
                         });

} // namespace
