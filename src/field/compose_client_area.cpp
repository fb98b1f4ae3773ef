#include "field/compose_client_area.h"

#include <algorithm>
#include <cstring>

#include "field/carried_images.h"
#include "field/field.h"
#include "field/region_blit.h"

namespace tessary {

void ComposeClientArea(const Field& field, Bitmap32& out, Rect area) {
    const Viewport& v = field.viewport;
    if (out.width() != v.clientRect.width() || out.height() != v.clientRect.height())
        out = Bitmap32(v.clientRect.width(), v.clientRect.height());
    const Bitmap32& picture = field.fieldPicture;
    const Rect shown{std::max({area.left, 0, -v.scrollX}), std::max({area.top, 0, -v.scrollY}),
                     std::min({area.right, out.width(), picture.width() - v.scrollX}),
                     std::min({area.bottom, out.height(), picture.height() - v.scrollY})};
    for (int y = shown.top; y < shown.bottom && !shown.isEmpty(); ++y) {
        const std::uint32_t* from = picture.row(y + v.scrollY).data() + shown.left + v.scrollX;
        std::memcpy(out.row(y).data() + shown.left, from,
                    static_cast<std::size_t>(shown.width()) * sizeof(std::uint32_t));
    }
    const Region areaRegion = Region::FromRect(area);
    for (const CarriedImage& c : CarriedImages(field))
        CopyThroughRegion(out, *c.image, c.origin, c.clip, &areaRegion);
}

}  // namespace tessary
