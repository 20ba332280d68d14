#include "ModFileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr auto kOwnerReadWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QStringList EntryNames(const QString& folder, const QStringList& patterns, QDir::Filters filters) {
    if (!FolderExists(folder))
        return {};
    QDir dir(folder);
    return dir.entryList(patterns, filters | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

bool FileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool FolderExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

FileText ReadWholeFile(const QString& path) {
    if (!FileExists(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ClearAttributes(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
    }
    return {file.readAll(), false};
}

bool WriteTextFile(const QString& path, const QByteArray& text) {
    if (FileExists(path))
        ClearAttributes(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void ClearAttributes(const QString& path) {
    QFile::setPermissions(path,
                          QFile::permissions(path) | kOwnerReadWrite |
                              (QFileInfo(path).isDir() ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
}

void KillFile(const QString& path) {
    if (!FileExists(path))
        return;
    ClearAttributes(path);
    QFile::remove(path);
}

void CopyFileOver(const QString& source, const QString& target) {
    if (!FileExists(source))
        return;
    KillFile(target);
    ClearAttributes(source);
    QFile::copy(source, target);
}

void MoveFileOver(const QString& source, const QString& target) {
    if (!FileExists(source))
        return;
    CopyFileOver(source, target);
    KillFile(source);
}

CopyFolderResult CopyFolderFiles(const QString& source, const QString& target) {
    if (QFileInfo::exists(target))
        return CopyFolderResult::TargetExists;
    if (!FolderExists(source))
        return CopyFolderResult::SourceMissing;
    EnsureFolder(target);
    for (const QString& name : ListFiles(source, {}))
        CopyFileOver(source + '/' + name, target + '/' + name);
    return CopyFolderResult::Copied;
}

void EnsureFolder(const QString& path) {
    if (!FolderExists(path))
        QDir().mkpath(path);
}

void DeleteTree(const QString& folder) {
    QString path = folder;
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    if (!FolderExists(path))
        return;
    // A folder without the owner's write bit keeps its entries, so open every level before removing it.
    ClearAttributes(path);
    for (const QString& name : ListFiles(path, {}))
        KillFile(path + '/' + name);
    for (const QString& name : EntryNames(path, {}, QDir::Dirs))
        DeleteTree(path + '/' + name);
    QDir().rmdir(path);
}

QStringList ListFiles(const QString& folder, const QString& extension) {
    const QStringList patterns = extension.isEmpty() ? QStringList() : QStringList{"*." + extension};
    return EntryNames(folder, patterns, QDir::Files);
}

QStringList ListSubfolders(const QString& folder) {
    QStringList names = EntryNames(folder, {}, QDir::Dirs);
    names.removeIf([](const QString& name) { return name.startsWith('.'); });
    return names;
}

qint64 FileSize(const QString& path) {
    if (!FileExists(path))
        return 0;
    ClearAttributes(path);
    return QFileInfo(path).size();
}

QString FileNameOf(const QString& path) {
    const qsizetype cut = path.lastIndexOf('/');
    return cut < 0 ? QString() : path.mid(cut + 1);
}

QString TrimAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QString SpecialFolderPath(int folderNumber) {
    if (folderNumber != 0)
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}
