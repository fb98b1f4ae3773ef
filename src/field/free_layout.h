#pragma once

#include <span>
#include <vector>

#include "core/geometry.h"

namespace tessary {

/// Whether two boxes share a pixel.
inline bool BoxesOverlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

/// New top-left corners for `items`, in their order, so that they lie in `view`: packed in
/// reading order (left to right in rows from the top, each row as high as its highest item)
/// into the space the `obstacles` leave free, none overlapping another or an obstacle, when all
/// of them fit so; otherwise spread as evenly as the view allows over a grid of the whole view,
/// obstacles not minded, reading order kept and the overlap shared evenly between the rows and
/// columns. An item wider or higher than the view starts at the view's left or top edge. Only
/// the items' sizes count, not where they lie now. `view` not empty.
std::vector<Point> LayOutWithoutOverlap(const Rect& view, std::span<const Rect> obstacles,
                                        std::span<const Rect> items);

}  // namespace tessary
