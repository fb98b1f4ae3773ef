#include "field/overview_layout.h"

#include <algorithm>

#include "field/field.h"

namespace tessary {
namespace {

// The middle of the field pixels scaled pixel `scaled` covers, on one axis.
int FieldMiddle(const ZoomScale& scale, int scaled) {
    return (scale.fieldFloor(scaled) + scale.fieldCeil(scaled + 1) - 1) / 2;
}

}  // namespace

Rect OverviewLayout::overviewRectOf(const Rect& fieldRect) const {
    return scale.scaledCover(fieldRect).translated(fieldArea.left, fieldArea.top);
}

Point OverviewLayout::fieldPointAt(Point point) const {
    if (fieldArea.isEmpty())
        return {};
    const int x = std::clamp(point.x, fieldArea.left, fieldArea.right - 1) - fieldArea.left;
    const int y = std::clamp(point.y, fieldArea.top, fieldArea.bottom - 1) - fieldArea.top;
    return {FieldMiddle(scale, x), FieldMiddle(scale, y)};
}

OverviewLayout LayOutOverview(Point insideSize, Point fieldSize) {
    OverviewLayout layout;
    layout.scale = FitScale(fieldSize, insideSize);
    const Point size = layout.scale.scaledSize(fieldSize);
    const int left = std::max(0, (insideSize.x - size.x) / 2);
    const int top = std::max(0, (insideSize.y - size.y) / 2);
    layout.fieldArea = {left, top, left + size.x, top + size.y};
    return layout;
}

Point OverviewInsideSize(Point fieldSize, Point screenSize) {
    const Point size =
        FitScale(fieldSize, {screenSize.x / 5, screenSize.y / 5}).scaledSize(fieldSize);
    return {std::max(size.x, 1), std::max(size.y, 1)};
}

Rect VisibleFieldPart(const Viewport& v) {
    return {std::max(v.scrollX, 0), std::max(v.scrollY, 0),
            std::min(v.scrollX + v.clientRect.right, v.fieldWidth),
            std::min(v.scrollY + v.clientRect.bottom, v.fieldHeight)};
}

}  // namespace tessary
