#pragma once

#include "core/bitmap32.h"
#include "core/region.h"
#include "field/field.h"
#include "field/zoom_scale.h"

namespace tessary {

/// The field picture scaled down (ScaleDownArea), kept in step with it lazily: the field
/// reports the areas it changes, and refresh() recomputes only the stale part of the area
/// asked for. So switching to a new scale costs only what is shown, and a drag step only the
/// few scaled pixels around the piece. Registers itself with the field for its lifetime.
class ScaledFieldCopy final : public FieldPictureObserver {
public:
    ScaledFieldCopy(Field& field, ZoomScale scale);
    ~ScaledFieldCopy() override;
    ScaledFieldCopy(const ScaledFieldCopy&) = delete;
    ScaledFieldCopy& operator=(const ScaledFieldCopy&) = delete;

    ZoomScale scale() const { return scale_; }
    /// The scaled field, scale().scaledSize(field size); up to date where refreshed.
    const Bitmap32& bitmap() const { return bitmap_; }
    /// Brings the part of the copy within `scaledArea` up to date with the field picture.
    void refresh(const Rect& scaledArea);

    void fieldPictureChanged(const Rect& area) override;
    void fieldPictureReplaced() override;

private:
    Point fieldSize() const { return {field_.fieldPicture.width(), field_.fieldPicture.height()}; }

    Field& field_;
    ZoomScale scale_;
    Bitmap32 bitmap_;
    Region stale_;  // scaled pixels that may differ from the field picture
};

}  // namespace tessary
