#include "InlineStyle.h"

#include "AsciiCase.h"

#include <algorithm>

namespace pls::page {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n\f");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n\f") - first + 1);
}

} // namespace

// Declarations split at ";" outside quotes and parentheses, so font-family: "A; B" stays whole.
InlineStyle::InlineStyle(std::string_view text) {
    std::size_t begin = 0;
    char quote = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ';';
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(' || c == ')') {
            depth += c == '(' ? 1 : -1;
        } else if (c == ';' && depth <= 0) {
            const std::string_view declaration = text.substr(begin, i - begin);
            const auto colon = declaration.find(':');
            if (colon != std::string_view::npos && !trimmed(declaration.substr(0, colon)).empty())
                declarations_.emplace_back(toLowerAscii(trimmed(declaration.substr(0, colon))),
                                           std::string(trimmed(declaration.substr(colon + 1))));
            begin = i + 1;
        }
    }
}

std::string InlineStyle::value(std::string_view property) const {
    for (auto it = declarations_.rbegin(); it != declarations_.rend(); ++it)
        if (equalsIgnoringCase(it->first, property))
            return it->second;
    return {};
}

void InlineStyle::setValue(std::string_view property, std::string_view value) {
    const auto it = std::find_if(declarations_.begin(), declarations_.end(),
                                 [&](const auto& d) { return equalsIgnoringCase(d.first, property); });
    if (it == declarations_.end()) {
        if (!value.empty())
            declarations_.emplace_back(toLowerAscii(property), std::string(value));
    } else if (value.empty()) {
        declarations_.erase(it);
    } else {
        it->second = value;
    }
}

std::string InlineStyle::text() const {
    std::string result;
    for (const auto& [property, value] : declarations_)
        result += (result.empty() ? "" : "; ") + property + ": " + value;
    return result;
}

} // namespace pls::page
