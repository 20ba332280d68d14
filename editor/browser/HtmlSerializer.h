#pragma once

#include <memory>
#include <string>
#include <vector>

namespace pls::page {

class Node;

// HTML serialization (WHATWG HTML, "Serializing HTML fragments") with the program's own spelling: HTML tag
// and attribute names in upper case, attribute values in double quotes. Parsing the result builds the same
// tree again.
std::string outerHtml(const Node& node);
std::string innerHtml(const Node& node);
std::string serializeNodes(const std::vector<std::unique_ptr<Node>>& nodes);

} // namespace pls::page
