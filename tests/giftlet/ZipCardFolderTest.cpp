#include "ZipCardFolder.h"

#include "ArchiveListing.h"
#include "ModFileOps.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ZipCardFolderTest : public testing::Test {
protected:
    ZipCardFolderTest() { folder_ = dir_.path(); }
    void Write(const QString& name, const QByteArray& data) { WriteTextFile(folder_ + "/" + name, data); }
    QString Archive() const { return folder_ + "/card.zip"; }

    QTemporaryDir dir_;
    QString folder_;
};

TEST_F(ZipCardFolderTest, EveryFileIsOneEntryUnderItsBareName) {
    const QByteArray page = QByteArray("<HTML><BODY>").repeated(1) + QByteArray("Happy day! ").repeated(500);
    QByteArray noise;
    for (int i = 0; i < 4000; ++i)
        noise.append(char((i * 7919 + i / 13) % 251));
    Write("wgcard.html", page);
    Write("rose.jpg", noise);
    Write("tune.wav", "");

    ASSERT_EQ(ZipCardFolder(folder_, {"wgcard.html", "rose.jpg", "tune.wav"}), ZipResult::Written);

    const std::vector<ListedEntry> entries = ListArchive(ReadWholeFile(Archive()).text);
    ASSERT_EQ(entries.size(), 3u);
    const std::map<std::string, QByteArray> expected = {
        {"wgcard.html", page}, {"rose.jpg", noise}, {"tune.wav", ""}};
    for (const ListedEntry& entry : entries) {
        SCOPED_TRACE(entry.name);
        ASSERT_TRUE(expected.count(entry.name));
        EXPECT_EQ(entry.data, expected.at(entry.name));
        EXPECT_TRUE(entry.method == 0 || entry.method == 8) << entry.method;
        EXPECT_LE(entry.versionNeeded, 20);
        EXPECT_FALSE(entry.encrypted);
    }
    EXPECT_LT(entries[0].compressedSize, page.size() / 10) << "the page was not deflated";
}

struct ZipFailure {
    const char* name;
    int fileCount;     // files written and listed
    QString missing;   // a listed name with no file
    bool archiveTaken; // a folder stands where card.zip is to go
    ZipResult expected;
};

class ZipCardFolderFailure : public ZipCardFolderTest, public testing::WithParamInterface<ZipFailure> {};

TEST_P(ZipCardFolderFailure, RefusesWithItsResultAndLeavesNoArchive) {
    const ZipFailure& c = GetParam();
    QStringList names;
    for (int i = 0; i < c.fileCount; ++i) {
        names << QString("f%1.txt").arg(i);
        Write(names.back(), "x");
    }
    if (!c.missing.isEmpty())
        names << c.missing;
    if (c.archiveTaken)
        EnsureFolder(Archive());
    EXPECT_EQ(ZipCardFolder(folder_, names), c.expected);
    EXPECT_FALSE(FileExists(Archive()));
}

INSTANTIATE_TEST_SUITE_P(
    Giftlet, ZipCardFolderFailure,
    testing::Values(ZipFailure{"HundredFiles", 100, {}, false, ZipResult::TooManyFiles},
                    ZipFailure{"UnreadableFile", 2, "gone.wav", false, ZipResult::FileNotReadable},
                    ZipFailure{"ArchiveNameTaken", 2, {}, true, ZipResult::WriterUnavailable}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ZipCardFolderTest, NinetyNineFilesAreTheMost) {
    QStringList names;
    for (int i = 0; i < kMaxArchiveFiles; ++i) {
        names << QString("f%1.txt").arg(i);
        Write(names.back(), "x");
    }
    ASSERT_EQ(ZipCardFolder(folder_, names), ZipResult::Written);
    EXPECT_EQ(ListArchive(ReadWholeFile(Archive()).text).size(), size_t(kMaxArchiveFiles));
}

} // namespace
