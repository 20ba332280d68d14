#pragma once

#include <cstddef>

namespace pls::page {

class Node;

// A position in the page: inside a text node, offset is a byte offset into its UTF-8 data (on a code point
// boundary); inside any other node, the number of children before the position. A plain value: it does not
// follow changes of the page (TextRange does).
struct BoundaryPoint {
    Node* node = nullptr;
    std::size_t offset = 0;

    bool operator==(const BoundaryPoint&) const = default;
};

BoundaryPoint pointBefore(const Node& node);
BoundaryPoint pointAfter(const Node& node);
BoundaryPoint pointAtEnd(Node& node);

// Tree order of two points of the same document: negative, zero or positive (DOM Standard, "boundary point").
int compareBoundaryPoints(const BoundaryPoint& a, const BoundaryPoint& b);

} // namespace pls::page
