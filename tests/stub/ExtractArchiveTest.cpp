// The archive reader on archives of every shape it must handle: result code, files written, reports, and that
// nothing is ever written outside the target folder.
#include "ExtractRun.h"
#include "ZipBuilder.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>

namespace zb = zipbuilder;
namespace fs = std::filesystem;

namespace {

const std::string kPage = "<html><body><font face=\"Arial\">Happy birthday!</font></body></html>\r\n";
const std::string kPage2 = "<html><body>Page two, with a <img src=\"a.gif\"></body></html>\r\n";
const std::string kAbsoluteEvil = "/tmp/pls-stub-test-absolute-evil.txt";

std::string Picture() {
    std::string gif = "GIF89a";
    for (int i = 0; i < 3000; ++i)
        gif.push_back(static_cast<char>((i * 7919) % 251));
    return gif;
}

std::vector<zb::Entry> CardEntries() {
    return {{.name = "wgcard.html", .data = kPage},
            {.name = "a.gif", .data = Picture(), .method = zb::kStored},
            {.name = "Page2.html", .data = kPage2}};
}

const std::map<std::string, std::string> kCardFiles = {
    {"wgcard.html", kPage}, {"a.gif", Picture()}, {"Page2.html", kPage2}};

std::string Card() {
    return zb::Build(CardEntries()).bytes;
}

std::string StubBytes() {
    std::string stub(77824, '\0');
    stub.replace(0, 2, "MZ");
    for (std::size_t i = 64; i < stub.size(); i += 3)
        stub[i] = static_cast<char>(i % 253);
    return stub;
}

void PutLe32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

// The card with one field of the first central header (or of the end record) overwritten.
std::string CardWithCentralField(std::size_t field, std::uint32_t value) {
    std::string bytes = Card();
    PutLe32(bytes, bytes.find("PK\x01\x02") + field, value);
    return bytes;
}

std::string CardWithOneSafeEntryAnd(const std::string& unsafeName) {
    return zb::Build({{.name = unsafeName, .data = "evil"}, {.name = "wgcard.html", .data = kPage}}).bytes;
}

enum class Expect { Exactly, AtLeast };

struct ArchiveCase {
    std::string name;
    std::function<std::string()> make;
    int result;
    Expect compare;
    std::map<std::string, std::string> files; // below the target, with their contents
    std::string reportHas;                    // empty: no report at all
    std::vector<std::string> folders = {};
};

std::ostream& operator<<(std::ostream& out, const ArchiveCase& c) {
    return out << c.name;
}

const std::vector<ArchiveCase> kCases = {
    {"GiftletWithStubInFront", [] { return StubBytes() + Card(); }, 0, Expect::Exactly, kCardFiles, ""},
    {"PlainArchive", Card, 0, Expect::Exactly, kCardFiles, ""},
    {"TruncatedFront",
     [] { return Card().substr(10); },
     2,
     Expect::AtLeast,
     {{"a.gif", Picture()}, {"Page2.html", kPage2}},
     "missing 10 bytes in zipfile"},
    {"LongestComment", [] { return zb::Build(CardEntries(), {.comment = std::string(65535, 'c')}).bytes; }, 0,
     Expect::Exactly, kCardFiles, ""},
    {"CommentHoldingEndSignature",
     [] { return zb::Build(CardEntries(), {.comment = "see PK\x05\x06 here"}).bytes; }, 0, Expect::Exactly,
     kCardFiles, ""},
    {"OnlyEntryHasUnsupportedMethod",
     [] { return zb::Build({{.name = "x.bin", .data = "xx", .method = 14}}).bytes; },
     81,
     Expect::Exactly,
     {},
     "unsupported compression method 14"},
    {"OnlyEntryNeedsNewerVersion",
     [] { return zb::Build({{.name = "x.bin", .data = "xx", .versionNeeded = 45}}).bytes; },
     81,
     Expect::Exactly,
     {},
     "need PK compat. v4.5 (can do v2.0)"},
    {"UnsupportedMethodBesideGoodEntries",
     [] {
         auto entries = CardEntries();
         entries.push_back({.name = "x.bin", .data = "xx", .method = 12});
         return zb::Build(entries).bytes;
     },
     0, Expect::Exactly, kCardFiles, "unsupported compression method 12"},
    {"ChangedByteInDeflatedEntry",
     [] {
         auto entries = CardEntries();
         entries[0].data = std::string(20000, 'x') + kPage;
         zb::Archive archive = zb::Build(entries);
         archive.bytes[archive.dataOffsets[0] + 5] ^= 0x55;
         return archive.bytes;
     },
     2,
     Expect::AtLeast,
     {{"a.gif", Picture()}, {"Page2.html", kPage2}},
     "wgcard.html"},
    {"FoldersFromNames",
     [] {
         return zb::Build({{.name = "pics/a.gif", .data = Picture()},
                           {.name = "docs/"},
                           {.name = "x\\y.txt", .data = "y"}})
             .bytes;
     },
     0,
     Expect::Exactly,
     {{"pics/a.gif", Picture()}, {"x/y.txt", "y"}},
     "creating: pics",
     {"pics", "docs", "x"}},
    {"ClimbingOut",
     [] { return CardWithOneSafeEntryAnd("../evil.txt"); },
     2,
     Expect::AtLeast,
     {{"wgcard.html", kPage}},
     "skipping: ../evil.txt"},
    {"ClimbingOutBelowAFolder",
     [] { return CardWithOneSafeEntryAnd("sub/../../evil.txt"); },
     2,
     Expect::AtLeast,
     {{"wgcard.html", kPage}},
     "skipping: sub/../../evil.txt"},
    {"ClimbingOutWithBackslashes",
     [] { return CardWithOneSafeEntryAnd("..\\evil.txt"); },
     2,
     Expect::AtLeast,
     {{"wgcard.html", kPage}},
     "skipping"},
    {"ClimbingOutWithTrailingBlank",
     [] { return CardWithOneSafeEntryAnd("sub/.. /../evil.txt"); },
     2,
     Expect::AtLeast,
     {{"wgcard.html", kPage}},
     "skipping"},
    {"AbsoluteName",
     [] { return CardWithOneSafeEntryAnd(kAbsoluteEvil); },
     2,
     Expect::AtLeast,
     {{"wgcard.html", kPage}},
     "skipping"},
    {"DriveLetter",
     [] { return CardWithOneSafeEntryAnd("C:evil.txt"); },
     2,
     Expect::AtLeast,
     {{"wgcard.html", kPage}},
     "skipping: C:evil.txt"},
    {"OnlyUnsafeEntries",
     [] { return zb::Build({{.name = "../evil.txt", .data = "evil"}}).bytes; },
     2,
     Expect::Exactly,
     {},
     "skipping"},
    {"DeflateBombPastStatedSize",
     [] {
         return zb::Build({{.name = "bomb.txt", .data = std::string(1 << 20, 'z'), .statedSize = 1000}})
             .bytes;
     },
     2,
     Expect::Exactly,
     {{"bomb.txt", std::string(1000, 'z')}},
     "invalid compressed data to inflate"},
    {"StoredDataPastStatedSize",
     [] {
         return zb::Build({{.name = "big.txt",
                            .data = std::string(5000, 's'),
                            .method = zb::kStored,
                            .statedSize = 100}})
             .bytes;
     },
     2,
     Expect::Exactly,
     {{"big.txt", std::string(100, 's')}},
     "invalid compressed data to extract"},
    {"CompressedSizePastEndOfFile",
     [] { return CardWithCentralField(20, 0x7FFFFFF0); },
     51,
     Expect::Exactly,
     {{"a.gif", Picture()}, {"Page2.html", kPage2}},
     "runs past the end of the zipfile"},
    {"LocalOffsetPastEndOfFile",
     [] { return CardWithCentralField(42, 0x00FFFFFF); },
     3,
     Expect::Exactly,
     {{"a.gif", Picture()}, {"Page2.html", kPage2}},
     "bad local header offset 16777215"},
    {"EntryCountTooHigh",
     [] {
         std::string bytes = Card();
         std::size_t end = bytes.rfind("PK\x05\x06");
         bytes[end + 8] = bytes[end + 10] = 4;
         return bytes;
     },
     3, Expect::Exactly, kCardFiles, "expected central file header signature not found (file #4)"},
    {"NoEntriesCounted",
     [] {
         std::string bytes = Card();
         std::size_t end = bytes.rfind("PK\x05\x06");
         bytes[end + 8] = bytes[end + 10] = 0;
         return bytes;
     },
     11,
     Expect::Exactly,
     {},
     ""},
    {"VmsEntryMayNeedVersion42",
     [] { return zb::Build({{.name = "v.txt", .data = "vms", .versionNeeded = 42, .hostSystem = 2}}).bytes; },
     0,
     Expect::Exactly,
     {{"v.txt", "vms"}},
     ""},
    {"NoEndRecord",
     [] { return std::string(5000, 'r'); },
     2,
     Expect::Exactly,
     {},
     "End-of-central-directory signature not found"},
    {"StubWithoutArchive", StubBytes, 2, Expect::Exactly, {}, "End-of-central-directory signature not found"},
    {"EmptyArchive", [] { return zb::Build({}).bytes; }, 1, Expect::Exactly, {}, "zipfile is empty"},
    {"NullCentralDirectoryOffset", [] { return zb::Build(CardEntries(), {.centralOffsetZero = true}).bytes; },
     2, Expect::Exactly, kCardFiles, "NULL central directory offset"},
    {"OffsetsCountFromFileStart",
     [] {
         return StubBytes() +
                zb::Build(CardEntries(), {.localOffsetBase = 77824, .centralOffsetBase = 77824}).bytes;
     },
     0, Expect::Exactly, kCardFiles, ""},
    {"CentralDirectoryRetriedWithoutShift",
     [] { return zb::Build(CardEntries(), {.centralSizeShortfall = 4}).bytes; }, 2, Expect::Exactly,
     kCardFiles, ""},
    {"LocalHeadersRetriedWithoutShift",
     [] { return StubBytes() + zb::Build(CardEntries(), {.localOffsetBase = 77824}).bytes; }, 2,
     Expect::Exactly, kCardFiles, "bad local header offset"},
    {"SizesInDataDescriptor",
     [] { return zb::Build({{.name = "wgcard.html", .data = kPage, .flags = 8}}).bytes; },
     0,
     Expect::Exactly,
     {{"wgcard.html", kPage}},
     ""},
    {"NameLongerThanPathBuffer",
     [] {
         std::string name;
         while (name.size() < 400)
             name += "folder/";
         return zb::Build({{.name = name + "x.txt", .data = "deep"}}).bytes;
     },
     1,
     Expect::Exactly,
     {},
     "filename too long--truncating."},
};

class ArchiveCases : public ::testing::TestWithParam<ArchiveCase> {};

TEST_P(ArchiveCases, ResultFilesAndReports) {
    const ArchiveCase& c = GetParam();
    ExtractRun run;
    int result = run.Extract(c.make());
    if (c.compare == Expect::Exactly)
        EXPECT_EQ(result, c.result) << run.reports;
    else
        EXPECT_GE(result, c.result) << run.reports;
    for (const auto& [name, content] : c.files) {
        std::string extracted = run.Read(name).value_or("(missing)");
        EXPECT_TRUE(extracted == content)
            << name << ": " << extracted.size() << " bytes, " << content.size() << " expected";
    }
    for (const std::string& folder : c.folders)
        EXPECT_TRUE(fs::is_directory(run.target() / folder)) << folder;
    if (c.reportHas.empty())
        EXPECT_EQ(run.reports, "");
    else
        EXPECT_NE(run.reports.find(c.reportHas), std::string::npos) << run.reports;
    for (const fs::directory_entry& item : fs::directory_iterator(run.root()))
        EXPECT_TRUE(item.path().filename() == "target" || item.path().filename() == "archive.zip")
            << "written outside the target: " << item.path();
    EXPECT_FALSE(fs::exists(kAbsoluteEvil));
}

INSTANTIATE_TEST_SUITE_P(Stub, ArchiveCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

// A file-size limit makes writes fail as on a full disk; the extraction stops at the first failed write.
TEST(ExtractArchive, FailedWriteIsDiskFullAndEndsTheExtraction) {
    ExtractRun run;
    std::string archive = zb::Build({{.name = "big.bin", .data = std::string(300000, 'b')},
                                     {.name = "after.txt", .data = "after"}})
                              .bytes;
    std::ofstream(run.root() / "archive.zip", std::ios::binary) << archive;
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 100000;
    auto previous = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    int result = run.ExtractFile(run.root() / "archive.zip");
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_EQ(result, EXTRACT_DISK_FULL) << run.reports;
    EXPECT_NE(run.reports.find("write error (disk full?)."), std::string::npos) << run.reports;
    EXPECT_FALSE(fs::exists(run.target() / "after.txt"));
}

TEST(ExtractArchive, MissingArchiveFileCannotBeOpened) {
    ExtractRun run;
    EXPECT_EQ(run.ExtractFile(run.root() / "no-such.exe"), EXTRACT_CANNOT_OPEN);
    EXPECT_NE(run.reports.find("cannot find myself!"), std::string::npos);
}

} // namespace
