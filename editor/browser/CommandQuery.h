#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pls::page {

class TextRange;

enum class QueryCommand { ForeColor, FontName, FontSize, BackColor };

// "ForeColor", "FontName", "FontSize" (also "Fontsize"), "BackColor", in any case.
std::optional<QueryCommand> queryCommandFromName(std::string_view name);

// The value that formatting gives the text at the range's start: from the nearest enclosing FONT that sets
// it, else from the body, else the browser's default.
std::string queryCommandValue(const TextRange& range, QueryCommand command);

} // namespace pls::page
