#include "NodePath.h"

#include "Document.h"

#include <algorithm>

namespace pls::page {

NodePath pathOf(const Node& node) {
    NodePath path;
    for (const Node* step = &node; step->parent(); step = step->parent())
        path.push_back(step->index());
    std::reverse(path.begin(), path.end());
    return path;
}

Node* nodeAtPath(const Document& document, const NodePath& path) {
    Node* node = const_cast<Document*>(&document);
    for (std::size_t index : path) {
        node = node->child(index);
        if (!node)
            return nullptr;
    }
    return node;
}

} // namespace pls::page
