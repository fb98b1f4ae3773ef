#pragma once

namespace tessary {

class ElementSet;

/// Takes the element out of its block. Each partner, side by side from the top, drops its
/// link to the element, has its field region recomputed and is drawn again; then the rest of
/// the block is regrouped and the element is left alone without links. The element's own
/// field region is left for the caller to recompute.
void DetachElement(ElementSet& set, int index);

}  // namespace tessary
