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
