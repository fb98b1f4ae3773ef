#include "field/region_blit.h"

#include <algorithm>
#include <cstring>

#include "core/region.h"
#include "field/field.h"

namespace tessary {
namespace {

// Calls f(y, left, right) for every run of pixels in `clip` (and in `extra` when given) that
// lies inside `bounds`, row by row. Two sorted span lists are intersected in one pass, so no
// region is built.
template <class F>
void ForEachClippedRun(const Region& clip, const Region* extra, const Rect& bounds, F&& f) {
    int top = std::max(clip.top(), bounds.top);
    int bottom = std::min(clip.bottom(), bounds.bottom);
    if (extra != nullptr) {
        top = std::max(top, extra->top());
        bottom = std::min(bottom, extra->bottom());
    }
    auto emit = [&](int y, int left, int right) {
        left = std::max(left, bounds.left);
        right = std::min(right, bounds.right);
        if (left < right)
            f(y, left, right);
    };
    for (int y = top; y < bottom; ++y) {
        const std::span<const Span> a = clip.row(y);
        if (extra == nullptr) {
            for (const Span& s : a)
                emit(y, s.left, s.right);
            continue;
        }
        const std::span<const Span> b = extra->row(y);
        std::size_t i = 0, j = 0;
        while (i < a.size() && j < b.size()) {
            emit(y, std::max(a[i].left, b[j].left), std::min(a[i].right, b[j].right));
            if (a[i].right < b[j].right)
                ++i;
            else
                ++j;
        }
    }
}

Rect BoundsOf(const Bitmap32& picture) {
    return {0, 0, picture.width(), picture.height()};
}

// The part of `target` covered by a picture of `size` placed with its top-left corner at `at`.
Rect PlacedBounds(const Bitmap32& target, Point at, Point size) {
    return Rect{at.x, at.y, at.x + size.x, at.y + size.y}.intersected(BoundsOf(target));
}

bool HasTexture(const Background& background) {
    return background.isTextured && !background.texture.isEmpty();
}

// Fills pixels [left, right) of row y with the texture tiled from the origin; left >= 0.
void FillTextureRun(Bitmap32& target, const Bitmap32& texture, int y, int left, int right) {
    const std::uint32_t* tile = texture.row(y % texture.height()).data();
    std::uint32_t* out = target.row(y).data();
    const int tileWidth = texture.width();
    for (int x = left; x < right;) {
        const int tx = x % tileWidth;
        const int n = std::min(right - x, tileWidth - tx);
        std::memcpy(out + x, tile + tx, static_cast<std::size_t>(n) * sizeof(std::uint32_t));
        x += n;
    }
}

}  // namespace

void CopyThroughRegion(Bitmap32& target, const Bitmap32& source, Point at, const Region& clip,
                       const Region* extraClip) {
    const Rect bounds = PlacedBounds(target, at, {source.width(), source.height()});
    if (bounds.isEmpty())
        return;
    ForEachClippedRun(clip, extraClip, bounds, [&](int y, int left, int right) {
        const std::uint32_t* from = source.row(y - at.y).data() + (left - at.x);
        std::memcpy(target.row(y).data() + left, from,
                    static_cast<std::size_t>(right - left) * sizeof(std::uint32_t));
    });
}

void WriteThroughRegion(Bitmap32& target, const RowPixels& source, Point at, Point size,
                        const Region& clip, const Region* extraClip) {
    const Rect bounds = PlacedBounds(target, at, size);
    if (bounds.isEmpty())
        return;
    ForEachClippedRun(clip, extraClip, bounds, [&](int y, int left, int right) {
        source.readRow(y - at.y, left - at.x, right - at.x, target.row(y).data() + left);
    });
}

void FillThroughRegion(Bitmap32& target, const Region& clip, const Background& background) {
    if (HasTexture(background)) {
        ForEachClippedRun(clip, nullptr, BoundsOf(target), [&](int y, int left, int right) {
            FillTextureRun(target, background.texture, y, left, right);
        });
        return;
    }
    ForEachClippedRun(clip, nullptr, BoundsOf(target), [&](int y, int left, int right) {
        std::uint32_t* out = target.row(y).data();
        std::fill(out + left, out + right, background.colour);
    });
}

void FillWithBackground(Bitmap32& target, const Background& background) {
    if (!HasTexture(background)) {
        target.fill(background.colour);
        return;
    }
    for (int y = 0; y < target.height(); ++y)
        FillTextureRun(target, background.texture, y, 0, target.width());
}

}  // namespace tessary
