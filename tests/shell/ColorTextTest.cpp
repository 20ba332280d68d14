#include "ColorText.h"

#include <gtest/gtest.h>

namespace {

struct ToHexCase {
    const char* name;
    qint32 color;
    const char* hex;
};

class ColorToHexTest : public testing::TestWithParam<ToHexCase> {};

TEST_P(ColorToHexTest, GivesRrggbb) {
    EXPECT_EQ(ColorToHex(GetParam().color).toStdString(), GetParam().hex);
}

INSTANTIATE_TEST_SUITE_P(Colors, ColorToHexTest,
                         testing::Values(ToHexCase{"PureRed", 0x0000FF, "#FF0000"},
                                         ToHexCase{"PureBlue", 0xFF0000, "#0000FF"},
                                         ToHexCase{"Black", 0, "#000000"},
                                         ToHexCase{"Mixed", 0x123456, "#563412"},
                                         ToHexCase{"SystemColour", -2147483643, "#000000"},
                                         ToHexCase{"HighByteIgnored", 0x01FFFFFF, "#FFFFFF"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FromHexCase {
    const char* name;
    const char* text;
    qint32 color;
};

class HexToColorTest : public testing::TestWithParam<FromHexCase> {};

TEST_P(HexToColorTest, GivesColourNumber) {
    EXPECT_EQ(HexToColor(GetParam().text), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(Texts, HexToColorTest,
                         testing::Values(FromHexCase{"RedWithHash", "#FF0000", 255},
                                         FromHexCase{"RedWithoutHash", "FF0000", 255},
                                         FromHexCase{"LowerCase", "#00ff00", 0x00FF00},
                                         FromHexCase{"ShortPaddedLeft", "#FFF", 0xFF0F00},
                                         FromHexCase{"LongKeepsLastSix", "#AA112233", 0x332211},
                                         FromHexCase{"HashAlone", "#", 0}, FromHexCase{"Empty", "", 0},
                                         FromHexCase{"NotHex", "zz", 0},
                                         FromHexCase{"PartlyHex", "#12G456", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColorText, RoundTripGivesUpperCaseText) {
    for (const char* text : {"#a1b2c3", "#FFFFFF", "#000001", "#7f0080"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ColorToHex(HexToColor(text)), QString(text).toUpper());
    }
}

} // namespace
