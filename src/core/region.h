#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "geometry.h"

namespace tessary {

/// A horizontal run of pixels of one row: left <= x < right.
struct Span {
    int left = 0;
    int right = 0;

    friend bool operator==(const Span&, const Span&) = default;
};

/// A set of pixels, stored row by row as sorted, disjoint, non-touching spans.
///
/// Rasterisation rule, shared by every shape:
///  - A pixel (x, y) belongs to a polygon when its top-left corner point (x, y) lies inside
///    the polygon under the non-zero winding rule. A point exactly on an edge counts when
///    the inside lies to its right (left edges are in, right edges out); an edge covers the
///    rows from its upper end inclusive to its lower end exclusive, horizontal edges none.
///    So a polygon tracing a box covers exactly that box, and two polygons that share an
///    edge never both take a pixel on it.
///  - A pixel belongs to the ellipse inscribed in a box when its top-left corner point lies
///    in the closed ellipse shifted by half a pixel towards the top-left, which is the same
///    as testing the pixel's centre against the ellipse itself. The result lies inside the
///    box and is symmetric within it.
///  - Boxes given with their corners in either order mean the same box.
class Region {
public:
    Region() = default;
    Region(const Region&) = default;
    Region& operator=(const Region&) = default;
    /// A moved-from region is left empty, so that it still compares by its pixels.
    Region(Region&& other) noexcept { *this = std::move(other); }
    Region& operator=(Region&& other) noexcept;

    /// The pixels of a box.
    static Region FromRect(const Rect& box);
    /// The pixels of a closed polygon (the last point joins the first) under the non-zero
    /// winding rule; any orientation, self-intersections, repeated points and degenerate
    /// polygons are allowed.
    static Region FromPolygon(std::span<const Point> points);
    /// The pixels of the ellipse inscribed in a box; width and height at most 46,340 each, so
    /// that the exact test fits in 64 bits.
    static Region FromEllipse(const Rect& box);

    bool isEmpty() const { return spans_.empty(); }
    /// Smallest box holding every pixel; an empty box (all zero) for an empty region.
    Rect boundingBox() const;
    /// Whether pixel (x, y) is in the region.
    bool contains(int x, int y) const;
    std::size_t spanCount() const { return spans_.size(); }

    /// Moves every pixel by (dx, dy).
    void offset(int dx, int dy);
    /// A copy moved by (dx, dy).
    Region translated(int dx, int dy) const;

    /// First row held (inclusive) and the row after the last (exclusive); rows in between may
    /// be empty.
    int top() const { return top_; }
    int bottom() const { return top_ + rowCount(); }
    /// The spans of row y, left to right; empty outside [top(), bottom()).
    std::span<const Span> row(int y) const {
        if (y < top_ || y >= bottom())
            return {};
        const auto i = static_cast<std::size_t>(y - top_);
        return {spans_.data() + rowStart_[i], rowStart_[i + 1] - rowStart_[i]};
    }

    /// Calls f(y, span) for every span, top to bottom, left to right.
    template <class F>
    void forEachSpan(F&& f) const {
        for (int i = 0; i < rowCount(); ++i) {
            for (std::uint32_t s = rowStart_[i]; s < rowStart_[i + 1]; ++s)
                f(top_ + i, spans_[s]);
        }
    }

    /// Union, intersection, difference and exclusive-or with another region.
    Region& operator|=(const Region& other);
    Region& operator&=(const Region& other);
    Region& operator-=(const Region& other);
    Region& operator^=(const Region& other);

    friend Region operator|(Region a, const Region& b) {
        a |= b;
        return a;
    }
    friend Region operator&(Region a, const Region& b) {
        a &= b;
        return a;
    }
    friend Region operator-(Region a, const Region& b) {
        a -= b;
        return a;
    }
    friend Region operator^(Region a, const Region& b) {
        a ^= b;
        return a;
    }

    friend bool operator==(const Region&, const Region&) = default;

private:
    class RowWriter;

    // Keeps the pixels whose membership (in this, in other) has its bit set in `table`, bit
    // index 2 * inThis + inOther; bit 0 must be clear.
    void combine(const Region& other, unsigned table);

    int rowCount() const { return rowStart_.empty() ? 0 : static_cast<int>(rowStart_.size()) - 1; }

    // Rows top_ .. top_ + rowCount() - 1; the spans of row top_ + i are
    // spans_[rowStart_[i] .. rowStart_[i + 1]). The first and last rows are never empty, and an
    // empty region holds no rows at all, so equal pixel sets compare equal.
    int top_ = 0;
    std::vector<std::uint32_t> rowStart_;
    std::vector<Span> spans_;
    int left_ = 0;  // bounding box columns, kept up to date by every operation
    int right_ = 0;
};

}  // namespace tessary
