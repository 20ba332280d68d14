#pragma once

#include "BoundaryPoint.h"

#include <memory>
#include <vector>

namespace pls::page {

class Node;

struct PointPair {
    BoundaryPoint start;
    BoundaryPoint end;
};

// The range grown over every element whose whole content it holds (stopping at limit and at table cells,
// rows and sections), so that the HTML of a range that spans one element's content includes the element,
// and deleting it leaves no empty shell behind.
PointPair widenOverWholeElements(const PointPair& range, const Node& limit);

// Copies of what lies between the points (DOM Standard, "clone the contents" of a range): elements that are
// only partly inside are copied without the part outside.
std::vector<std::unique_ptr<Node>> cloneContents(const PointPair& range);

// Removes what lies between the points (DOM Standard, "delete the contents"), tidies the text nodes at the
// cut and returns the point where the content was.
BoundaryPoint deleteContents(const PointPair& range);

} // namespace pls::page

namespace pls::page {

// The nodes wholly inside the range whose parents are not, in document order.
std::vector<Node*> topContainedNodes(const PointPair& range);

} // namespace pls::page
