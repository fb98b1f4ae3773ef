#include "field/compose_client_area.h"

#include <algorithm>
#include <cstring>

#include "core/region.h"
#include "field/carried_images.h"
#include "field/field.h"
#include "field/region_blit.h"
#include "field/scale_down.h"
#include "field/scaled_field_copy.h"

namespace tessary {
namespace {

Rect Intersection(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// Copies the pixels of `source` within `area` to the same place less `shift` in `out`.
void CopyArea(const Bitmap32& source, const Rect& area, Point shift, Bitmap32& out) {
    for (int y = area.top; y < area.bottom && !area.isEmpty(); ++y) {
        std::memcpy(out.row(y - shift.y).data() + area.left - shift.x,
                    source.row(y).data() + area.left,
                    static_cast<std::size_t>(area.width()) * sizeof(std::uint32_t));
    }
}

// The field area what the pointer carries covers.
Rect CarriedFieldArea(const Field& field, const std::vector<CarriedImage>& carried) {
    Region covered;
    for (const CarriedImage& c : carried)
        covered |= Region::FromRect(c.clip.boundingBox());
    return covered.boundingBox().translated(field.viewport.scrollX, field.viewport.scrollY);
}

// Draws what the pointer carries over `target`, whose pixel (0, 0) lies at client point
// `origin`, within `clip` (target coordinates).
void DrawCarried(const std::vector<CarriedImage>& carried, Bitmap32& target, Point origin,
                 const Region& clip) {
    for (const CarriedImage& c : carried) {
        CopyThroughRegion(target, *c.image, {c.origin.x - origin.x, c.origin.y - origin.y},
                          c.clip.translated(-origin.x, -origin.y), &clip);
    }
}

void ComposeAtFullSize(const Field& field, Bitmap32& out, const Rect& area) {
    const Viewport& v = field.viewport;
    const Bitmap32& picture = field.fieldPicture;
    const Rect fieldInClient{-v.scrollX, -v.scrollY, picture.width() - v.scrollX,
                             picture.height() - v.scrollY};
    const Rect shown =
        Intersection(Intersection(area, {0, 0, out.width(), out.height()}), fieldInClient);
    CopyArea(picture, shown.translated(v.scrollX, v.scrollY), {v.scrollX, v.scrollY}, out);
    DrawCarried(CarriedImages(field), out, {}, Region::FromRect(area));
}

void ComposeScaled(const Field& field, Bitmap32& out, const Rect& area, ScaledFieldCopy& scaled) {
    const Viewport& v = field.viewport;
    const ZoomScale zoom = v.zoom;
    const Point origin = v.scaledOrigin();
    const Point fieldSize{field.fieldPicture.width(), field.fieldPicture.height()};
    const Point scaledSize = zoom.scaledSize(fieldSize);
    // The area in scaled pixels, within the client area and the scaled field.
    const Rect shown = Intersection(
        Intersection(area, {0, 0, out.width(), out.height()}).translated(origin.x, origin.y),
        {0, 0, scaledSize.x, scaledSize.y});
    if (shown.isEmpty())
        return;
    scaled.refresh(shown);
    CopyArea(scaled.bitmap(), shown, origin, out);
    const std::vector<CarriedImage> carried = CarriedImages(field);
    if (carried.empty())
        return;
    // The scaled pixels of what is carried are made afresh from the field pixels they read
    // with the carried images drawn over them.
    const Rect heldScaled = Intersection(zoom.scaledCover(CarriedFieldArea(field, carried)), shown);
    if (heldScaled.isEmpty())
        return;
    const Rect read = Intersection(zoom.fieldCover(heldScaled), {0, 0, fieldSize.x, fieldSize.y});
    Bitmap32 under = Bitmap32::Uninitialised(read.width(), read.height());
    CopyArea(field.fieldPicture, read, {read.left, read.top}, under);
    DrawCarried(carried, under, v.toClient({read.left, read.top}),
                Region::FromRect({0, 0, read.width(), read.height()}));
    ScaleDownArea(under, {read.left, read.top}, fieldSize, zoom, heldScaled, out,
                  {heldScaled.left - origin.x, heldScaled.top - origin.y});
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
