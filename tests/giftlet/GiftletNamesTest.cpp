#include "GiftletNames.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* name;
    QString typed;
    QString expected;
};

class GiftletFileNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(GiftletFileNameTest, EndsInExe) {
    EXPECT_EQ(GiftletFileName(GetParam().typed).toStdString(), GetParam().expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Giftlet, GiftletFileNameTest,
                         testing::Values(NameCase{"Empty", "", "Greeting.exe"},
                                         NameCase{"Bare", "card", "card.exe"},
                                         NameCase{"UpperCaseExe", "Card.EXE", "Card.EXE"},
                                         NameCase{"OtherExtension", "card.txt", "card.txt.exe"},
                                         NameCase{"JustExe", "exe", "exe.exe"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GiftletFolderPath, DropsOneTrailingSlash) {
    EXPECT_EQ(GiftletFolderPath("/home/me/Desktop/"), "/home/me/Desktop");
    EXPECT_EQ(GiftletFolderPath("/home/me/Desktop"), "/home/me/Desktop");
}

struct SizeCase {
    const char* name;
    qint64 size;
    const char* kilobytes;
};

class GiftletCreatedQuestionTest : public testing::TestWithParam<SizeCase> {};

TEST_P(GiftletCreatedQuestionTest, ShowsWholeKilobytes) {
    EXPECT_EQ(GiftletCreatedQuestion("/d/Greeting.exe", GetParam().size).toStdString(),
              std::string("Giftlet file created:\n/d/Greeting.exe\nSize of file is: ") +
                  GetParam().kilobytes + " KB.\nDo you want to test this package?");
}

INSTANTIATE_TEST_SUITE_P(Giftlet, GiftletCreatedQuestionTest,
                         testing::Values(SizeCase{"Bytes80000", 80000, "78"},
                                         SizeCase{"Bytes1023", 1023, "0"}, SizeCase{"Bytes1024", 1024, "1"},
                                         SizeCase{"LargerThan2GB", 3LL << 30, "3145728"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
