#include "ExtractRun.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

ExtractRun& Of(void* user) {
    return *static_cast<ExtractRun*>(user);
}

int Print(void* user, const char* text, unsigned long length) {
    Of(user).reports.append(text, length);
    return static_cast<int>(length);
}

// Writes the answer's text into the callback's buffer, cut to its size.
void Give(const std::string& text, char* buffer, std::size_t size) {
    std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

int Overwrite(void* user, char* fileName, std::size_t size) {
    ExtractRun& run = Of(user);
    run.overwriteQuestions.emplace_back(fileName);
    if (run.overwriteAnswers.empty())
        return OVERWRITE_YES;
    auto [answer, newName] = run.overwriteAnswers.front();
    run.overwriteAnswers.pop_front();
    if (answer == OVERWRITE_RENAME)
        Give(newName, fileName, size);
    return answer;
}

int Password(void* user, char* buffer, int size, const char* prompt, const char* entryName) {
    ExtractRun& run = Of(user);
    run.passwordPrompts.push_back(std::string(prompt) + entryName);
    if (run.passwordAnswers.empty())
        return PASSWORD_CANCEL_ALL;
    auto [answer, password] = run.passwordAnswers.front();
    run.passwordAnswers.pop_front();
    Give(password, buffer, static_cast<std::size_t>(size));
    return answer;
}

void Report(void* user, const EntryReport* entry) {
    Of(user).entryReports.push_back(*entry);
    Of(user).entryReportNames.emplace_back(entry->name);
}

} // namespace

ExtractRun::ExtractRun() : root_(dir_.path().toStdString()) {
    std::filesystem::create_directory(target());
}

ExtractResult ExtractRun::Extract(const std::string& archiveBytes) {
    std::filesystem::path archive = root_ / "archive.zip";
    std::ofstream(archive, std::ios::binary) << archiveBytes;
    return ExtractFile(archive);
}

ExtractResult ExtractRun::ExtractFile(const std::filesystem::path& archive) {
    std::string archivePath = archive.string(), targetPath = target().string();
    ExtractSettings settings{archivePath.c_str(), targetPath.c_str()};
    ExtractCallbacks callbacks{this, Print, Overwrite, Password, Report};
    return ExtractArchive(&settings, &callbacks);
}

std::optional<std::string> ExtractRun::Read(const std::string& relative) const {
    std::ifstream in(target() / relative, std::ios::binary);
    if (!std::filesystem::is_regular_file(target() / relative) || !in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
