#include "Utf8.h"

#include <array>

namespace pls::page::utf8 {

namespace {

void appendCodePoint(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

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

bool isValid(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = validSequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string fromPageBytes(std::string_view bytes) {
    if (isValid(bytes))
        return std::string(bytes);
    // Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
    static constexpr std::array<char32_t, 32> high{
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        appendCodePoint(text, value >= 0x80 && value < 0xA0 ? high[value - 0x80] : value);
    }
    return text;
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
