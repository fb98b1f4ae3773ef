#include "field/compose_client_area.h"

#include <algorithm>
#include <cstring>

#include "core/element_set.h"
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

// The field area the held element may draw on.
Rect HeldFieldArea(const Field& field) {
    return field.elements->element(field.heldElement).fieldRect;
}

// Draws the held element over `target`, whose pixel (0, 0) lies at client point `origin`,
// within `clip` (target coordinates).
void DrawHeld(const Field& field, Bitmap32& target, Point origin, const Region& clip) {
    const Element& held = field.elements->element(field.heldElement);
    const Point corner =
        field.viewport.toClient({held.fieldRect.left - origin.x, held.fieldRect.top - origin.y});
    CopyThroughRegion(target, held.image, corner, field.dragRegion.translated(-origin.x, -origin.y),
                      &clip);
}

void ComposeAtFullSize(const Field& field, Bitmap32& out, const Rect& area) {
    const Viewport& v = field.viewport;
    const Bitmap32& picture = field.fieldPicture;
    const Rect fieldInClient{-v.scrollX, -v.scrollY, picture.width() - v.scrollX,
                             picture.height() - v.scrollY};
    const Rect shown =
        Intersection(Intersection(area, {0, 0, out.width(), out.height()}), fieldInClient);
    CopyArea(picture, shown.translated(v.scrollX, v.scrollY), {v.scrollX, v.scrollY}, out);
    if (field.heldElement >= 0 && field.hasElements())
        DrawHeld(field, out, {}, Region::FromRect(area));
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
    if (field.heldElement < 0 || !field.hasElements())
        return;
    // The scaled pixels the held element touches are made afresh from the field pixels they
    // read with the element drawn over them.
    const Rect heldScaled = Intersection(zoom.scaledCover(HeldFieldArea(field)), shown);
    if (heldScaled.isEmpty())
        return;
    const Rect read = Intersection(zoom.fieldCover(heldScaled), {0, 0, fieldSize.x, fieldSize.y});
    Bitmap32 under = Bitmap32::Uninitialised(read.width(), read.height());
    CopyArea(field.fieldPicture, read, {read.left, read.top}, under);
    DrawHeld(field, under, v.toClient({read.left, read.top}),
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
