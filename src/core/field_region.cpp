#include "field_region.h"

#include "element_set.h"
#include "joined_edge_region.h"

namespace tessary {
namespace {

int LinkedSideFlags(const Element& e) {
    int flags = 0;
    for (Side side : kAllSides) {
        if (e.hasLink(side))
            flags |= SideFlag(side);
    }
    return flags;
}

// The field region for the element's links. `isShapeCurrent` skips rebuilding the shape where
// the rules rebuild it, for callers that have just built it from the same tables.
void FieldRegionForLinks(ElementSet& set, int index, bool isShapeCurrent) {
    Element& e = set.element(index);
    Region& region = set.fieldRegions()[index];
    const int x = e.fieldRect.left, y = e.fieldRect.top;
    e.enclosed = false;
    if (!e.hasAnyLink()) {
        e.alone = true;
        set.separateFromBlock(index);
        if (!isShapeCurrent)
            RebuildOutline(e, set.geometry());
        region = e.raisedOutline.translated(x, y);
        return;
    }
    if (!set.options().enable3DElements)
        return;
    if (e.hasAllLinks()) {
        e.enclosed = true;
        if (!isShapeCurrent)
            RebuildOutline(e, set.geometry());
        region = e.outline.translated(x, y);
        return;
    }
    region = JoinedEdgeRegion(e, LinkedSideFlags(e), set.geometry());
    region.offset(x, y);
}

}  // namespace

void RecomputeFieldRegion(ElementSet& set, int index) {
    FieldRegionForLinks(set, index, false);
}

void BuildFieldRegion(ElementSet& set, int index) {
    set.fieldRegions()[index] = Region();
    if (set.options().enable3DElements) {
        FieldRegionForLinks(set, index, true);
        return;
    }
    const Element& e = set.element(index);
    set.fieldRegions()[index] = e.raisedOutline.translated(e.fieldRect.left, e.fieldRect.top);
}

}  // namespace tessary
