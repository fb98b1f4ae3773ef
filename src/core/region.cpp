#include "region.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "region_row_writer.h"

namespace tessary {

namespace {

// Truth tables for Region::combine, bit 2 * inThis + inOther.
constexpr unsigned kUnion = 0b1110;
constexpr unsigned kIntersection = 0b1000;
constexpr unsigned kDifference = 0b0100;
constexpr unsigned kExclusiveOr = 0b0110;

bool Keeps(unsigned table, bool inThis, bool inOther) {
    return (table >> (2 * unsigned{inThis} + unsigned{inOther})) & 1u;
}

bool BoxesOverlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The ends of the spans of one row, left to right, and whether the row is inside after each.
class SpanEnds {
public:
    static constexpr std::int64_t kDone = INT64_MAX;  // beyond every int coordinate

    explicit SpanEnds(std::span<const Span> row) : row_(row) { load(); }

    std::int64_t next() const { return next_; }
    bool isInside() const { return index_ % 2 == 1; }
    void advance() {
        ++index_;
        load();
    }

private:
    void load() {
        const std::size_t span = index_ / 2;
        next_ = span == row_.size() ? kDone : index_ % 2 == 0 ? row_[span].left : row_[span].right;
    }

    std::span<const Span> row_;
    std::size_t index_ = 0;
    std::int64_t next_ = kDone;
};

// Merges two rows by sweeping their span ends left to right; the output changes state at most
// once per distinct x, so its spans come out sorted and non-touching.
template <class Writer>
void MergeRow(std::span<const Span> a, std::span<const Span> b, unsigned table, Writer& out) {
    if (a.empty() || b.empty()) {
        const bool isOnlyB = a.empty();
        const auto only = isOnlyB ? b : a;
        if (!only.empty() && Keeps(table, !isOnlyB, isOnlyB))
            out.addRow(only);
        return;
    }
    SpanEnds endsA(a);
    SpanEnds endsB(b);
    bool isInside = false;
    int start = 0;
    while (endsA.next() != SpanEnds::kDone || endsB.next() != SpanEnds::kDone) {
        const std::int64_t next = std::min(endsA.next(), endsB.next());
        const auto x = static_cast<int>(next);
        if (endsA.next() == next)
            endsA.advance();
        if (endsB.next() == next)
            endsB.advance();
        const bool keep = Keeps(table, endsA.isInside(), endsB.isInside());
        if (keep == isInside)
            continue;
        if (keep) {
            start = x;
        } else {
            out.add(start, x);
        }
        isInside = keep;
    }
}

}  // namespace

Region& Region::operator=(Region&& other) noexcept {
    if (this == &other)
        return *this;
    top_ = std::exchange(other.top_, 0);
    rowStart_ = std::move(other.rowStart_);
    spans_ = std::move(other.spans_);
    left_ = std::exchange(other.left_, 0);
    right_ = std::exchange(other.right_, 0);
    other.rowStart_.clear();
    other.spans_.clear();
    return *this;
}

Rect Region::boundingBox() const {
    if (isEmpty())
        return {};
    return {left_, top_, right_, bottom()};
}

bool Region::contains(int x, int y) const {
    if (x < left_ || x >= right_)
        return false;
    const auto spans = row(y);
    // The last span starting at or before x is the only candidate.
    auto after = std::upper_bound(spans.begin(), spans.end(), x,
                                  [](int value, const Span& s) { return value < s.left; });
    return after != spans.begin() && x < std::prev(after)->right;
}

void Region::offset(int dx, int dy) {
    if (isEmpty())
        return;
    top_ += dy;
    if (dx == 0)
        return;
    left_ += dx;
    right_ += dx;
    for (Span& s : spans_) {
        s.left += dx;
        s.right += dx;
    }
}

Region Region::translated(int dx, int dy) const {
    Region moved = *this;
    moved.offset(dx, dy);
    return moved;
}

void Region::combine(const Region& other, unsigned table) {
    const bool keepsThisOnly = Keeps(table, true, false);
    const bool keepsOtherOnly = Keeps(table, false, true);
    if (other.isEmpty()) {
        if (!keepsThisOnly)
            *this = Region();
        return;
    }
    if (isEmpty()) {
        if (keepsOtherOnly)
            *this = other;
        return;
    }
    // Without common pixels, an op that does not keep both sides' own pixels gives one side
    // or nothing.
    if (!BoxesOverlap(boundingBox(), other.boundingBox()) && !(keepsThisOnly && keepsOtherOnly)) {
        if (keepsOtherOnly) {
            *this = other;
        } else if (!keepsThisOnly) {
            *this = Region();
        }
        return;
    }
    // Rows where one side is empty matter only if the op keeps pixels of the other side alone.
    int first = std::max(top_, other.top_);
    int last = std::min(bottom(), other.bottom());
    if (keepsThisOnly) {
        first = std::min(first, top_);
        last = std::max(last, bottom());
    }
    if (keepsOtherOnly) {
        first = std::min(first, other.top_);
        last = std::max(last, other.bottom());
    }
    // The result is built in a per-thread buffer (this may be `other`) and copied back, which
    // reuses this region's storage when it is large enough.
    thread_local Region result;
    RowWriter out(result, first);
    // Output spans start and end at distinct ends of input spans, so they are no more than the
    // input spans.
    result.spans_.reserve(spans_.size() + other.spans_.size());
    result.rowStart_.reserve(static_cast<std::size_t>(last - first) + 1);
    for (int y = first; y < last; ++y) {
        MergeRow(row(y), other.row(y), table, out);
        out.nextRow();
    }
    out.finish();
    *this = result;
}

Region& Region::operator|=(const Region& other) {
    combine(other, kUnion);
    return *this;
}

Region& Region::operator&=(const Region& other) {
    combine(other, kIntersection);
    return *this;
}

Region& Region::operator-=(const Region& other) {
    combine(other, kDifference);
    return *this;
}

Region& Region::operator^=(const Region& other) {
    combine(other, kExclusiveOr);
    return *this;
}

}  // namespace tessary
