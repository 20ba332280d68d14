#pragma once

#include "EditState.h"
#include "FormatCommand.h"

#include <array>
#include <string>

// Formatting the user's text selection, and what it says about the text at the caret.

// Runs the command on the document selection, only when there is a text selection and no whole element is
// selected.
void FormatSelection(EditState& state, pls::page::FormatCommand command, const std::string& value);

// At a collapsed selection: foreground colour, face, size and background colour at the caret, and "*" to say
// the four are valid; otherwise five empty strings.
std::array<std::string, 5> CurFontProps(const EditState& state);

// The selected plain text; "" without a text selection.
std::string SelText(const EditState& state);
// Pastes the HTML over the text selection.
void SetSelText(EditState& state, const std::string& html);
