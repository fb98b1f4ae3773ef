#include "field/scaled_field_copy.h"

#include <algorithm>
#include <span>

#include "field/scale_down.h"

namespace tessary {
namespace {

// Calls f(rect) for rectangles that together cover `region` exactly once: rows with the same
// spans as the row above extend its rectangles downwards.
template <class F>
void ForEachBandRect(const Region& region, F&& f) {
    std::span<const Span> band;
    int bandTop = region.top();
    auto flush = [&](int bottom) {
        for (const Span& s : band)
            f(Rect{s.left, bandTop, s.right, bottom});
    };
    for (int y = region.top(); y < region.bottom(); ++y) {
        const std::span<const Span> row = region.row(y);
        if (std::equal(row.begin(), row.end(), band.begin(), band.end()))
            continue;
        flush(y);
        band = row;
        bandTop = y;
    }
    flush(region.bottom());
}

// Whether every pixel of `box` is in `region`; quick for the common case of a change within a
// copy already stale as a whole (a redraw of every element after the field was cleared).
bool Covers(const Region& region, const Rect& box) {
    for (int y = box.top; y < box.bottom; ++y) {
        const std::span<const Span> row = region.row(y);
        if (std::none_of(row.begin(), row.end(),
                         [&](const Span& s) { return s.left <= box.left && s.right >= box.right; }))
            return false;
    }
    return true;
}

}  // namespace

ScaledFieldCopy::ScaledFieldCopy(Field& field, ZoomScale scale) : field_(field), scale_(scale) {
    field_.pictureObservers.push_back(this);
    fieldPictureReplaced();
}

ScaledFieldCopy::~ScaledFieldCopy() {
    std::erase(field_.pictureObservers, this);
}

void ScaledFieldCopy::refresh(const Rect& scaledArea) {
    Region due = stale_ & Region::FromRect(scaledArea);
    if (due.isEmpty())
        return;
    stale_ -= due;
    ForEachBandRect(due, [&](const Rect& r) {
        ScaleDownArea(field_.fieldPicture, {0, 0}, fieldSize(), scale_, r, bitmap_,
                      {r.left, r.top});
    });
}

void ScaledFieldCopy::fieldPictureChanged(const Rect& area) {
    const Rect box = scale_.scaledCover(area);
    if (!box.isEmpty() && !Covers(stale_, box))
        stale_ |= Region::FromRect(box);
}

void ScaledFieldCopy::fieldPictureReplaced() {
    const Point size = scale_.scaledSize(fieldSize());
    if (bitmap_.width() != size.x || bitmap_.height() != size.y)
        bitmap_ = Bitmap32::Uninitialised(size.x, size.y);
    stale_ = Region::FromRect({0, 0, size.x, size.y});
}

}  // namespace tessary
