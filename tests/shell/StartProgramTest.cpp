#include "ModFileOps.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs copies of the real program in a program folder of their own, with their own settings.
class StartProgramTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(KVPLS_EXE, Program()));
        QFile::setPermissions(Program(), QFile::permissions(KVPLS_EXE));
    }
    void TearDown() override {
        for (QProcess* process : {&first_, &second_}) {
            process->kill();
            process->waitForFinished(10000);
        }
    }

    QString Program() const { return dir_.filePath("kvpls"); }
    QString Card() const { return dir_.filePath("card"); }
    void Start(QProcess& process) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", dir_.filePath("home"));
        env.insert("XDG_CONFIG_HOME", dir_.filePath("home/.config"));
        process.setProcessEnvironment(env);
        process.start(Program(), {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }
    // Every file and folder below the program folder, with size and time of change.
    QStringList Snapshot() const {
        QStringList entries;
        QDirIterator it(dir_.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            entries << info.filePath() + ' ' + QString::number(info.size()) + ' ' +
                           info.lastModified().toString(Qt::ISODateWithMs);
        }
        entries.sort();
        return entries;
    }

    QTemporaryDir dir_;
    QProcess first_;
    QProcess second_;
};

TEST_F(StartProgramTest, LeftoverCardIsReplacedAndSecondStartChangesNothing) {
    EnsureFolder(Card() + "/pics");
    WriteTextFile(Card() + "/pics/old.gif", "old");
    WriteTextFile(Card() + "/Page2.html", "old page");

    Start(first_);
    QTRY_VERIFY_WITH_TIMEOUT(FileExists(Card() + "/wgcard.html") && !FileExists(Card() + "/Page2.html"),
                             20000);
    EXPECT_EQ(ListFiles(Card(), {}), QStringList{"wgcard.html"});
    EXPECT_TRUE(ListSubfolders(Card()).isEmpty());
    EXPECT_TRUE(FileExists(dir_.filePath("blank.html")));

    WriteTextFile(Card() + "/Page2.html", "work in progress");
    const QStringList before = Snapshot();
    Start(second_);
    ASSERT_TRUE(second_.waitForFinished(20000));
    EXPECT_EQ(second_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second_.exitCode(), 0);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(first_.state(), QProcess::Running);
}

} // namespace
