// Building regions from boxes, polygons and ellipses, by the rule stated in region.h.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "region.h"
#include "region_row_writer.h"

namespace tessary {

namespace {

// A non-horizontal polygon edge walking down the rows it covers, [top, bottom). In each row it
// holds x, the crossing rounded up, exactly: with the edge's upper end (x0, top) and its
// lower end (x1, bottom), the crossing in row y is x0 + (y - top) * (x1 - x0) / (bottom - top),
// and x - crossing = excess / height with 0 <= excess < height. The edge is always walked from
// its upper end, so an edge shared by two polygons gives the same crossings whichever way
// each polygon traces it.
struct Edge {
    int top = 0;
    int bottom = 0;
    int winding = 0;  // +1 when the polygon runs down along the edge, -1 when it runs up
    std::int64_t x = 0;
    std::int64_t excess = 0;
    std::int64_t height = 0;
    std::int64_t stepX = 0;       // floor((x1 - x0) / height)
    std::int64_t stepExcess = 0;  // (x1 - x0) - stepX * height, in [0, height)

    Edge(Point from, Point to) {
        const bool down = from.y < to.y;
        const Point upper = down ? from : to;
        const Point lower = down ? to : from;
        top = upper.y;
        bottom = lower.y;
        winding = down ? 1 : -1;
        x = upper.x;
        height = std::int64_t{lower.y} - upper.y;
        const std::int64_t run = std::int64_t{lower.x} - upper.x;
        stepX = run / height;
        stepExcess = run % height;
        if (stepExcess < 0) {
            stepExcess += height;
            --stepX;
        }
    }

    // Moves to the next row: the crossing grows by run / height.
    void step() {
        x += stepX;
        excess -= stepExcess;
        if (excess < 0) {
            excess += height;
            ++x;
        }
    }
};

std::int64_t SquareRoot(std::int64_t n) {
    auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (root * root > n)
        --root;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    return root;
}

}  // namespace

Region Region::FromRect(const Rect& box) {
    const Rect r = box.normalized();
    Region region;
    if (r.isEmpty())
        return region;
    const auto rows = static_cast<std::size_t>(r.height());
    region.top_ = r.top;
    region.left_ = r.left;
    region.right_ = r.right;
    region.spans_.assign(rows, Span{r.left, r.right});
    region.rowStart_.resize(rows + 1);
    for (std::size_t i = 0; i <= rows; ++i)
        region.rowStart_[i] = static_cast<std::uint32_t>(i);
    return region;
}

Region Region::FromPolygon(std::span<const Point> points) {
    // Per-thread scratch: building outlines calls this thousands of times in a row.
    thread_local std::vector<Edge> pending;
    thread_local std::vector<Edge> active;
    pending.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point from = points[i];
        const Point to = points[(i + 1) % points.size()];
        if (from.y != to.y)
            pending.emplace_back(from, to);
    }
    Region region;
    if (pending.empty())
        return region;
    std::sort(pending.begin(), pending.end(),
              [](const Edge& a, const Edge& b) { return a.top < b.top; });
    const int first = pending.front().top;
    const int last =
        std::max_element(pending.begin(), pending.end(), [](const Edge& a, const Edge& b) {
            return a.bottom < b.bottom;
        })->bottom;
    const auto rows = static_cast<std::size_t>(std::int64_t{last} - first);
    region.rowStart_.reserve(rows + 1);
    region.spans_.reserve(rows);

    RowWriter out(region, first);
    active.clear();
    std::size_t next = 0;
    int nextChange = first;  // the next row where an edge starts or ends
    for (int y = first; y < last; ++y) {
        if (y == nextChange) {
            std::erase_if(active, [y](const Edge& e) { return e.bottom == y; });
            for (; next < pending.size() && pending[next].top == y; ++next) {
                active.push_back(pending[next]);
            }
            nextChange = next < pending.size() ? pending[next].top : last;
            for (const Edge& e : active)
                nextChange = std::min(nextChange, e.bottom);
        }
        // Crossings move little from row to row, so the order of the previous row is almost
        // right and insertion sort is linear.
        for (std::size_t k = 1; k < active.size(); ++k) {
            for (std::size_t j = k; j > 0 && active[j].x < active[j - 1].x; --j) {
                std::swap(active[j], active[j - 1]);
            }
        }
        // Pixel x is inside when the windings of the crossings at or left of x do not cancel.
        int winding = 0;
        int start = 0;
        for (std::size_t k = 0; k < active.size();) {
            const auto x = static_cast<int>(active[k].x);
            const bool wasInside = winding != 0;
            for (; k < active.size() && active[k].x == x; ++k) {
                winding += active[k].winding;
                active[k].step();
            }
            const bool isInside = winding != 0;
            if (isInside && !wasInside) {
                start = x;
            } else if (!isInside && wasInside) {
                out.add(start, x);
            }
        }
        out.nextRow();
    }
    out.finish();
    return region;
}

Region Region::FromEllipse(const Rect& box) {
    const Rect b = box.normalized();
    Region region;
    if (b.isEmpty())
        return region;
    const std::int64_t w = b.width();
    const std::int64_t h = b.height();
    // With sumX = l + r - 1, pixel x lies at dx = 2x - sumX from the centre (in half pixels);
    // dx always has the parity of sumX.
    const std::int64_t sumX = std::int64_t{b.left} + b.right - 1;
    region.rowStart_.reserve(static_cast<std::size_t>(h) + 1);
    region.spans_.reserve(static_cast<std::size_t>(h));

    RowWriter out(region, b.top);
    for (int y = b.top; y < b.bottom; ++y) {
        const std::int64_t dy = 2 * std::int64_t{y} + 1 - b.top - b.bottom;
        // Largest |dx| with dx^2 h^2 <= w^2 (h^2 - dy^2), then down to the parity of dx.
        std::int64_t reach = SquareRoot(w * w * (h * h - dy * dy)) / h;
        if ((reach - sumX) % 2 != 0)
            --reach;
        if (reach >= 0) {
            out.add(static_cast<int>((sumX - reach) / 2), static_cast<int>((sumX + reach) / 2 + 1));
        }
        out.nextRow();
    }
    out.finish();
    return region;
}

}  // namespace tessary
