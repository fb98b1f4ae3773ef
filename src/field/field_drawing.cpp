#include "field/field_drawing.h"

#include <stdexcept>

#include "core/element_set.h"
#include "core/field_region.h"
#include "field/field.h"
#include "field/platform.h"
#include "field/region_blit.h"
#include "field/render_element_image.h"

namespace tessary {
namespace {

void InvalidateFieldArea(Field& field, const Region& fieldArea) {
    field.platform.invalidate(
        fieldArea.translated(-field.viewport.scrollX, -field.viewport.scrollY));
}

// Rebuilds the element's shape and bitmap square for the current geometry (a changed contour
// thickness changes bitmapSide), then its field region for its links.
void RebuildShapeAndRegion(ElementSet& set, int index) {
    Element& e = set.element(index);
    set.placeElement(index, {e.fieldRect.left, e.fieldRect.top});
    RebuildOutline(e, set.geometry());
    BuildFieldRegion(set, index);
}

}  // namespace

void DrawElement(Field& field, int index, const DrawOptions& options) {
    ElementSet& set = *field.elements;
    if (options.rebuildRegion)
        BuildFieldRegion(set, index);
    if (field.picture == nullptr)
        throw std::logic_error("elements drawn without their picture");
    Element& e = set.element(index);
    const Region& region = set.fieldRegions()[index];
    const ElementPixels pixels(e, set, *field.picture, ContourPixel(field.settings));
    WriteThroughRegion(field.fieldPicture, pixels, {e.fieldRect.left, e.fieldRect.top},
                       {pixels.side(), pixels.side()}, region, options.extraClip);
    field.notePictureChanged(region.boundingBox());
    if (options.invalidate)
        InvalidateFieldArea(field, region);
    e.lifted = false;
}

void LiftElement(Field& field, int index, const LiftOptions& options) {
    ElementSet& set = *field.elements;
    const Region& region = set.fieldRegions()[index];
    FillThroughRegion(field.fieldPicture, region, field.background);
    field.notePictureChanged(region.boundingBox());
    if (options.invalidate)
        InvalidateFieldArea(field, region);
    RedrawBeneath(field, index, options.beneath);
    set.element(index).lifted = true;
}

void RedrawBeneath(Field& field, int index, Beneath beneath) {
    ElementSet& set = *field.elements;
    const int L = 3 * set.elementSize() / 2;
    const Rect& A = set.baseRects()[index];
    const Region& clip = set.fieldRegions()[index];
    const std::span<const int> zOrder = set.zOrder();
    for (std::size_t k = zOrder.size(); k-- > 0;) {
        const int o = zOrder[k];
        if (o == index || (beneath == Beneath::OtherBlocks && set.isSameBlock(o, index)))
            continue;
        const Rect& O = set.baseRects()[o];
        if (O.left > A.left - L && O.right < A.right + L && O.top > A.top - L &&
            O.bottom < A.bottom + L) {
            DrawElement(field, o, {.extraClip = &clip});
        }
    }
}

void DrawBlockMembers(Field& field, int index, const BlockDrawOptions& options) {
    ElementSet& set = *field.elements;
    if (set.element(index).alone)
        return;
    // A copy: a rebuilt region may regroup the block and hand the members a new list.
    const MemberList members = set.members(index);
    for (int j : members) {
        if (j != index)
            DrawElement(field, j, {.rebuildRegion = options.rebuildRegions, .invalidate = true});
    }
}

void RedrawField(Field& field, const RedrawOptions& options) {
    if (options.clear) {
        FillWithBackground(field.fieldPicture, field.background);
        field.notePictureReplaced();
    }
    if (!field.hasElements()) {
        field.platform.invalidateAll();
        field.platform.repaintNow();
        return;
    }
    const BusyScope busy(field.cursor);
    ElementSet& set = *field.elements;
    const std::span<const int> zOrder = set.zOrder();
    for (std::size_t k = zOrder.size(); k-- > 0;) {
        const int i = zOrder[k];
        if (options.rebuildRegions)
            RebuildShapeAndRegion(set, i);
        DrawElement(field, i, {.invalidate = !options.clear});
    }
    if (options.playSound)
        field.platform.playSound(Sound::Join);
    field.platform.invalidateAll();
}

void FieldPainter::redrawElement(int index) {
    DrawElement(field_, index, {.invalidate = true});
}

}  // namespace tessary
