#pragma once

namespace tessary {

/// A point with integer pixel coordinates.
struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

/// A box of pixels: includes its left column and top row, excludes its right column and
/// bottom row. The corners are stored as given; normalized() puts them in order.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }

    /// The same box with left <= right and top <= bottom.
    Rect normalized() const {
        Rect r = *this;
        if (r.left > r.right) {
            int t = r.left;
            r.left = r.right;
            r.right = t;
        }
        if (r.top > r.bottom) {
            int t = r.top;
            r.top = r.bottom;
            r.bottom = t;
        }
        return r;
    }

    Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    /// The pixels in both boxes (empty when they do not meet).
    Rect intersected(const Rect& o) const {
        return {left > o.left ? left : o.left, top > o.top ? top : o.top,
                right < o.right ? right : o.right, bottom < o.bottom ? bottom : o.bottom};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tessary
