#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pls::page {

// HTML names are ASCII; these never touch bytes above 127, so UTF-8 passes through unchanged.
inline char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string toUpperAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), upperAscii);
    return result;
}

inline std::string toLowerAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lowerAscii);
    return result;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// The value named in a table of (name, value) pairs, names compared without regard to case.
template <typename T, std::size_t N>
std::optional<T> valueForName(const std::array<std::pair<std::string_view, T>, N>& table,
                              std::string_view name) {
    for (const auto& [text, value] : table)
        if (equalsIgnoringCase(text, name))
            return value;
    return std::nullopt;
}

} // namespace pls::page
