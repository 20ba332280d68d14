#pragma once

#include <QString>
#include <QStringList>

// The archive writer's results. Every value but Written is a failure; FileNotReadable is the one the user is
// told about apart from the others.
enum class ZipResult : int {
    Written = 0,
    WriteFailed = 14,
    TooManyFiles = 16,
    FileNotReadable = 18,
    WriterUnavailable = 100,
};

// At most this many files go into one archive.
constexpr int kMaxArchiveFiles = 99;

// Writes `projectFolder`/card.zip holding each file of `names` (bare names in that folder) as one entry of
// the same name: Deflate at the highest level, or stored where that is smaller; no encryption, nothing that
// needs more than version 2.0 to extract (PKWARE APPNOTE). A failed write leaves no card.zip behind.
ZipResult ZipCardFolder(const QString& projectFolder, const QStringList& names);
