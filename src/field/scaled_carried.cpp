#include "field/scaled_carried.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/region.h"
#include "field/carried_images.h"
#include "field/field.h"
#include "field/region_blit.h"
#include "field/scale_down.h"

namespace tessary {

ScaledPatch ScaleDownCarried(const Field& field, ZoomScale scale, const Rect& within) {
    const std::vector<CarriedImage> carried = CarriedImages(field);
    if (carried.empty())
        return {};
    const Viewport& v = field.viewport;
    Rect covered = carried.front().clip.boundingBox();
    for (const CarriedImage& c : carried) {
        const Rect box = c.clip.boundingBox();
        covered = {std::min(covered.left, box.left), std::min(covered.top, box.top),
                   std::max(covered.right, box.right), std::max(covered.bottom, box.bottom)};
    }
    const Bitmap32& picture = field.fieldPicture;
    const Point fieldSize{picture.width(), picture.height()};
    const Point scaledSize = scale.scaledSize(fieldSize);
    ScaledPatch patch;
    patch.area = scale.scaledCover(covered.translated(v.scrollX, v.scrollY))
                     .intersected(within)
                     .intersected({0, 0, scaledSize.x, scaledSize.y});
    if (patch.area.isEmpty())
        return {};
    // The field as the player will see it once the carried images are put down, over the
    // field pixels the area reads.
    const Rect read = scale.fieldCover(patch.area).intersected({0, 0, fieldSize.x, fieldSize.y});
    Bitmap32 shown = Bitmap32::Uninitialised(read.width(), read.height());
    for (int y = 0; y < read.height(); ++y) {
        std::memcpy(shown.row(y).data(), picture.row(read.top + y).data() + read.left,
                    static_cast<std::size_t>(read.width()) * sizeof(std::uint32_t));
    }
    const Point origin = v.toClient({read.left, read.top});  // shown's corner, client coordinates
    for (const CarriedImage& c : carried) {
        CopyThroughRegion(shown, *c.image, {c.origin.x - origin.x, c.origin.y - origin.y},
                          c.clip.translated(-origin.x, -origin.y));
    }
    patch.pixels = Bitmap32::Uninitialised(patch.area.width(), patch.area.height());
    ScaleDownArea(shown, {read.left, read.top}, fieldSize, scale, patch.area, patch.pixels, {0, 0});
    return patch;
}

}  // namespace tessary
