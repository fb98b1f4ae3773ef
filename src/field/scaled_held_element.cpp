#include "field/scaled_held_element.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/element_set.h"
#include "field/field.h"
#include "field/region_blit.h"
#include "field/scale_down.h"

namespace tessary {
namespace {

Rect Intersection(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

}  // namespace

ScaledPatch ScaleDownHeldElement(const Field& field, ZoomScale scale) {
    if (field.heldElement < 0 || !field.hasElements())
        return {};
    const Viewport& v = field.viewport;
    const Bitmap32& picture = field.fieldPicture;
    const Point fieldSize{picture.width(), picture.height()};
    const Point scaledSize = scale.scaledSize(fieldSize);
    const Region region = field.dragRegion.translated(v.scrollX, v.scrollY);
    ScaledPatch patch;
    patch.area =
        Intersection(scale.scaledCover(region.boundingBox()), {0, 0, scaledSize.x, scaledSize.y});
    if (patch.area.isEmpty())
        return {};
    // The field as the player sees it over the pixels the area reads.
    const Rect source =
        Intersection(scale.fieldCover(patch.area), {0, 0, fieldSize.x, fieldSize.y});
    Bitmap32 shown = Bitmap32::Uninitialised(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y) {
        std::memcpy(shown.row(y).data(), picture.row(source.top + y).data() + source.left,
                    static_cast<std::size_t>(source.width()) * sizeof(std::uint32_t));
    }
    const Element& held = field.elements->element(field.heldElement);
    CopyThroughRegion(shown, held.image,
                      {held.fieldRect.left - source.left, held.fieldRect.top - source.top},
                      region.translated(-source.left, -source.top));
    patch.pixels = Bitmap32::Uninitialised(patch.area.width(), patch.area.height());
    ScaleDownArea(shown, {source.left, source.top}, fieldSize, scale, patch.area, patch.pixels,
                  {0, 0});
    return patch;
}

}  // namespace tessary
