#include "block_linking.h"

#include <algorithm>
#include <vector>

#include "element_set.h"
#include "field_region.h"

namespace tessary {
namespace {

// The core squares of one block's members, sorted by their top-left corners for look-ups.
class BlockCells {
public:
    BlockCells(const ElementSet& set, int member) {
        const MemberList& members = set.members(member);
        cells_.reserve(members.size());
        for (int j : members) {
            const Rect& base = set.baseRects()[j];
            cells_.push_back({base.top, base.left, j});
        }
        std::sort(cells_.begin(), cells_.end());
    }

    /// Calls f(index) for every member whose core square has its top-left corner at `corner`,
    /// in index order.
    template <class F>
    void forEachAt(Point corner, F&& f) const {
        const Cell key{corner.y, corner.x, -1};
        for (auto it = std::upper_bound(cells_.begin(), cells_.end(), key);
             it != cells_.end() && it->top == corner.y && it->left == corner.x; ++it) {
            f(it->index);
        }
    }

    bool isOccupied(Point corner) const {
        bool found = false;
        forEachAt(corner, [&found](int) { found = true; });
        return found;
    }

private:
    struct Cell {
        int top, left, index;
        auto operator<=>(const Cell&) const = default;
    };
    std::vector<Cell> cells_;
};

// Where the core square of a neighbour on side `side` of `base` has its top-left corner.
Point NeighbourCorner(const Rect& base, Side side, int S) {
    switch (side) {
        case kTop:
            return {base.left, base.top - S};
        case kRight:
            return {base.right, base.top};
        case kBottom:
            return {base.left, base.bottom};
        case kLeft:
            return {base.left - S, base.top};
    }
    return {};
}

}  // namespace

bool CanJoin(const ElementSet& set, int mover, int target, int dx, int dy) {
    if (set.isSameBlock(mover, target))
        return true;
    const BlockCells occupied(set, target);
    for (int m : set.members(mover)) {
        const Rect& base = set.baseRects()[m];
        if (occupied.isOccupied({base.left + dx, base.top + dy}))
            return false;
    }
    return true;
}

void LinkAdjacentPairs(ElementSet& set, int a, int b) {
    const BlockCells cells(set, b);
    // Linking regroups nothing, so the member list stays valid throughout.
    for (int p : set.members(a)) {
        for (Side side : {kRight, kLeft, kTop, kBottom}) {
            const Point corner = NeighbourCorner(set.baseRects()[p], side, set.elementSize());
            cells.forEachAt(corner, [&](int q) {
                Element& pe = set.element(p);
                Element& qe = set.element(q);
                const Side facing = Opposite(side);
                if (pe.hasLink(side) || qe.hasLink(facing))
                    return;
                if (pe.knobs[side] != -qe.knobs[facing])
                    return;
                if (pe.knobShifts[side] != -qe.knobShifts[facing])
                    return;
                pe.links[side] = q;
                qe.links[facing] = p;
                RecomputeFieldRegion(set, p);
                RecomputeFieldRegion(set, q);
            });
        }
    }
}

}  // namespace tessary
