#pragma once

#include "DomResult.h"

#include <optional>
#include <string>
#include <string_view>

namespace pls::page {

class TextRange;

enum class FormatCommand { ForeColor, BackColor, FontName, FontSize, Bold, CreateLink };

// "ForeColor", "BackColor", "FontName", "FontSize", "Bold", "CreateLink", in any case.
std::optional<FormatCommand> formatCommandFromName(std::string_view name);

// Formats the range's text the way a browser's editing commands do: the text is wrapped in FONT (COLOR, FACE,
// SIZE, or a background colour in its STYLE), B or A HREF, inside each block it touches. A range that holds
// exactly one FONT's content gives that FONT the attribute instead. "Bold" removes B and STRONG when all the
// text is bold already. Afterwards the range holds the formatted text.
DomResult execCommand(TextRange& range, FormatCommand command, std::string_view value);

} // namespace pls::page
