#include "Utf8.h"

namespace pls::page::utf8 {

namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Length of the well-formed sequence at offset, or 0 when the bytes there do not start one
// (Unicode Standard, table 3-7: no overlong forms, no surrogates, nothing above U+10FFFF).
std::size_t validSequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(s[i + k]);
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > s.size() || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!isContinuation(byte(k)))
            return 0;
    return length;
}

} // namespace

std::string sanitize(std::string_view bytes) {
    std::string result;
    result.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (const std::size_t length = validSequenceLength(bytes, i)) {
            result.append(bytes.substr(i, length));
            i += length;
        } else {
            result.append(replacement);
            ++i;
        }
    }
    return result;
}

std::size_t nextLength(std::string_view text, std::size_t offset) {
    if (offset >= text.size())
        return 0;
    std::size_t length = 1;
    while (offset + length < text.size() && isContinuation(static_cast<unsigned char>(text[offset + length])))
        ++length;
    return length;
}

std::size_t previousLength(std::string_view text, std::size_t offset) {
    if (offset == 0 || offset > text.size())
        return 0;
    std::size_t length = 1;
    while (length < offset && isContinuation(static_cast<unsigned char>(text[offset - length])))
        ++length;
    return length;
}

std::size_t utf16FromByteOffset(std::string_view text, std::size_t byteOffset) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < byteOffset && i < text.size(); i += nextLength(text, i))
        units += nextLength(text, i) == 4 ? 2 : 1;
    return units;
}

std::size_t byteOffsetFromUtf16(std::string_view text, std::size_t utf16Offset) {
    std::size_t i = 0;
    for (std::size_t units = 0; units < utf16Offset && i < text.size(); i += nextLength(text, i))
        units += nextLength(text, i) == 4 ? 2 : 1;
    return i;
}

} // namespace pls::page::utf8
