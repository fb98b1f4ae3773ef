#pragma once

#include <array>

namespace tessary {

/// Sides of an element, clockwise from the top.
enum Side : int { kTop = 0, kRight = 1, kBottom = 2, kLeft = 3 };

inline constexpr std::array<Side, 4> kAllSides = {kTop, kRight, kBottom, kLeft};

/// The side that faces `side` on a neighbour.
constexpr Side Opposite(Side side) {
    return static_cast<Side>((side + 2) % 4);
}

/// Side flags: top 0x1, right 0x10, bottom 0x100, left 0x1000.
constexpr int SideFlag(Side side) {
    return 1 << (4 * side);
}
inline constexpr int kAllSideFlags = 0x1111;

/// Four signed values, one per side, indexed by Side: top, right, bottom, left.
using EdgeTable = std::array<int, 4>;

/// Turns a table with its element: +1 a quarter turn clockwise, -1 counter-clockwise,
/// 2 a half turn, 0 none. After a clockwise turn the old left side is on top.
constexpr EdgeTable TurnEdgeTable(const EdgeTable& t, int turn) {
    switch (turn) {
        case 1:
            return {t[kLeft], t[kTop], t[kRight], t[kBottom]};
        case -1:
            return {t[kRight], t[kBottom], t[kLeft], t[kTop]};
        case 2:
            return {t[kBottom], t[kLeft], t[kTop], t[kRight]};
        default:
            return t;
    }
}

/// Rotation (quarter turns counter-clockwise, 0..3) after `turn`; a clockwise quarter turn
/// lowers it by one.
constexpr int TurnRotation(int rotation, int turn) {
    return ((rotation - turn) % 4 + 4) % 4;
}

}  // namespace tessary
