#include "join_rules.h"

#include <array>
#include <cstdlib>

#include "block_linking.h"
#include "element_painter.h"
#include "element_set.h"
#include "field_region.h"
#include "membership.h"

namespace tessary {
namespace {

// How g's core square G stands against o's core square O for a join on one of g's sides.
struct Approach {
    int misalignment;  // along the side
    int gap;           // across the side
    Point target;      // the top-left corner of G lying exactly against O
};

Approach ApproachOn(Side side, const Rect& G, const Rect& O, int S) {
    switch (side) {
        case kLeft:
            return {G.top - O.top, G.left - O.right, {O.right, O.top}};
        case kRight:
            return {G.top - O.top, G.right - O.left, {O.left - S, O.top}};
        case kTop:
            return {G.left - O.left, G.top - O.bottom, {O.left, O.bottom}};
        case kBottom:
            return {G.left - O.left, G.bottom - O.top, {O.left, O.top - S}};
    }
    return {};
}

constexpr std::array<Side, 4> kTestOrder = {kLeft, kRight, kTop, kBottom};

bool ShapesMatch(const ElementSet& set, int g, int o, Side side, Point move) {
    const Element& ge = set.element(g);
    const Element& oe = set.element(o);
    const Side facing = Opposite(side);
    return ge.knobs[side] == -oe.knobs[facing] && ge.knobShifts[side] == -oe.knobShifts[facing] &&
           CanJoin(set, g, o, move.x, move.y);
}

bool IsPictureNeighbour(const ElementSet& set, int g, int o, Side side) {
    const Element& ge = set.element(g);
    return ge.rotation == set.element(o).rotation &&
           set.pictureNeighbour(g, PictureSideOf(side, ge.rotation)) == o;
}

void Join(ElementSet& set, int g, int o, Side side, Point move) {
    Element& ge = set.element(g);
    Element& oe = set.element(o);
    ge.links[side] = o;
    oe.links[Opposite(side)] = g;
    RecomputeFieldRegion(set, g);
    RecomputeFieldRegion(set, o);
    ge.alone = false;
    oe.alone = false;
    if (set.painter() != nullptr)
        set.painter()->redrawElement(o);
    // The core square moves with the bitmap, so that the block mates' abutting pairs are
    // found from g's new place.
    set.moveElement(g, move.x, move.y);
    if (ge.blockMoved) {
        MoveBlockMembers(set, g, move.x, move.y);
        LinkAdjacentPairs(set, g, o);
    }
    MergeMembership(set, g, o);
}

}  // namespace

int ApplyJoinRules(ElementSet& set, int grabbed) {
    const int g = grabbed;
    const std::span<const Rect> bases = set.baseRects();
    const bool isExact = set.options().exactAssembling;
    const int S = set.elementSize();
    int reach = set.options().captureRange;  // R x F
    int joins = 0;
    for (int o = 0; o < set.elementCount(); ++o) {
        if (o == g)
            continue;
        // Every test needs the squares aligned in one direction; most elements fail both.
        if (std::abs(bases[g].top - bases[o].top) > reach &&
            std::abs(bases[g].left - bases[o].left) > reach) {
            continue;
        }
        for (Side side : kTestOrder) {
            const Approach a = ApproachOn(side, bases[g], bases[o], S);
            if (std::abs(a.misalignment) > reach || std::abs(a.gap) > reach)
                continue;
            const Element& ge = set.element(g);
            if (ge.hasLink(side) || set.element(o).hasLink(Opposite(side)))
                continue;
            if (ge.knobs[side] == 0)
                continue;
            const Point move{a.target.x - bases[g].left, a.target.y - bases[g].top};
            if (isExact ? !IsPictureNeighbour(set, g, o, side)
                        : !ShapesMatch(set, g, o, side, move)) {
                continue;
            }
            Join(set, g, o, side, move);
            ++joins;
            reach = 0;
        }
    }
    return joins;
}

}  // namespace tessary
