#include "IconFiles.h"

#include "ModFileOps.h"

#include <QFile>

namespace {

constexpr qsizetype kHeaderBytes = 22;

IconValidation Refused(IconCheck code, const QString& message) {
    return {code, message};
}

// The header's byte at `offset`; past the end of a short file it reads as 0.
unsigned char ByteAt(const QByteArray& header, qsizetype offset) {
    return offset < header.size() ? static_cast<unsigned char>(header[offset]) : 0;
}

} // namespace

IconValidation ValidateIconFile(const QString& path) {
    if (!FileExists(path))
        return Refused(IconCheck::Missing, "File does not exist:\r\n" + path);
    if (path.right(3).toUpper() != "ICO")
        return Refused(IconCheck::NotIconName, "File is not an icon file:\r\n" + path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(IconCheck::CheckFailed, "Error confirming icon suitability.");
    const QByteArray header = file.read(kHeaderBytes);
    if (ByteAt(header, 4) != 1)
        return Refused(IconCheck::SeveralImages, "File is not usable. It contains more than 1 icon.");
    if (ByteAt(header, 7) != 32 || ByteAt(header, 6) != ByteAt(header, 7))
        return Refused(IconCheck::Not32By32, "File is not usable. The dimensions are not 32 x 32.");
    if (ByteAt(header, 12) != 4)
        return Refused(IconCheck::Not16Colour, "File is not usable. It is not 4 Bits per Pixel [16-color].");
    if (ByteAt(header, 14) != 232 || ByteAt(header, 15) != 2 || file.size() != kIconFileSize)
        return Refused(IconCheck::WrongSize, "File is the wrong size. It should be 766 bytes.");
    return {IconCheck::Usable, {}};
}

QByteArray IconImageOf(const QByteArray& iconFile) {
    if (iconFile.size() < kIconFileSize)
        return {};
    return iconFile.mid(kHeaderBytes, kIconFileSize - kHeaderBytes);
}
