// The layout tool that the build runs on the linked stub: it must produce the 77,824-byte file, and refuse
// inputs it cannot lay out safely rather than write a broken stub.
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct LayoutCase {
    std::string name;
    std::function<std::string(std::string)> change; // applied to the linked stub
    bool succeeds;
};

std::ostream& operator<<(std::ostream& out, const LayoutCase& c) {
    return out << c.name;
}

const std::vector<LayoutCase> kCases = {
    {"LinkedStub", [](std::string exe) { return exe; }, true},
    {"BytesAfterTheLastSection", [](std::string exe) { return exe + std::string(512, '\0'); }, false},
    {"NotAnImage", [](std::string exe) { return std::string(exe.size(), 'x'); }, false},
    {"CutShort", [](std::string exe) { return exe.substr(0, 1000); }, false},
};

class LayOutPackstub : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayOutPackstub, WritesAStubOnlyWhenTheLayoutHolds) {
    QTemporaryDir dir;
    fs::path root = dir.path().toStdString();
    std::ofstream(root / "in.exe", std::ios::binary) << GetParam().change(ReadAll(PLS_PACKSTUB_LINKED));
    QProcess tool;
    tool.setStandardInputFile(QProcess::nullDevice());
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(PLS_LAY_OUT_TOOL, {QString::fromStdString((root / "in.exe").string()), PLS_PACKSTUB_ICON,
                                  QString::fromStdString((root / "out.exe").string())});
    ASSERT_TRUE(tool.waitForFinished(30000));
    std::string output = tool.readAll().toStdString();
    EXPECT_EQ(tool.exitCode() == 0, GetParam().succeeds) << output;
    if (GetParam().succeeds) {
        std::string stub = ReadAll(root / "out.exe");
        EXPECT_EQ(stub, ReadAll(PLS_PACKSTUB_EXE));
        EXPECT_EQ(stub.substr(74928, 744), ReadAll(PLS_PACKSTUB_ICON).substr(22));
    } else {
        EXPECT_FALSE(fs::exists(root / "out.exe"));
        EXPECT_NE(output.find("LayOutPackstub: "), std::string::npos) << output;
    }
}

INSTANTIATE_TEST_SUITE_P(Stub, LayOutPackstub, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

} // namespace

namespace {

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

TEST(StubIcon, IsOne32By32SixteenColourImageWithTheIconPalette) {
    std::string image = ReadAll(PLS_PACKSTUB_ICON).substr(22);
    ASSERT_EQ(image.size(), 744u);
    EXPECT_EQ(Le32(image, 0), 40u);            // header size
    EXPECT_EQ(Le32(image, 4), 32u);            // width
    EXPECT_EQ(Le32(image, 8), 64u);            // height of colour and mask
    EXPECT_EQ(Le32(image, 12), 4u << 16 | 1u); // 1 plane, 4 bits per pixel
    EXPECT_EQ(Le32(image, 20), 640u);          // image size
    // Colour table entries are blue, green, red, 0.
    EXPECT_EQ(Le32(image, 40 + 4 * 9), 0xFF0000u) << "colour 9 is red";
    EXPECT_EQ(Le32(image, 40 + 4 * 11), 0xFFFF00u) << "colour 11 is yellow";
}

} // namespace
