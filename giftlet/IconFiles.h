#pragma once

#include <QByteArray>
#include <QString>

// The icon files a Giftlet can take its icon from: 766-byte ICO files with one 32 x 32 image of 4 bits per
// pixel, whose 744-byte image follows the 6-byte header and the one 16-byte directory entry.

constexpr qsizetype kIconFileSize = 766;

enum class IconCheck : qint16 {
    Usable = 0,
    Missing = 1,
    NotIconName = 2,
    SeveralImages = 3,
    Not32By32 = 4,
    Not16Colour = 5,
    WrongSize = 6,
    CheckFailed = 7,
};

struct IconValidation {
    IconCheck code;
    QString message; // empty when usable
};

IconValidation ValidateIconFile(const QString& path);

// The image part of an icon file's bytes; empty unless they are at least a whole 766-byte file.
QByteArray IconImageOf(const QByteArray& iconFile);
