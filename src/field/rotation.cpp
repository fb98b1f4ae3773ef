#include "field/rotation.h"

#include "core/element_set.h"
#include "core/field_region.h"
#include "core/reorient_element.h"
#include "field/dragging.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "field/platform.h"

namespace tessary {
namespace {

// The element under the pointer, which also becomes the last cursor position; -1 for none,
// and while an element is held (its clip on screen would no longer fit its turned image).
int ElementUnderPointer(Field& field) {
    if (field.heldElement >= 0)
        return -1;
    field.lastCursor = field.viewport.toField(field.platform.pointerPosition());
    return HitTest(field, field.lastCursor);
}

// Turns block member j by a quarter turn about the core corner `pivot`: its cell moves, its
// tables, links and rotation turn, and its shape and field region are rebuilt.
void TurnMember(Field& field, int j, Point pivot, int turn) {
    ElementSet& set = *field.elements;
    const Rect& base = set.baseRects()[j];
    const int dx = base.left - pivot.x, dy = base.top - pivot.y;
    const Point corner =
        turn > 0 ? Point{pivot.x - dy, pivot.y + dx} : Point{pivot.x + dy, pivot.y - dx};
    set.placeElement(j, {corner.x - set.cellMargin(), corner.y - set.cellMargin()});
    Element& e = set.element(j);
    e.links = TurnEdgeTable(e.links, turn);
    TurnElementShape(e, turn, set.geometry());
    // Built afresh rather than recomputed for the links: with 3D elements off a linked
    // element's region would otherwise keep its old shape and place.
    BuildFieldRegion(set, j);
}

}  // namespace

void ReorientElement(Field& field, int index, int turn) {
    ReorientElementShape(*field.elements, index, turn);
    BuildFieldRegion(*field.elements, index);
}

bool RotateBlock(Field& field, int turn) {
    const int e = ElementUnderPointer(field);
    if (e < 0)
        return false;
    const BusyScope busy(field.cursor);
    ElementSet& set = *field.elements;
    const Point pivot{set.baseRects()[e].left, set.baseRects()[e].top};
    // A copy: the loop rebuilds regions, which may hand the members a new list.
    const MemberList members = set.members(e);
    for (int j : members) {
        LiftElement(field, j, {.invalidate = true});
        TurnMember(field, j, pivot, turn);
    }
    DrawBlockMembers(field, e, {.rebuildRegions = true});
    DrawElement(field, e, {.rebuildRegion = true, .invalidate = true});
    field.platform.playSound(Sound::Rotation);
    return true;
}

bool RotateSingle(Field& field, int turn) {
    const int e = ElementUnderPointer(field);
    if (e < 0)
        return false;
    ElementSet& set = *field.elements;
    Region changed = set.fieldRegions()[e];
    ReorientElementShape(set, e, turn);
    LiftElement(field, e, {.beneath = Beneath::AllElements});
    DrawElement(field, e, {.rebuildRegion = true});
    changed |= set.fieldRegions()[e];
    changed.offset(-field.viewport.scrollX, -field.viewport.scrollY);
    field.platform.playSound(Sound::Rotation);
    field.platform.invalidate(changed);
    return true;
}

}  // namespace tessary
