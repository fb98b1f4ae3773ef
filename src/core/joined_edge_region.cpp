#include "joined_edge_region.h"

#include <array>
#include <bit>

namespace tessary {
namespace {

using Quadrant = std::array<Point, 5>;

// Four quadrants around the core centre that share out the bitmap between the sides, each
// reaching over the 3D edge below and to the right of the core.
std::array<Quadrant, 4> Quadrants(const OutlineGeometry& g) {
    const int W = g.W, T = g.T;
    if (g.mosaic) {
        const int D = g.D, S = g.S, m = D + 2 * g.Q, f = S + T + D;
        return {{
            {{{D, 0}, {D + S, 0}, {D + S, D}, {m, m}, {D, D}}},
            {{{D + S, D}, {W, D}, {W, W}, {f, f}, {m, m}}},
            {{{D, D + S}, {m, m}, {f, f}, {f, W}, {D, W}}},
            {{{0, D}, {D, D}, {m, m}, {D, D + S}, {0, D + S}}},
        }};
    }
    const int Q = g.Q, E = g.E, m = 3 * g.Q, f = E + T;
    return {{
        {{{Q, 0}, {E, 0}, {E, Q}, {m, m}, {Q, Q}}},
        {{{E, Q}, {W, Q}, {W, f}, {f, f}, {m, m}}},
        {{{Q, E}, {m, m}, {f, f}, {f, W}, {Q, W}}},
        {{{0, Q}, {Q, Q}, {m, m}, {Q, E}, {0, E}}},
    }};
}

}  // namespace

Region JoinedEdgeRegion(const ElementOutlines& outlines, int joinedSides,
                        const OutlineGeometry& g) {
    const std::array<Quadrant, 4> quadrants = Quadrants(g);
    Region edge = outlines.raisedOutline - outlines.outline;

    Region cut;
    if (std::popcount(static_cast<unsigned>(joinedSides)) == 1) {
        for (Side side : kAllSides) {
            if (joinedSides & SideFlag(side))
                cut = edge & Region::FromPolygon(quadrants[side]);
        }
    } else {
        cut = std::move(edge);
        for (Side side : kAllSides) {
            if (!(joinedSides & SideFlag(side)))
                cut -= Region::FromPolygon(quadrants[side]);
        }
    }
    return outlines.raisedOutline - cut;
}

}  // namespace tessary
