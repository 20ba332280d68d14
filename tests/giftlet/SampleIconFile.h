#pragma once

#include "IconFiles.h"

#include <QByteArray>

// A usable 766-byte icon file: the directory of one 32 x 32, 16-colour image of 744 bytes, then image bytes
// that follow from `seed`, so that two samples differ.
inline QByteArray SampleIconFile(int seed = 0) {
    QByteArray icon(kIconFileSize, '\0');
    const unsigned char header[22] = {0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0, 4, 0, 232, 2, 0, 0, 22, 0, 0, 0};
    for (int i = 0; i < 22; ++i)
        icon[i] = char(header[i]);
    for (qsizetype i = 22; i < icon.size(); ++i)
        icon[i] = char((i + seed) % 256);
    return icon;
}
