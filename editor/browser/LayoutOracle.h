#pragma once

#include "BoundaryPoint.h"

#include <optional>

namespace pls::page {

struct LayoutOffset {
    int left = 0;
    int top = 0;
};

// The layout questions that only the view that displays the page can answer; the model asks them through
// this interface (a test double answers them in tests). Coordinates are pixels in the view's client area.
class LayoutOracle {
public:
    virtual ~LayoutOracle() = default;
    // The text position at a point of the view, if the point lies on the page.
    virtual std::optional<BoundaryPoint> pointAt(int x, int y) const = 0;
    // Where a caret at the position is drawn (its left and top).
    virtual std::optional<LayoutOffset> caretOffset(const BoundaryPoint& point) const = 0;
};

} // namespace pls::page
