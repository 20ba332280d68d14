#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// File and folder helpers that the whole program uses. Paths are full paths. None shows a message; a step
// that fails is skipped. "Clearing attributes" makes a file or folder writable for its owner, so it can be
// replaced or deleted.

bool FileExists(const QString& path);
bool FolderExists(const QString& path);

struct FileText {
    QByteArray text;
    bool missing = true;
};
// The file's bytes exactly as stored; `missing` when there is no such file.
FileText ReadWholeFile(const QString& path);

// Writes `text` so that the file always holds either its old or its new content, never a part: the text goes
// to a temporary file in the same folder, which then replaces the target. False when the write failed (the
// old file is then untouched).
bool WriteTextFile(const QString& path, const QByteArray& text);

void ClearAttributes(const QString& path);
void KillFile(const QString& path);
void CopyFileOver(const QString& source, const QString& target);
void MoveFileOver(const QString& source, const QString& target);

enum class CopyFolderResult { Copied = 0, TargetExists = 1, SourceMissing = 2 };
// Copies the files (not the subfolders) of `source` into a new folder `target`.
CopyFolderResult CopyFolderFiles(const QString& source, const QString& target);

void EnsureFolder(const QString& path);
// Removes `folder` with everything in it, read-only files and folders included. Does nothing unless it is a
// folder.
void DeleteTree(const QString& folder);

// Names of the files of `folder` ending in "." + extension (all files when `extension` is empty), hidden
// files included, subfolders not. A missing folder gives none.
QStringList ListFiles(const QString& folder, const QString& extension);
// Names of the subfolders, those starting with "." left out.
QStringList ListSubfolders(const QString& folder);

qint64 FileSize(const QString& path);
// The part after the last "/"; empty when there is none.
QString FileNameOf(const QString& path);
QString TrimAtNul(const QString& text);

// The platform's special folders by the old numbering; 0 is the desktop. "" when there is none.
QString SpecialFolderPath(int folderNumber);
