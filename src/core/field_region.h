#pragma once

namespace tessary {

class ElementSet;

/// Recomputes the element's field region after its links changed. `enclosed` is cleared
/// first. Without links the element becomes alone, a block of its own, its shape is rebuilt
/// and the region is the raised outline. Otherwise, with 3D elements off the region stays as
/// it is (the outline, moved along with the element); with them on it is the outline when all
/// four sides are linked (`enclosed` set, shape rebuilt first), else the raised outline with
/// the 3D edge cut away on the linked sides. Always at the element's field position.
void RecomputeFieldRegion(ElementSet& set, int index);

/// Builds the element's field region from nothing: with 3D elements on as after a change of
/// links, with them off the raised outline (equal to the outline) at the element's position.
/// The element's outlines must be those of its current tables and geometry (every caller has
/// just built them), so they are used as they are, not built again.
void BuildFieldRegion(ElementSet& set, int index);

}  // namespace tessary
