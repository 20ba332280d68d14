// Runs the archive reader on archive bytes in a fresh folder and records what its callbacks were told.
#pragma once

#include "ExtractArchive.h"

#include <QTemporaryDir>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class ExtractRun {
public:
    ExtractRun();

    // Writes the bytes as the archive and extracts it into target().
    ExtractResult Extract(const std::string& archiveBytes);
    ExtractResult ExtractFile(const std::filesystem::path& archive);

    std::filesystem::path root() const { return root_; }
    std::filesystem::path target() const { return root_ / "target"; }
    std::optional<std::string> Read(const std::string& relative) const;

    // What the callbacks heard, and the answers they give in turn (defaults: replace, cancel all).
    std::string reports;
    std::vector<std::string> overwriteQuestions;
    std::deque<std::pair<int, std::string>> overwriteAnswers; // answer and, for a rename, the new name
    std::vector<std::string> passwordPrompts;
    std::deque<std::pair<int, std::string>> passwordAnswers;
    std::vector<EntryReport> entryReports;
    std::vector<std::string> entryReportNames;

private:
    QTemporaryDir dir_;
    std::filesystem::path root_;
};
