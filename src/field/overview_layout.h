#pragma once

#include "core/geometry.h"
#include "field/zoom_scale.h"

namespace tessary {

struct Viewport;

/// Where the overview window shows the field: the whole field scaled down to fit the window's
/// inside, centred in it.
struct OverviewLayout {
    ZoomScale scale;
    Rect fieldArea;  // the scaled field, in the inside's coordinates

    /// The inside pixels that show some pixel of `fieldRect` (field coordinates).
    Rect overviewRectOf(const Rect& fieldRect) const;
    /// The field point shown at inside point `point`: the middle of the field pixels its scaled
    /// pixel covers. Points beside the scaled field count as on its nearest edge.
    Point fieldPointAt(Point point) const;
};

/// The layout for an inside of `insideSize` and a field of `fieldSize`: FitScale of the two.
OverviewLayout LayOutOverview(Point insideSize, Point fieldSize);

/// The overview's inside size for a field: the field scaled to fit a fifth of the screen in
/// each direction, in its own proportions.
Point OverviewInsideSize(Point fieldSize, Point screenSize);

/// The part of the field the view shows: the client area at the scroll offset, within the
/// field.
Rect VisibleFieldPart(const Viewport& viewport);

}  // namespace tessary
