// Builds ZIP archives byte by byte (PKWARE APPNOTE 4.3), including the damaged and unusual shapes that a
// normal archive writer refuses to make.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace zipbuilder {

constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint8_t kHostFat = 0;
constexpr std::uint8_t kHostUnix = 3;

struct Entry {
    std::string name{};
    std::string data{};
    std::uint16_t method = kDeflated; // any other than kStored and kDeflated keeps the data as it is
    std::uint8_t versionNeeded = 20;
    std::uint8_t hostSystem = kHostFat;
    std::uint16_t flags = 0;
    std::uint16_t dosTime = 0x6000; // 12:00:00
    std::uint16_t dosDate = 0x5A2F; // 2025-01-15
    std::uint32_t externalAttributes = 0;
    std::string extra{}; // in the local and the central header
    std::optional<std::uint32_t>
        statedSize{}; // the uncompressed size the headers claim, when not the real one
};

struct Layout {
    std::string comment{};
    std::uint32_t localOffsetBase = 0;   // added to every local header offset
    std::uint32_t centralOffsetBase = 0; // added to the central directory offset
    std::uint32_t centralSizeShortfall = 0;
    bool centralOffsetZero = false;
};

struct Archive {
    std::string bytes;
    std::vector<std::size_t> dataOffsets; // where each entry's (compressed) data starts
};

Archive Build(const std::vector<Entry>& entries, const Layout& layout = {});
std::string RawDeflate(const std::string& data);
// Extra-field blocks: the extended time stamp (0x5455) and the old Info-ZIP Unix block (0x5855).
std::string ExtendedTimeStamp(std::time_t modified);
std::string UnixOldBlock(std::time_t accessed, std::time_t modified);

} // namespace zipbuilder
