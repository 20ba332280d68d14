#pragma once

#include "RangeContent.h"

#include <utility>
#include <vector>

namespace pls::page {

class Node;

// Neighbouring siblings, first and last, that formatting wraps as one.
using NodeRun = std::pair<Node*, Node*>;

// The runs of inline content in the range: neighbouring text and phrasing elements among the selected nodes,
// looking inside blocks, table parts and lists; runs without visible content are left out.
std::vector<NodeRun> collectRuns(const PointPair& range);

bool isBoldElement(const Node& node);
bool hasVisibleContent(const Node& node);

} // namespace pls::page
