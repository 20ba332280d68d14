// The archive reader's conversations with its caller (password and overwrite callbacks, per-file reports) and
// what it gives the written files (modification time, read-only attribute), on archives from libzip and from
// the byte-level builder.
#include "ExtractRun.h"
#include "LibzipArchive.h"
#include "ZipBuilder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace zb = zipbuilder;
namespace fs = std::filesystem;

namespace {

const std::string kPage = "<html><body>Happy birthday!</body></html>\r\n";

struct PasswordCase {
    std::string name;
    std::vector<LibzipEntry> entries;
    std::deque<std::pair<int, std::string>> answers;
    int result;
    std::map<std::string, std::string> files;
    std::vector<std::string> missing;
    std::vector<std::string> prompts;
};

std::ostream& operator<<(std::ostream& out, const PasswordCase& c) {
    return out << c.name;
}

const std::vector<PasswordCase> kPasswordCases = {
    {"EncryptedEntryAmongOthersIsSkipped",
     {{"wgcard.html", kPage}, {"secret.txt", "psst", "secret"}, {"b.txt", "bee"}},
     {},
     1,
     {{"wgcard.html", kPage}, {"b.txt", "bee"}},
     {"secret.txt"},
     {"Enter password for: secret.txt"}},
    {"AllEncryptedAsksOnceThenCancelsAll",
     {{"a.txt", "aa", "secret"}, {"b.txt", "bb", "secret"}},
     {},
     82,
     {},
     {"a.txt", "b.txt"},
     {"Enter password for: a.txt"}},
    {"GivenPasswordOpensLaterEntriesToo",
     {{"a.txt", "aa", "secret"}, {"b.txt", "bb", "secret"}},
     {{PASSWORD_ENTERED, "secret"}},
     0,
     {{"a.txt", "aa"}, {"b.txt", "bb"}},
     {},
     {"Enter password for: a.txt"}},
    {"CancelSkipsOnlyThisEntry",
     {{"a.txt", "aa", "secret"}, {"b.txt", "bb", "secret"}},
     {{PASSWORD_CANCEL, ""}, {PASSWORD_ENTERED, "secret"}},
     1,
     {{"b.txt", "bb"}},
     {"a.txt"},
     {"Enter password for: a.txt", "Enter password for: b.txt"}},
};

class PasswordCases : public ::testing::TestWithParam<PasswordCase> {};

TEST_P(PasswordCases, ExtractsWhatItCanOpen) {
    const PasswordCase& c = GetParam();
    ExtractRun run;
    ASSERT_TRUE(WriteLibzipArchive(run.root() / "archive.zip", c.entries));
    run.passwordAnswers = c.answers;
    EXPECT_EQ(run.ExtractFile(run.root() / "archive.zip"), c.result) << run.reports;
    for (const auto& [name, content] : c.files)
        EXPECT_EQ(run.Read(name), content) << name;
    for (const std::string& name : c.missing)
        EXPECT_FALSE(fs::exists(run.target() / name)) << name;
    EXPECT_EQ(run.passwordPrompts, c.prompts);
}

INSTANTIATE_TEST_SUITE_P(Stub, PasswordCases, ::testing::ValuesIn(kPasswordCases),
                         [](const auto& info) { return info.param.name; });

struct OverwriteCase {
    std::string name;
    std::deque<std::pair<int, std::string>> answers;
    int result;
    std::map<std::string, std::string> files;
    std::vector<std::string> questions;
};

std::ostream& operator<<(std::ostream& out, const OverwriteCase& c) {
    return out << c.name;
}

const std::vector<OverwriteCase> kOverwriteCases = {
    {"YesReplaces",
     {{OVERWRITE_YES, ""}, {OVERWRITE_YES, ""}},
     0,
     {{"a.txt", "new a"}, {"b.txt", "new b"}},
     {"a.txt", "b.txt"}},
    {"AnyOtherAnswerReplaces",
     {{1, ""}, {1, ""}},
     0,
     {{"a.txt", "new a"}, {"b.txt", "new b"}},
     {"a.txt", "b.txt"}},
    {"NoKeepsTheOldFile",
     {{OVERWRITE_NO, ""}, {OVERWRITE_YES, ""}},
     0,
     {{"a.txt", "old a"}, {"b.txt", "new b"}},
     {"a.txt", "b.txt"}},
    {"NoneKeepsAllWithoutAsking",
     {{OVERWRITE_NONE, ""}},
     0,
     {{"a.txt", "old a"}, {"b.txt", "old b"}},
     {"a.txt"}},
    {"AllReplacesAllWithoutAsking",
     {{OVERWRITE_ALL, ""}},
     0,
     {{"a.txt", "new a"}, {"b.txt", "new b"}},
     {"a.txt"}},
    {"RenameWritesUnderTheNewName",
     {{OVERWRITE_RENAME, "c/a2.txt"}, {OVERWRITE_YES, ""}},
     0,
     {{"a.txt", "old a"}, {"c/a2.txt", "new a"}, {"b.txt", "new b"}},
     {"a.txt", "b.txt"}},
    {"RenameOutOfTheTargetIsRefused",
     {{OVERWRITE_RENAME, "../a2.txt"}, {OVERWRITE_YES, ""}},
     2,
     {{"a.txt", "old a"}, {"b.txt", "new b"}},
     {"a.txt", "b.txt"}},
};

class OverwriteCases : public ::testing::TestWithParam<OverwriteCase> {};

TEST_P(OverwriteCases, ExistingFilesFollowTheAnswers) {
    const OverwriteCase& c = GetParam();
    ExtractRun run;
    std::ofstream(run.target() / "a.txt") << "old a";
    std::ofstream(run.target() / "b.txt") << "old b";
    run.overwriteAnswers = c.answers;
    EXPECT_EQ(run.Extract(
                  zb::Build({{.name = "a.txt", .data = "new a"}, {.name = "b.txt", .data = "new b"}}).bytes),
              c.result)
        << run.reports;
    for (const auto& [name, content] : c.files)
        EXPECT_EQ(run.Read(name), content) << name;
    EXPECT_EQ(run.overwriteQuestions, c.questions);
    EXPECT_FALSE(fs::exists(run.root() / "a2.txt"));
}

INSTANTIATE_TEST_SUITE_P(Stub, OverwriteCases, ::testing::ValuesIn(kOverwriteCases),
                         [](const auto& info) { return info.param.name; });

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

struct TimeCase {
    std::string name;
    std::string extra;
    std::time_t expected;
};

std::ostream& operator<<(std::ostream& out, const TimeCase& c) {
    return out << c.name;
}

class TimeCases : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeCases, FileGetsTheEntrysModificationTime) {
    ExtractRun run;
    // 2025-01-15 12:00:00 in the DOS fields.
    ASSERT_EQ(run.Extract(zb::Build({{.name = "a.txt", .data = "a", .extra = GetParam().extra}}).bytes),
              EXTRACT_OK)
        << run.reports;
    struct stat info {};
    ASSERT_EQ(stat((run.target() / "a.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mtime, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Stub, TimeCases,
    ::testing::Values(TimeCase{"DosDateAndTimeAsLocalTime", "", LocalTime(2025, 1, 15, 12, 0, 0)},
                      TimeCase{"ExtendedTimeStamp", zb::ExtendedTimeStamp(1600000000), 1600000000},
                      TimeCase{"InfoZipUnixBlock", zb::UnixOldBlock(1500000000, 1400000000), 1400000000},
                      TimeCase{"TimeStampWinsOverUnixBlock",
                               zb::UnixOldBlock(1, 1400000000) + zb::ExtendedTimeStamp(1600000000),
                               1600000000}),
    [](const auto& info) { return info.param.name; });

TEST(ExtractAttributes, ReadOnlyEntryIsReadOnlyAndStillReplacedOnTheNextRun) {
    ExtractRun run;
    auto archive = [](const std::string& data) {
        return zb::Build({{.name = "a.txt", .data = data, .externalAttributes = 0x01}}).bytes;
    };
    ASSERT_EQ(run.Extract(archive("first")), EXTRACT_OK) << run.reports;
    EXPECT_EQ(fs::status(run.target() / "a.txt").permissions() & fs::perms::owner_write, fs::perms::none);
    ASSERT_EQ(run.Extract(archive("second")), EXTRACT_OK) << run.reports;
    EXPECT_EQ(run.Read("a.txt"), "second");
}

TEST(ExtractAttributes, UnixEntriesKeepTheirPermissions) {
    ExtractRun run;
    ASSERT_EQ(
        run.Extract(
            zb::Build(
                {{.name = "a.txt", .data = "a", .hostSystem = zb::kHostUnix, .externalAttributes = 0x01}})
                .bytes),
        EXTRACT_OK);
    EXPECT_NE(fs::status(run.target() / "a.txt").permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST(ExtractReports, EachExtractedFileIsReportedWithItsFigures) {
    ExtractRun run;
    std::string data(1000, 'x');
    ASSERT_EQ(run.Extract(zb::Build({{.name = "x.txt", .data = data},
                                     {.name = "s.txt", .data = "ss", .method = zb::kStored}})
                              .bytes),
              EXTRACT_OK);
    ASSERT_EQ(run.entryReportNames, (std::vector<std::string>{"x.txt", "s.txt"}));
    const EntryReport& deflated = run.entryReports[0];
    EXPECT_EQ(deflated.uncompressedSize, 1000u);
    EXPECT_EQ(deflated.compressedSize, zb::RawDeflate(data).size());
    EXPECT_GT(deflated.ratioPermille, 900);
    EXPECT_STREQ(deflated.methodName, "Defl:N");
    EXPECT_EQ(deflated.year, 2025u);
    EXPECT_EQ(deflated.month, 1u);
    EXPECT_EQ(deflated.day, 15u);
    EXPECT_EQ(deflated.hour, 12u);
    EXPECT_STREQ(run.entryReports[1].methodName, "Stored");
}

TEST(ExtractLibzip, ArchiveAsTheGiftletBuilderWritesItExtractsSilently) {
    ExtractRun run;
    std::string picture(40000, '\0');
    for (std::size_t i = 0; i < picture.size(); ++i)
        picture[i] = static_cast<char>(i * i % 251);
    ASSERT_TRUE(WriteLibzipArchive(run.root() / "archive.zip",
                                   {{"wgcard.html", kPage}, {"Page2.html", "two"}, {"rose.jpg", picture}}));
    EXPECT_EQ(run.ExtractFile(run.root() / "archive.zip"), EXTRACT_OK);
    EXPECT_EQ(run.reports, "");
    EXPECT_EQ(run.Read("wgcard.html"), kPage);
    EXPECT_TRUE(run.Read("rose.jpg") == picture);
}

} // namespace
