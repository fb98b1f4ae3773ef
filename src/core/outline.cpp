#include "outline.h"

#include <array>

#include "cutting_plan.h"
#include "game_settings.h"

namespace tessary {
namespace {

// Knob centres along each side, moved clockwise along the outline by the shifts.
struct KnobCentres {
    int top, right, bottom, left;
};

KnobCentres CentresAround(int middle, const EdgeTable& s, int k) {
    return {middle + s[kTop] * k, middle + s[kRight] * k, middle - s[kBottom] * k,
            middle - s[kLeft] * k};
}

Region PlainKnobOutline(const EdgeTable& d, const EdgeTable& s, const OutlineGeometry& g) {
    const int Q = g.Q, E = g.E, D = g.D, k = g.k, r = g.r;
    const KnobCentres c = CentresAround(3 * Q, s, k);
    const std::array<Point, 20> base = {{
        {Q, Q},
        {c.top - k, Q + d[kTop] * D},
        {c.top - r + 1, Q - d[kTop] * r},
        {c.top + r - 1, Q - d[kTop] * r},
        {c.top + k, Q + d[kTop] * D},
        {E, Q},
        {E - d[kRight] * D, c.right - k},
        {E + d[kRight] * r, c.right - r + 1},
        {E + d[kRight] * r, c.right + r - 1},
        {E - d[kRight] * D, c.right + k},
        {E, E},
        {c.bottom + k, E - d[kBottom] * D},
        {c.bottom + r - 1, E + d[kBottom] * r},
        {c.bottom - r + 1, E + d[kBottom] * r},
        {c.bottom - k, E - d[kBottom] * D},
        {Q, E},
        {Q + d[kLeft] * D, c.left + k},
        {Q - d[kLeft] * r, c.left + r - 1},
        {Q - d[kLeft] * r, c.left - r + 1},
        {Q + d[kLeft] * D, c.left - k},
    }};
    Region shape = Region::FromPolygon(base);

    // Knob heads: a tab adds its head, a blank cuts it out.
    const std::array<Rect, 4> heads = {{
        {c.top - r, Q, c.top + r, (1 - d[kTop]) * Q},
        {E, c.right - r, E + d[kRight] * Q, c.right + r},
        {c.bottom - r, E, c.bottom + r, E + d[kBottom] * Q},
        {Q, c.left - r, (1 - d[kLeft]) * Q, c.left + r},
    }};
    for (Side side : kAllSides) {
        if (d[side] > 0) {
            shape |= Region::FromEllipse(heads[side]);
        } else if (d[side] < 0) {
            shape -= Region::FromEllipse(heads[side]);
        }
    }
    return shape;
}

Region MosaicOutline(const EdgeTable& d, const EdgeTable& s, const OutlineGeometry& g) {
    const int S = g.S, Q = g.Q, D = g.D, k = g.k;
    const KnobCentres c = CentresAround(D + 2 * Q, s, k);
    const std::array<Point, 8> points = {{
        {D, D},
        {c.top, (1 + d[kTop]) * D},
        {S + D, D},
        {(1 - d[kRight]) * D + S, c.right},
        {S + D, S + D},
        {c.bottom, S + (1 - d[kBottom]) * D},
        {D, S + D},
        {(1 + d[kLeft]) * D, c.left},
    }};
    return Region::FromPolygon(points);
}

// The two parallelograms that sweep the first straight part of the right and of the bottom
// side by (T, T), closing the 3D edge where the shifted copies leave notches.
std::array<std::array<Point, 4>, 2> EdgeSweeps(const EdgeTable& d, const EdgeTable& s,
                                               const OutlineGeometry& g) {
    const int T = g.T, D = g.D;
    Point rightFrom, rightTo, bottomFrom, bottomTo;
    if (g.mosaic) {
        const KnobCentres c = CentresAround(D + 2 * g.Q, s, g.k);
        rightFrom = {g.S + D, D};
        rightTo = {(1 - d[kRight]) * D + g.S, c.right};
        bottomFrom = {D, g.S + D};
        bottomTo = {c.bottom, g.S + (1 - d[kBottom]) * D};
    } else {
        const KnobCentres c = CentresAround(3 * g.Q, s, g.k);
        rightFrom = {g.E, g.Q};
        rightTo = {g.E - d[kRight] * D, c.right - g.k};
        bottomFrom = {g.Q, g.E};
        bottomTo = {c.bottom - g.k, g.E - d[kBottom] * D};
    }
    auto sweep = [T](Point from, Point to) {
        return std::array<Point, 4>{{from, {from.x + T, from.y + T}, {to.x + T, to.y + T}, to}};
    };
    return {sweep(rightFrom, rightTo), sweep(bottomFrom, bottomTo)};
}

}  // namespace

OutlineGeometry OutlineGeometry::From(const CuttingPlan& plan, const GameSettings& settings) {
    OutlineGeometry g;
    g.S = plan.elementSize;
    g.Q = plan.knobDepth;
    g.E = plan.knobReach;
    g.D = plan.shiftUnit;
    g.k = plan.offsetStep;
    g.r = plan.knobRadius;
    g.T = settings.enable3DElements ? settings.contourThickness : 0;
    g.W = plan.bitmapSide;
    g.cellSize = plan.cellSize;
    g.mosaic = settings.mosaic != 0;
    return g;
}

ElementOutlines BuildOutline(const EdgeTable& knobs, const EdgeTable& knobShifts,
                             const OutlineGeometry& g) {
    ElementOutlines o;
    o.outline =
        g.mosaic ? MosaicOutline(knobs, knobShifts, g) : PlainKnobOutline(knobs, knobShifts, g);
    o.raisedOutline = o.outline;
    if (g.T <= 0)
        return o;

    for (int t = 0; t < g.T; ++t) {
        o.raisedOutline.offset(1, 1);
        o.raisedOutline |= o.outline;
    }
    for (const auto& sweep : EdgeSweeps(knobs, knobShifts, g)) {
        o.raisedOutline |= Region::FromPolygon(sweep);
    }
    return o;
}

Rect ComputeImageRect(const EdgeTable& knobs, const OutlineGeometry& g) {
    if (g.mosaic) {
        const int S = g.S, D = g.D;
        auto near = [D](int knob) { return knob < 0 ? 0 : D; };
        auto far = [S, D](int knob) { return knob < 0 ? S + 2 * D : S + D; };
        return {near(knobs[kLeft]), near(knobs[kTop]), far(knobs[kRight]), far(knobs[kBottom])};
    }
    const int Q = g.Q, E = g.E, D = g.D, full = g.cellSize;
    auto near = [Q, D](int knob) { return knob < 0 ? Q - D : knob == 0 ? Q : 0; };
    auto far = [E, D, full](int knob) { return knob < 0 ? E + D : knob == 0 ? E : full; };
    return {near(knobs[kLeft]), near(knobs[kTop]), far(knobs[kRight]), far(knobs[kBottom])};
}

}  // namespace tessary
