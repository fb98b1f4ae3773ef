#include "field/compose_client_area.h"

#include <algorithm>
#include <cstring>

#include "core/region.h"
#include "field/carried_images.h"
#include "field/field.h"
#include "field/region_blit.h"
#include "field/scaled_carried.h"
#include "field/scaled_field_copy.h"

namespace tessary {
namespace {

// Copies the pixels of `source` within `area` to the same place less `shift` in `out`.
void CopyArea(const Bitmap32& source, const Rect& area, Point shift, Bitmap32& out) {
    for (int y = area.top; y < area.bottom && !area.isEmpty(); ++y) {
        std::memcpy(out.row(y - shift.y).data() + area.left - shift.x,
                    source.row(y).data() + area.left,
                    static_cast<std::size_t>(area.width()) * sizeof(std::uint32_t));
    }
}

// Draws what the pointer carries over `out` (client pixels at 100 %) within `area`.
void DrawCarried(const Field& field, Bitmap32& out, const Rect& area) {
    const Region clip = Region::FromRect(area);
    for (const CarriedImage& c : CarriedImages(field))
        CopyThroughRegion(out, *c.image, c.origin, c.clip, &clip);
}

void ComposeAtFullSize(const Field& field, Bitmap32& out, const Rect& area) {
    const Viewport& v = field.viewport;
    const Bitmap32& picture = field.fieldPicture;
    const Rect fieldInClient{-v.scrollX, -v.scrollY, picture.width() - v.scrollX,
                             picture.height() - v.scrollY};
    const Rect shown =
        area.intersected({0, 0, out.width(), out.height()}).intersected(fieldInClient);
    CopyArea(picture, shown.translated(v.scrollX, v.scrollY), {v.scrollX, v.scrollY}, out);
    DrawCarried(field, out, area);
}

void ComposeScaled(const Field& field, Bitmap32& out, const Rect& area, ScaledFieldCopy& scaled) {
    const Viewport& v = field.viewport;
    const ZoomScale zoom = v.zoom;
    const Point origin = v.scaledOrigin();
    const Point fieldSize{field.fieldPicture.width(), field.fieldPicture.height()};
    const Point scaledSize = zoom.scaledSize(fieldSize);
    // The area in scaled pixels, within the client area and the scaled field.
    const Rect shown = area.intersected({0, 0, out.width(), out.height()})
                           .translated(origin.x, origin.y)
                           .intersected({0, 0, scaledSize.x, scaledSize.y});
    if (shown.isEmpty())
        return;
    scaled.refresh(shown);
    CopyArea(scaled.bitmap(), shown, origin, out);
    const ScaledPatch carried = ScaleDownCarried(field, zoom, shown);
    CopyArea(carried.pixels, carried.area.translated(-carried.area.left, -carried.area.top),
             {origin.x - carried.area.left, origin.y - carried.area.top}, out);
}

}  // namespace

void ComposeClientArea(const Field& field, Bitmap32& out, Rect area, ScaledFieldCopy* scaled) {
    const Viewport& v = field.viewport;
    const bool isScaled = !v.zoom.isIdentity();
    const Point size =
        isScaled ? v.screenClientSize : Point{v.clientRect.width(), v.clientRect.height()};
    if (out.width() != size.x || out.height() != size.y)
        out = Bitmap32(size.x, size.y);
    if (isScaled)
        ComposeScaled(field, out, area, *scaled);
    else
        ComposeAtFullSize(field, out, area);
}

}  // namespace tessary
