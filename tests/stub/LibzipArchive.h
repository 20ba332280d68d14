// Writes archives with libzip, the writer the Giftlet builder uses, including traditional PKWARE encryption.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct LibzipEntry {
    std::string name;
    std::string data;
    std::string password = {}; // empty: not encrypted
};

// Returns false when libzip refused the archive.
bool WriteLibzipArchive(const std::filesystem::path& path, const std::vector<LibzipEntry>& entries);
