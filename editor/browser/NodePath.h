#pragma once

#include <cstddef>
#include <vector>

namespace pls::page {

class Document;
class Node;

// A node named by the child indexes that lead to it from the document, the way the view reports nodes: the
// view's tree has the same shape as the model's, so the same path names the same node in both.
using NodePath = std::vector<std::size_t>;

NodePath pathOf(const Node& node);
// The node at the path, or null when the path leads nowhere.
Node* nodeAtPath(const Document& document, const NodePath& path);

} // namespace pls::page
