#pragma once

#include <QByteArray>
#include <string>
#include <vector>

// An archive's entries as libzip reads them, with the central directory's own fields next to the data.
struct ListedEntry {
    std::string name;
    QByteArray data;
    int method = -1;
    int versionNeeded = -1;
    bool encrypted = true;
    qint64 compressedSize = -1;
};

// The entries in central directory order; none when libzip cannot open the bytes as an archive.
std::vector<ListedEntry> ListArchive(const QByteArray& archive);
