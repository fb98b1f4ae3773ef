#pragma once

#include <cstdint>
#include <vector>
#include "core/bitmap32.h"

#include "field/field.h"
#include "field/zoom_scale.h"

namespace tessary {

/// The field picture scaled down (ScaleDownArea), kept in step with it lazily: the field
/// reports the areas it changes, and refresh() recomputes only the stale tiles of the area
/// asked for. So switching to a new scale costs only what is shown, and a drag step only the
/// few tiles around the piece, however many changes pile up elsewhere meanwhile. Registers
/// itself with the field for its lifetime.
class ScaledFieldCopy final : public FieldPictureObserver {
public:
    ScaledFieldCopy(Field& field, ZoomScale scale);
    ~ScaledFieldCopy() override;
    ScaledFieldCopy(const ScaledFieldCopy&) = delete;
    ScaledFieldCopy& operator=(const ScaledFieldCopy&) = delete;

    ZoomScale scale() const { return scale_; }
    /// The scaled field, scale().scaledSize(field size); up to date where refreshed.
    const Bitmap32& bitmap() const { return bitmap_; }
    /// Brings the part of the copy within `scaledArea` up to date with the field picture
    /// (whole tiles: a little around it may be brought up to date too).
    void refresh(const Rect& scaledArea);

    void fieldPictureChanged(const Rect& area) override;
    void fieldPictureReplaced() override;

private:
    static constexpr int kTileSide = 32;  // scaled pixels

    Point fieldSize() const { return {field_.fieldPicture.width(), field_.fieldPicture.height()}; }
    /// The tiles that hold any pixel of `scaledArea`, clipped to the copy.
    Rect tilesOf(const Rect& scaledArea) const;

    Field& field_;
    ZoomScale scale_;
    Bitmap32 bitmap_;
    int tileColumns_ = 0;
    std::vector<std::uint8_t> isStale_;  // per tile, row by row: may differ from the field
};

}  // namespace tessary
