#include "ModFileOps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

class ModFileOpsTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    void Make(const QString& name, const QByteArray& text = "x") {
        QDir().mkpath(QFileInfo(Path(name)).path());
        ASSERT_TRUE(WriteTextFile(Path(name), text));
    }
    static void MakeReadOnly(const QString& path) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    QTemporaryDir dir_;
};

TEST_F(ModFileOpsTest, WriteAndReadKeepEveryByte) {
    const QByteArray text("<P>caf\xC3\xA9 \xFF\xFE bad utf-8\0and a NUL</P>", 36);
    ASSERT_TRUE(WriteTextFile(Path("page.html"), text));
    const FileText read = ReadWholeFile(Path("page.html"));
    EXPECT_FALSE(read.missing);
    EXPECT_EQ(read.text, text);
}

TEST_F(ModFileOpsTest, ReadOfMissingFileSaysSo) {
    const FileText read = ReadWholeFile(Path("none.html"));
    EXPECT_TRUE(read.missing);
    EXPECT_TRUE(read.text.isEmpty());
    EXPECT_TRUE(ReadWholeFile(dir_.path()).missing) << "a folder is no file";
}

TEST_F(ModFileOpsTest, WriteReplacesReadOnlyFile) {
    Make("page.html", "old");
    MakeReadOnly(Path("page.html"));
    ASSERT_TRUE(WriteTextFile(Path("page.html"), "new"));
    EXPECT_EQ(ReadWholeFile(Path("page.html")).text, "new");
}

// A write that fails half-way (here: the file size limit, as on a full disk) must leave the old page whole.
TEST_F(ModFileOpsTest, FailedWriteLeavesOldFileIntact) {
    Make("page.html", "<HTML>the old page</HTML>");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);

    const bool written = WriteTextFile(Path("page.html"), QByteArray(100000, 'n'));

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadWholeFile(Path("page.html")).text, "<HTML>the old page</HTML>");
    EXPECT_EQ(ListFiles(dir_.path(), {}), QStringList{"page.html"}) << "no temporary file left behind";
}

TEST_F(ModFileOpsTest, DeleteTreeRemovesReadOnlyFilesAndFolders) {
    Make("card/wgcard.html");
    Make("card/.hidden");
    Make("card/pics/deep/a.gif");
    MakeReadOnly(Path("card/wgcard.html"));
    MakeReadOnly(Path("card/pics/deep/a.gif"));
    MakeReadOnly(Path("card/pics/deep"));

    DeleteTree(Path("card") + "/");

    EXPECT_FALSE(QFileInfo::exists(Path("card")));
}

TEST_F(ModFileOpsTest, DeleteTreeLeavesFilesAlone) {
    Make("page.html");
    DeleteTree(Path("page.html"));
    EXPECT_TRUE(FileExists(Path("page.html")));
}

TEST_F(ModFileOpsTest, CopyFolderFilesCodes) {
    Make("src/a.html");
    Make("src/b.gif");
    Make("src/sub/c.html");
    Make("taken/x");

    EXPECT_EQ(CopyFolderFiles(Path("src"), Path("taken")), CopyFolderResult::TargetExists);
    EXPECT_EQ(CopyFolderFiles(Path("none"), Path("dst")), CopyFolderResult::SourceMissing);
    EXPECT_FALSE(QFileInfo::exists(Path("dst")));
    EXPECT_EQ(CopyFolderFiles(Path("src"), Path("dst")), CopyFolderResult::Copied);
    EXPECT_EQ(ListFiles(Path("dst"), {}), (QStringList{"a.html", "b.gif"})) << "subfolders are not copied";
}

TEST_F(ModFileOpsTest, MoveAndCopyOfMissingSourceChangeNothing) {
    Make("target.html", "keep");
    MoveFileOver(Path("none.html"), Path("target.html"));
    CopyFileOver(Path("none.html"), Path("target.html"));
    KillFile(Path("none.html"));
    EXPECT_EQ(ReadWholeFile(Path("target.html")).text, "keep");
}

TEST_F(ModFileOpsTest, MoveReplacesReadOnlyTarget) {
    Make("Page3.html", "three");
    Make("Page2.html", "two");
    MakeReadOnly(Path("Page2.html"));
    MoveFileOver(Path("Page3.html"), Path("Page2.html"));
    EXPECT_EQ(ReadWholeFile(Path("Page2.html")).text, "three");
    EXPECT_FALSE(FileExists(Path("Page3.html")));
}

TEST_F(ModFileOpsTest, ListingsAndSizes) {
    Make("wgcard.html", "12345");
    Make("Page2.HTML");
    Make(".hidden.html");
    Make("pic.gif");
    Make("saved/one/x");
    Make("saved/.trash/x");

    EXPECT_EQ(ListFiles(dir_.path(), "html"), (QStringList{".hidden.html", "Page2.HTML", "wgcard.html"}));
    EXPECT_EQ(ListFiles(dir_.path(), {}).size(), 4);
    EXPECT_TRUE(ListFiles(Path("none"), "html").isEmpty());
    EXPECT_EQ(ListSubfolders(Path("saved")), QStringList{"one"});
    EXPECT_EQ(FileSize(Path("wgcard.html")), 5);
    EXPECT_EQ(FileSize(Path("none")), 0);
}

TEST(ModFileOpsNames, FileNameOfAndTrimAtNul) {
    EXPECT_EQ(FileNameOf("/a/b/card.zip"), "card.zip");
    EXPECT_EQ(FileNameOf("/a/b/"), "");
    EXPECT_EQ(FileNameOf("card.zip"), "");
    EXPECT_EQ(TrimAtNul(QString("abc") + QChar(0) + "def"), "abc");
    EXPECT_EQ(TrimAtNul("abc"), "abc");
}

} // namespace
