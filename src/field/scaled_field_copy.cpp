#include "field/scaled_field_copy.h"

#include <algorithm>

#include "field/scale_down.h"

namespace tessary {

ScaledFieldCopy::ScaledFieldCopy(Field& field, ZoomScale scale) : field_(field), scale_(scale) {
    field_.pictureObservers.push_back(this);
    fieldPictureReplaced();
}

ScaledFieldCopy::~ScaledFieldCopy() {
    std::erase(field_.pictureObservers, this);
}

Rect ScaledFieldCopy::tilesOf(const Rect& scaledArea) const {
    const int tileRows = tileColumns_ == 0 ? 0 : static_cast<int>(isStale_.size()) / tileColumns_;
    auto tileBelow = [](int v) {
        return v < 0 ? -((-v + kTileSide - 1) / kTileSide) : v / kTileSide;
    };
    return {std::max(tileBelow(scaledArea.left), 0), std::max(tileBelow(scaledArea.top), 0),
            std::min(tileBelow(scaledArea.right - 1) + 1, tileColumns_),
            std::min(tileBelow(scaledArea.bottom - 1) + 1, tileRows)};
}

void ScaledFieldCopy::refresh(const Rect& scaledArea) {
    if (scaledArea.isEmpty())
        return;
    const Rect tiles = tilesOf(scaledArea);
    for (int ty = tiles.top; ty < tiles.bottom; ++ty) {
        // Runs of stale tiles along the row are scaled in one go.
        for (int tx = tiles.left; tx < tiles.right;) {
            std::uint8_t* stale = &isStale_[static_cast<std::size_t>(ty * tileColumns_ + tx)];
            if (*stale == 0) {
                ++tx;
                continue;
            }
            const int first = tx;
            for (; tx < tiles.right && *stale != 0; ++tx, ++stale)
                *stale = 0;
            const Rect r{first * kTileSide, ty * kTileSide, tx * kTileSide, (ty + 1) * kTileSide};
            ScaleDownArea(field_.fieldPicture, {0, 0}, fieldSize(), scale_, r, bitmap_,
                          {r.left, r.top});
        }
    }
}

void ScaledFieldCopy::fieldPictureChanged(const Rect& area) {
    if (area.isEmpty())
        return;
    const Rect tiles = tilesOf(scale_.scaledCover(area));
    for (int ty = tiles.top; ty < tiles.bottom; ++ty) {
        std::uint8_t* row = &isStale_[static_cast<std::size_t>(ty * tileColumns_)];
        std::fill(row + tiles.left, row + tiles.right, std::uint8_t{1});
    }
}

void ScaledFieldCopy::fieldPictureReplaced() {
    const Point size = scale_.scaledSize(fieldSize());
    if (bitmap_.width() != size.x || bitmap_.height() != size.y)
        bitmap_ = Bitmap32::Uninitialised(size.x, size.y);
    tileColumns_ = (size.x + kTileSide - 1) / kTileSide;
    const int tileRows = (size.y + kTileSide - 1) / kTileSide;
    isStale_.assign(static_cast<std::size_t>(tileColumns_) * static_cast<std::size_t>(tileRows), 1);
}

}  // namespace tessary
