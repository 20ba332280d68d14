#pragma once

#include "BoundaryPoint.h"

#include <optional>

namespace pls::page {

class Node;

// One character of the page with the points just before and just after it: a code point of text, or a BR or
// IMG element.
struct CharacterSpan {
    BoundaryPoint before;
    BoundaryPoint after;
    Node* node = nullptr;
};

// Walks characters inside a limit node (the body): only as far as the next character, so an edit pays for
// the distance it moves, not for the page. Text of SCRIPT, STYLE and TEMPLATE, and the whitespace that table
// structure ignores, are no characters.
std::optional<CharacterSpan> nextCharacter(const BoundaryPoint& from, const Node& limit);
std::optional<CharacterSpan> previousCharacter(const BoundaryPoint& from, const Node& limit);

bool hasCharacterBetween(const BoundaryPoint& a, const BoundaryPoint& b, const Node& limit);
// Tree order, with points that have no character between them counted equal.
int compareByCharacters(const BoundaryPoint& a, const BoundaryPoint& b, const Node& limit);

} // namespace pls::page
