#pragma once

#include "DomResult.h"

#include <optional>
#include <string>
#include <string_view>

namespace pls::page {

class TextRange;

enum class FormatCommand { ForeColor, BackColor, FontName, FontSize, Bold, CreateLink };
enum class QueryCommand { ForeColor, FontName, FontSize, BackColor };

// "ForeColor", "BackColor", "FontName", "FontSize", "Bold", "CreateLink", in any case.
std::optional<FormatCommand> formatCommandFromName(std::string_view name);
// "ForeColor", "FontName", "FontSize" (also "Fontsize"), "BackColor", in any case.
std::optional<QueryCommand> queryCommandFromName(std::string_view name);

// Formats the range's text the way a browser's editing commands do: the text is wrapped in FONT (COLOR, FACE,
// SIZE, or a background colour in its STYLE), B or A HREF, inside each block it touches. A range that holds
// exactly one FONT's content gives that FONT the attribute instead. "Bold" removes B and STRONG when all the
// text is bold already. Afterwards the range holds the formatted text.
DomResult execCommand(TextRange& range, FormatCommand command, std::string_view value);

// The value that formatting gives the text at the range's start: from the nearest enclosing FONT that sets
// it, else from the body, else the browser's default.
std::string queryCommandValue(const TextRange& range, QueryCommand command);

} // namespace pls::page
