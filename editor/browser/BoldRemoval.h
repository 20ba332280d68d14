#pragma once

#include "FormatRuns.h"

namespace pls::page {

// Every piece of visible text in the runs is bold already (inside B or STRONG).
bool allBold(const std::vector<NodeRun>& runs, const Node& limit);
// Takes the bold away from the runs: bold ancestors are split around them, bold elements inside unwrapped.
void removeBold(const std::vector<NodeRun>& runs, const Node& limit);

} // namespace pls::page
