#include "ZipBuilder.h"

#include <stdexcept>
#include <zlib.h>

namespace zipbuilder {
namespace {

void Le(std::string& out, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

std::uint32_t Crc(const std::string& data) {
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

// The fields the local and the central header share, from "version needed" to the extra-field length.
std::string CommonFields(const Entry& e, const std::string& stored) {
    std::string out;
    Le(out, e.versionNeeded, 2);
    Le(out, e.flags, 2);
    Le(out, e.method, 2);
    Le(out, e.dosTime, 2);
    Le(out, e.dosDate, 2);
    Le(out, Crc(e.data), 4);
    Le(out, static_cast<std::uint32_t>(stored.size()), 4);
    Le(out, e.statedSize.value_or(static_cast<std::uint32_t>(e.data.size())), 4);
    Le(out, static_cast<std::uint32_t>(e.name.size()), 2);
    Le(out, static_cast<std::uint32_t>(e.extra.size()), 2);
    return out;
}

} // namespace

std::string RawDeflate(const std::string& data) {
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

std::string ExtendedTimeStamp(std::time_t modified) {
    std::string block;
    Le(block, 0x5455, 2);
    Le(block, 5, 2);
    block.push_back(1);
    Le(block, static_cast<std::uint32_t>(modified), 4);
    return block;
}

std::string UnixOldBlock(std::time_t accessed, std::time_t modified) {
    std::string block;
    Le(block, 0x5855, 2);
    Le(block, 8, 2);
    Le(block, static_cast<std::uint32_t>(accessed), 4);
    Le(block, static_cast<std::uint32_t>(modified), 4);
    return block;
}

Archive Build(const std::vector<Entry>& entries, const Layout& layout) {
    Archive archive;
    std::string central;
    for (const Entry& e : entries) {
        std::string stored = e.method == kDeflated ? RawDeflate(e.data) : e.data;
        std::string common = CommonFields(e, stored);
        std::uint32_t localOffset = static_cast<std::uint32_t>(archive.bytes.size()) + layout.localOffsetBase;
        Le(archive.bytes, 0x04034B50, 4);
        archive.bytes += common + e.name + e.extra;
        archive.dataOffsets.push_back(archive.bytes.size());
        archive.bytes += stored;
        Le(central, 0x02014B50, 4);
        Le(central, 20u | static_cast<std::uint32_t>(e.hostSystem) << 8, 2);
        central += common;
        Le(central, 0, 2); // comment length
        Le(central, 0, 2); // disk
        Le(central, 0, 2); // internal attributes
        Le(central, e.externalAttributes, 4);
        Le(central, localOffset, 4);
        central += e.name + e.extra;
    }
    std::uint32_t centralOffset = static_cast<std::uint32_t>(archive.bytes.size()) + layout.centralOffsetBase;
    archive.bytes += central;
    Le(archive.bytes, 0x06054B50, 4);
    Le(archive.bytes, 0, 4); // disk numbers
    Le(archive.bytes, static_cast<std::uint32_t>(entries.size()), 2);
    Le(archive.bytes, static_cast<std::uint32_t>(entries.size()), 2);
    Le(archive.bytes, static_cast<std::uint32_t>(central.size()) - layout.centralSizeShortfall, 4);
    Le(archive.bytes, layout.centralOffsetZero ? 0 : centralOffset, 4);
    Le(archive.bytes, static_cast<std::uint32_t>(layout.comment.size()), 2);
    archive.bytes += layout.comment;
    return archive;
}

} // namespace zipbuilder
