#pragma once

#include "edge_table.h"
#include "geometry.h"
#include "region.h"

namespace tessary {

struct CuttingPlan;
struct GameSettings;

/// The dimensions every outline of a game is drawn from, fixed at element creation.
struct OutlineGeometry {
    int S = 0;  // elementSize: side of the core square
    int Q = 0;  // knobDepth
    int E = 0;  // knobReach: far edge of the core square in the plain-knob layout
    int D = 0;  // shiftUnit: bend of the straight parts, or depth of a mosaic point
    int k = 0;  // offsetStep: half width of a knob's neck at its base, step of an offset
    int r = 0;  // knobRadius: half width of a knob's head
    int T = 0;  // thickness of the 3D edge, 0 when 3D elements are off
    int W = 0;  // bitmapSide
    int cellSize = 0;
    bool mosaic = false;

    /// The geometry of a derived plan under the current settings.
    static OutlineGeometry From(const CuttingPlan& plan, const GameSettings& settings);
};

/// The shape of one element in bitmap coordinates, and the shape with its 3D edge.
struct ElementOutlines {
    Region outline;
    Region raisedOutline;  // equal to outline when T is 0
};

/// Builds both outlines from the element's knob and shift tables.
ElementOutlines BuildOutline(const EdgeTable& knobs, const EdgeTable& knobShifts,
                             const OutlineGeometry& g);

/// The part of the bitmap that receives picture pixels.
Rect ComputeImageRect(const EdgeTable& knobs, const OutlineGeometry& g);

}  // namespace tessary
