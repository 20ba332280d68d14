#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pls::page::utf8 {

// The text with every byte that does not belong to a valid UTF-8 sequence replaced by U+FFFD.
std::string sanitize(std::string_view bytes);

// Byte length of the code point that starts at offset (text must be valid UTF-8; 0 at the end).
std::size_t nextLength(std::string_view text, std::size_t offset);
// Byte length of the code point that ends at offset (0 at the start).
std::size_t previousLength(std::string_view text, std::size_t offset);

// Offsets as the view's script counts them (UTF-16 code units) and as the model does (UTF-8 bytes).
std::size_t utf16FromByteOffset(std::string_view text, std::size_t byteOffset);
std::size_t byteOffsetFromUtf16(std::string_view text, std::size_t utf16Offset);

} // namespace pls::page::utf8
