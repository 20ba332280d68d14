#include "IconFiles.h"

#include "ModFileOps.h"
#include "SampleIconFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Changed(QByteArray bytes, int offset, unsigned char value) {
    bytes[offset] = char(value);
    return bytes;
}

struct IconCase {
    const char* name;
    QString fileName;
    QByteArray bytes; // null: no file
    IconCheck code;
    QString message; // "%1" stands for the file's path
};

class ValidateIconFileTest : public testing::TestWithParam<IconCase> {};

TEST_P(ValidateIconFileTest, GivesTheCodeAndMessageOfTheFirstFailedCheck) {
    const IconCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(c.fileName);
    if (!c.bytes.isNull())
        WriteTextFile(path, c.bytes);
    const IconValidation result = ValidateIconFile(path);
    EXPECT_EQ(result.code, c.code);
    EXPECT_EQ(result.message.toStdString(), QString(c.message).replace("%1", path).toStdString());
}

const QString kTwoIcons = "File is not usable. It contains more than 1 icon.";
const QString kNot32 = "File is not usable. The dimensions are not 32 x 32.";
const QString kNot16Colour = "File is not usable. It is not 4 Bits per Pixel [16-color].";
const QString kWrongSize = "File is the wrong size. It should be 766 bytes.";

INSTANTIATE_TEST_SUITE_P(
    Giftlet, ValidateIconFileTest,
    testing::Values(
        IconCase{"Usable", "gift.ico", SampleIconFile(), IconCheck::Usable, ""},
        IconCase{"UpperCaseExtension", "GIFT.ICO", SampleIconFile(), IconCheck::Usable, ""},
        IconCase{"Missing", "none.ico", QByteArray(), IconCheck::Missing, "File does not exist:\r\n%1"},
        IconCase{"BitmapExtension", "gift.bmp", SampleIconFile(), IconCheck::NotIconName,
                 "File is not an icon file:\r\n%1"},
        IconCase{"TwoImages", "two.ico", Changed(SampleIconFile(), 4, 2), IconCheck::SeveralImages,
                 kTwoIcons},
        IconCase{"SixteenBySixteen", "small.ico", Changed(Changed(SampleIconFile(), 6, 16), 7, 16),
                 IconCheck::Not32By32, kNot32},
        IconCase{"WiderThanHigh", "wide.ico", Changed(SampleIconFile(), 6, 48), IconCheck::Not32By32, kNot32},
        IconCase{"EightBitsPerPixel", "deep.ico", Changed(SampleIconFile(), 12, 8), IconCheck::Not16Colour,
                 kNot16Colour},
        IconCase{"ImageSizeNot744", "odd.ico", Changed(SampleIconFile(), 14, 40), IconCheck::WrongSize,
                 kWrongSize},
        IconCase{"FileOneByteShort", "short.ico", SampleIconFile().left(765), IconCheck::WrongSize,
                 kWrongSize},
        IconCase{"TextNamedIco", "note.ico", "This is no icon at all, just some text.",
                 IconCheck::SeveralImages, kTwoIcons},
        IconCase{"TinyFileReadsZeros", "tiny.ico", QByteArray("\0\0\1\0", 4), IconCheck::SeveralImages,
                 kTwoIcons}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IconImageOf, IsTheBytesAfterTheDirectoryOfAWholeFile) {
    const QByteArray icon = SampleIconFile();
    EXPECT_EQ(IconImageOf(icon), icon.mid(22, 744));
    EXPECT_TRUE(IconImageOf(icon.left(765)).isEmpty());
}

} // namespace
