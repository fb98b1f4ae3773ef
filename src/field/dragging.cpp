#include "field/dragging.h"

#include <algorithm>

#include "core/bring_to_front.h"
#include "core/detach_element.h"
#include "core/element_set.h"
#include "core/field_region.h"
#include "core/join_rules.h"
#include "field/edge_scroll.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "field/key_state.h"
#include "field/platform.h"
#include "field/viewport.h"

namespace tessary {
namespace {

// Holds element h: its shape becomes the clip of the held image, and is shown.
void Hold(Field& field, int h) {
    field.heldElement = h;
    RefreshDragRegion(field);
    field.platform.invalidate(field.dragRegion);
}

// The motion along one axis, limited so that the core square [low, high) does not cross the
// visible range [limitLow, limitHigh) in the direction of motion. `raw` is the client point
// minus the last field point, so no motion is raw == -scroll.
int LimitMotion(int raw, int scroll, int low, int high, int limitLow, int limitHigh) {
    if (raw < -scroll && low + raw <= limitLow)
        return limitLow - low;
    if (raw > -scroll && high + raw >= limitHigh)
        return limitHigh - high;
    return raw;
}

// The held element h of a block moved by `motion`: its block mates follow. The first step of
// the drag lifts them out of the field picture. `isShown`: the mates are drawn following the
// pointer, so each one's old and new places are invalidated, by their bounding box (cheap to
// build, and the window repaints boxes anyway).
void CarryBlockMates(Field& field, int h, Point motion, bool isShown) {
    ElementSet& set = *field.elements;
    Element& held = set.element(h);
    if (!held.blockMoved) {
        for (int j : set.members(h)) {
            if (j != h)
                LiftElement(field, j, {.invalidate = true});
        }
    }
    if (isShown && motion != Point{}) {
        const Viewport& v = field.viewport;
        for (int j : set.members(h)) {
            if (j == h)
                continue;
            const Rect old = set.fieldRegions()[j].boundingBox().translated(-v.scrollX, -v.scrollY);
            field.platform.invalidate(Region::FromRect(
                {std::min(old.left, old.left + motion.x), std::min(old.top, old.top + motion.y),
                 std::max(old.right, old.right + motion.x),
                 std::max(old.bottom, old.bottom + motion.y)}));
        }
    }
    MoveBlockMembers(set, h, motion.x, motion.y);
    held.blockMoved = true;
}

// A join ended the drag: the grown block is drawn where it now lies. The button is still
// down, and its release may go to another window (the completion window): the pointer shows
// again now.
void EndDragOnJoin(Field& field, int h) {
    ElementSet& set = *field.elements;
    field.platform.invalidate(field.dragRegion);
    EndHolding(field);
    BringToFront(set, h);
    DrawElement(field, h, {.invalidate = true});
    DrawBlockMembers(field, h);
    set.element(h).blockMoved = false;
}

}  // namespace

int HitTest(const Field& field, Point fieldPoint) {
    if (!field.hasElements())
        return -1;
    const ElementSet& set = *field.elements;
    for (int i : set.zOrder()) {
        if (set.fieldRegions()[i].contains(fieldPoint.x, fieldPoint.y))
            return i;
    }
    return -1;
}

void PickElement(Field& field, int keyState) {
    // A second button pressed while holding takes nothing: the held element, lifted from the
    // field picture, would otherwise be dropped nowhere and vanish from the field.
    if (field.heldElement >= 0)
        return;
    field.lastCursor = field.viewport.toField(field.platform.pointerPosition());
    const int e = HitTest(field, field.lastCursor);
    if (e < 0)
        return;
    ElementSet& set = *field.elements;
    field.platform.captureMouse(true);
    field.cursor.setHolding(true);
    if (set.element(e).alone) {
        LiftElement(field, e);
        Hold(field, e);
    } else if (IsDetachChord(keyState)) {
        DetachElement(set, e);
        RecomputeFieldRegion(set, e);
        LiftElement(field, e, {.beneath = Beneath::AllElements});
        Hold(field, e);
    } else {
        field.heldElement = e;
        RefreshDragRegion(field);
    }
    BringToFront(set, e);
}

JoinReaction DragStep(Field& field, int keyState, Point client, bool isMarkedComplete) {
    const bool isDrag = keyState == kDragChord;
    const bool isDetach = IsDetachChord(keyState);
    if (!isDrag && !isDetach) {
        if (field.settings.enableMouseScroll != 0)
            EdgeScrollStep(field, keyState, client);
        return JoinReaction::Nothing;
    }
    const int h = field.heldElement;
    if (h < 0 || !field.hasElements())
        return JoinReaction::Nothing;
    ElementSet& set = *field.elements;
    Element& held = set.element(h);
    if (isDetach && !held.alone)
        return JoinReaction::Nothing;

    Region oldRegion = set.fieldRegions()[h];
    if (!held.lifted)
        LiftElement(field, h, {.beneath = Beneath::AllElements});

    // Carried into an edge strip, the view may scroll on; the motion below counts from the new
    // origin, so the element keeps its place under the pointer.
    const bool hasScrolled = CarryScrollStep(field, client);
    const Viewport& v = field.viewport;
    const Rect& B = set.baseRects()[h];
    const Rect& L = v.clientRect;
    const int dx =
        LimitMotion(client.x - field.lastCursor.x, v.scrollX, B.left, B.right, L.left, L.right) +
        v.scrollX;
    const int dy =
        LimitMotion(client.y - field.lastCursor.y, v.scrollY, B.top, B.bottom, L.top, L.bottom) +
        v.scrollY;
    field.lastCursor = {field.lastCursor.x + dx, field.lastCursor.y + dy};
    set.moveElement(h, dx, dy);

    if (hasScrolled) {
        field.platform.invalidateAll();
    } else {
        oldRegion |= set.fieldRegions()[h];
        oldRegion.offset(-v.scrollX, -v.scrollY);
        field.platform.invalidate(oldRegion);
    }
    RefreshDragRegion(field);
    if (isDrag && !held.alone)
        CarryBlockMates(field, h, {dx, dy}, !hasScrolled && field.extraOptions.showWholeBlock);
    if (hasScrolled)
        field.platform.repaintNow();

    if (!isDrag)
        return JoinReaction::Nothing;
    const int joins = ApplyJoinRules(set, h);
    if (joins == 0)
        return JoinReaction::Nothing;
    EndDragOnJoin(field, h);
    return ReactToJoin(set, joins, isMarkedComplete);
}

void ReleaseElement(Field& field) {
    const int h = field.heldElement;
    EndHolding(field);
    if (h >= 0 && field.hasElements()) {
        DrawElement(field, h, {.invalidate = true});
        Element& held = field.elements->element(h);
        held.blockMoved = false;
        if (!held.alone)
            DrawBlockMembers(field, h);
    }
}

void EndHolding(Field& field) {
    field.platform.captureMouse(false);
    field.heldElement = -1;
    field.dragRegion = Region();
    field.carriedImages.clear();
    field.cursor.setHolding(false);
}

}  // namespace tessary
