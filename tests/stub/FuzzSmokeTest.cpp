// A short run of the archive reader's fuzz target (a few seconds), seeded with small archives: no crash, no
// sanitizer report, and nothing written outside the fuzz target's own folder.
#include "ZipBuilder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace zb = zipbuilder;
namespace fs = std::filesystem;

namespace {

void WriteSeeds(const fs::path& corpus) {
    fs::create_directories(corpus);
    std::vector<zb::Entry> card = {
        {.name = "wgcard.html", .data = "<html>card</html>"},
        {.name = "pics/a.gif", .data = "GIF89a", .method = zb::kStored},
        {.name = "docs/"},
        {.name = "t.txt", .data = "t", .extra = zb::ExtendedTimeStamp(1600000000)}};
    std::vector<std::string> seeds = {zb::Build(card).bytes, std::string(300, 'M') + zb::Build(card).bytes,
                                      zb::Build(card, {.comment = "comment"}).bytes,
                                      zb::Build({{.name = "e.txt", .data = "encrypted?", .flags = 1}}).bytes};
    for (std::size_t i = 0; i < seeds.size(); ++i)
        std::ofstream(corpus / ("seed" + std::to_string(i)), std::ios::binary) << seeds[i];
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& item : fs::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(StubReaderFuzz, ShortRunFindsNoCrashAndWritesNothingOutside) {
    QTemporaryDir dir;
    fs::path root = dir.path().toStdString();
    fs::create_directories(root / "run");
    fs::create_directories(root / "artifacts");
    WriteSeeds(root / "corpus");
    QProcess fuzzer;
    fuzzer.setWorkingDirectory(QString::fromStdString((root / "run").string()));
    fuzzer.setStandardInputFile(QProcess::nullDevice());
    fuzzer.setProcessChannelMode(QProcess::MergedChannels);
    fuzzer.start(PLS_STUB_FUZZER,
                 {QString::fromStdString((root / "corpus").string()), "-max_total_time=5", "-timeout=10",
                  "-rss_limit_mb=2048",
                  QString::fromStdString("-artifact_prefix=" + (root / "artifacts").string() + "/")});
    ASSERT_TRUE(fuzzer.waitForFinished(120000)) << "the fuzz run did not end in time";
    std::string output = fuzzer.readAll().toStdString();
    EXPECT_EQ(fuzzer.exitCode(), 0) << output;
    EXPECT_TRUE(Names(root / "artifacts").empty()) << output;
    EXPECT_EQ(Names(root / "run"), std::vector<std::string>{"fuzz-jail"});
    EXPECT_EQ(Names(root / "run" / "fuzz-jail"), std::vector<std::string>{"input.zip"});
}

} // namespace
