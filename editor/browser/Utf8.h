#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pls::page::utf8 {

bool isValid(std::string_view bytes);

// Page bytes as UTF-8 text. Bytes that are not valid UTF-8 are taken as a whole for Windows-1252 (WHATWG
// Encoding Standard, "windows-1252"), the code page in which older pages of the program were written, so
// their accented letters survive instead of turning into replacement characters.
std::string fromPageBytes(std::string_view bytes);

// Byte length of the code point that starts at offset (text must be valid UTF-8; 0 at the end).
std::size_t nextLength(std::string_view text, std::size_t offset);
// Byte length of the code point that ends at offset (0 at the start).
std::size_t previousLength(std::string_view text, std::size_t offset);

// Offsets as the view's script counts them (UTF-16 code units) and as the model does (UTF-8 bytes).
std::size_t utf16FromByteOffset(std::string_view text, std::size_t byteOffset);
std::size_t byteOffsetFromUtf16(std::string_view text, std::size_t utf16Offset);

} // namespace pls::page::utf8
