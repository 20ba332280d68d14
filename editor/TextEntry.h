#pragma once

#include "EditState.h"

#include <optional>
#include <string>

// Typing without the browser's editing mode: a key release becomes a piece of HTML pasted at the current text
// range (US keyboard layout; Shift is the only modifier that counts).

enum class Key { Backspace = 8, Enter = 13, Space = 32, Delete = 46 };

// The HTML that a key types; "" for keys that type nothing.
std::string KeyText(int keyCode, bool shift);

// Types the key at the current text range and returns what was inserted ("" for Backspace, Delete and keys
// that type nothing); nothing when there is no current text range.
std::optional<std::string> TypeKey(EditState& state, int keyCode, bool shift);

void DeleteCharBefore(EditState& state);
void DeleteCharAfter(EditState& state);
