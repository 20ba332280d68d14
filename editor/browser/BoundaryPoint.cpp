#include "BoundaryPoint.h"

#include "CharacterData.h"

#include <vector>

namespace pls::page {

BoundaryPoint pointBefore(const Node& node) {
    return {node.parent(), node.index()};
}

BoundaryPoint pointAfter(const Node& node) {
    return {node.parent(), node.index() + 1};
}

BoundaryPoint pointAtEnd(Node& node) {
    const CharacterData* data = node.asCharacterData();
    return {&node, data ? data->length() : node.childCount()};
}

namespace {

std::vector<const Node*> ancestorChain(const Node* node) {
    std::vector<const Node*> chain;
    for (; node; node = node->parent())
        chain.push_back(node);
    return chain;
}

int compareNumbers(std::size_t a, std::size_t b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

int compareBoundaryPoints(const BoundaryPoint& a, const BoundaryPoint& b) {
    if (a.node == b.node)
        return compareNumbers(a.offset, b.offset);
    std::vector<const Node*> chainA = ancestorChain(a.node);
    std::vector<const Node*> chainB = ancestorChain(b.node);
    // Walk down from the root while the chains agree; the first difference decides.
    std::size_t ia = chainA.size();
    std::size_t ib = chainB.size();
    while (ia > 0 && ib > 0 && chainA[ia - 1] == chainB[ib - 1]) {
        --ia;
        --ib;
    }
    if (ia == 0) // a.node is an ancestor of b.node
        return a.offset <= chainB[ib - 1]->index() ? -1 : 1;
    if (ib == 0)
        return chainA[ia - 1]->index() < b.offset ? -1 : 1;
    return compareNumbers(chainA[ia - 1]->index(), chainB[ib - 1]->index());
}

} // namespace pls::page
