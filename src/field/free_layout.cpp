#include "field/free_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace tessary {
namespace {

// The least left edge from `x` on at which a box of w x h at height y meets none of `band`
// (sorted by their left edges). Every left edge skipped would meet the obstacle it jumps over.
int FirstFreeLeft(std::span<const Rect> band, int x, int y, int w, int h) {
    for (bool isMoved = true; isMoved;) {
        isMoved = false;
        for (const Rect& o : band) {
            if (o.left >= x + w)
                break;
            if (o.right > x && o.top < y + h && o.bottom > y) {
                x = o.right;
                isMoved = true;
            }
        }
    }
    return x;
}

// Rows from the view's top, each item at the first free place right of the one before it;
// nothing when an item does not fit.
std::optional<std::vector<Point>> PackAroundObstacles(const Rect& view,
                                                      std::span<const Rect> obstacles,
                                                      std::span<const Rect> items) {
    int tallest = 0;
    for (const Rect& item : items) {
        if (item.width() > view.width() || item.height() > view.height())
            return std::nullopt;
        tallest = std::max(tallest, item.height());
    }
    std::vector<Rect> inView;
    for (const Rect& o : obstacles)
        if (BoxesOverlap(o, view))
            inView.push_back(o);
    std::sort(inView.begin(), inView.end(),
              [](const Rect& a, const Rect& b) { return a.left < b.left; });

    std::vector<Point> corners;
    corners.reserve(items.size());
    std::vector<Rect> band;  // the obstacles an item of this row can meet, by left edge
    int y = view.top;
    std::size_t next = 0;
    while (next < items.size()) {
        band.clear();
        for (const Rect& o : inView)
            if (o.top < y + tallest && o.bottom > y)
                band.push_back(o);
        int x = view.left, rowHeight = 0;
        for (; next < items.size(); ++next) {
            const Rect& item = items[next];
            if (y + item.height() > view.bottom)
                return std::nullopt;
            x = FirstFreeLeft(band, x, y, item.width(), item.height());
            if (x + item.width() > view.right)
                break;
            corners.push_back({x, y});
            x += item.width();
            rowHeight = std::max(rowHeight, item.height());
        }
        if (rowHeight > 0) {
            y += rowHeight;
            continue;
        }
        // Not even the row's first item found room: no place lies free for it above the
        // nearest bottom edge of the obstacles in the way.
        int below = view.bottom;
        for (const Rect& o : band)
            below = std::min(below, o.bottom);
        y = below;
    }
    return corners;
}

// Where the item in column (or row) `slot` of `slots` starts on an axis of [low, low + span)
// whose slots are `pitchSize` wide on average: the slots run from one end to the other, and an
// item stays inside where it can.
int SlotStart(int low, int span, int size, int slot, int slots, double pitchSize) {
    const int reach = std::max(0, span - static_cast<int>(std::lround(pitchSize)));
    const int start =
        slots > 1 ? low + static_cast<int>(static_cast<std::int64_t>(slot) * reach / (slots - 1))
                  : low;
    return std::max(low, std::min(start, low + span - size));
}

// A grid over the whole view shaped so that its rows and columns overlap alike, in reading
// order.
std::vector<Point> SpreadOverView(const Rect& view, std::span<const Rect> items) {
    const int n = static_cast<int>(items.size());
    double meanWidth = 0, meanHeight = 0;
    for (const Rect& item : items) {
        meanWidth += item.width();
        meanHeight += item.height();
    }
    meanWidth = std::max(1.0, meanWidth / n);
    meanHeight = std::max(1.0, meanHeight / n);
    const double across = std::max(1.0, view.width() / meanWidth);
    const double down = std::max(1.0, view.height() / meanHeight);
    const int columns = std::clamp(static_cast<int>(std::ceil(std::sqrt(n * across / down))), 1, n);
    const int rows = (n + columns - 1) / columns;
    std::vector<Point> corners;
    corners.reserve(items.size());
    for (int k = 0; k < n; ++k) {
        const Rect& item = items[static_cast<std::size_t>(k)];
        corners.push_back(
            {SlotStart(view.left, view.width(), item.width(), k % columns, columns, meanWidth),
             SlotStart(view.top, view.height(), item.height(), k / columns, rows, meanHeight)});
    }
    return corners;
}

}  // namespace

std::vector<Point> LayOutWithoutOverlap(const Rect& view, std::span<const Rect> obstacles,
                                        std::span<const Rect> items) {
    if (items.empty())
        return {};
    if (std::optional<std::vector<Point>> packed = PackAroundObstacles(view, obstacles, items))
        return *std::move(packed);
    return SpreadOverView(view, items);
}

}  // namespace tessary
