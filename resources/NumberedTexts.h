#pragma once

#include <string_view>

// The program's numbered texts (ids 101 to 188): messages, help tips and HTML templates. Every window takes
// its messages from here by number, so each text exists once.
//
// Gives "" for an id that names no text.
std::string_view NumberedText(int id);
