#pragma once

#include <memory>
#include <vector>

#include "edge_table.h"
#include "geometry.h"
#include "outline.h"

namespace tessary {

/// The indices of the elements of one block, ascending, the owner included. All members of a
/// block share one list; a shared list is never changed, a change of membership hands the
/// members a new one.
using MemberList = std::vector<int>;

/// Links of an element joined to nothing.
inline constexpr EdgeTable kNoLinks = {-1, -1, -1, -1};

/// One piece of the picture. `outline` and `raisedOutline` (inherited) are in bitmap
/// coordinates; `links` and the edge tables follow the element as it now lies on the field.
struct Element : ElementOutlines {
    Rect fieldRect;              // the bitmap's place on the field, bitmapSide square
    int index = 0;               // row * columns + column: its place in the picture
    int rotation = 0;            // quarter turns counter-clockwise, 0..3
    Rect imageRect;              // the part of the bitmap that receives picture pixels
    EdgeTable links = kNoLinks;  // index of the element joined on each side, -1 none
    bool blockMoved = false;     // grabbed element only: its block mates were carried this drag
    bool alone = true;           // no link: a block of one
    bool enclosed = false;       // all four links set, so no 3D edge shows
    bool lifted = false;         // erased from the field picture and not drawn since
    std::shared_ptr<const MemberList> members;  // this element's block, shared by its members
    EdgeTable knobs{};                          // -1, 0 or +1 per side; 0 is straight
    EdgeTable knobShifts{};                     // -1, 0 or +1 per side

    bool hasLink(Side side) const { return links[side] >= 0; }
    bool hasAnyLink() const { return links != kNoLinks; }
    bool hasAllLinks() const {
        return hasLink(kTop) && hasLink(kRight) && hasLink(kBottom) && hasLink(kLeft);
    }
};

/// Rebuilds the element's outlines from its knob and shift tables; both old regions go.
inline void RebuildOutline(Element& e, const OutlineGeometry& g) {
    static_cast<ElementOutlines&>(e) = BuildOutline(e.knobs, e.knobShifts, g);
}

/// The side of the picture that `fieldSide` of an element turned to `rotation` shows.
constexpr Side PictureSideOf(Side fieldSide, int rotation) {
    return static_cast<Side>((fieldSide + rotation) % 4);
}

/// The side on the field that shows `pictureSide` of an element turned to `rotation`.
constexpr Side FieldSideOf(Side pictureSide, int rotation) {
    return static_cast<Side>((pictureSide - rotation % 4 + 4) % 4);
}

}  // namespace tessary
