#pragma once

#include "outline.h"
#include "region.h"

namespace tessary {

/// The raised outline with the 3D edge cut away on the joined sides, in bitmap coordinates.
/// `joinedSides` holds the side flags (top 0x1, right 0x10, bottom 0x100, left 0x1000) of one
/// to three linked sides: a lone joined side loses the edge inside its own quadrant; with two
/// or three joined sides only the edge inside the quadrants of the free sides stays.
Region JoinedEdgeRegion(const ElementOutlines& outlines, int joinedSides, const OutlineGeometry& g);

}  // namespace tessary
