#include "reorient_element.h"

#include "detach_element.h"
#include "element_set.h"

namespace tessary {

void ReorientElementShape(ElementSet& set, int index, int turn) {
    Element& e = set.element(index);
    e.knobs = TurnEdgeTable(e.knobs, turn);
    e.knobShifts = TurnEdgeTable(e.knobShifts, turn);
    e.rotation = TurnRotation(e.rotation, turn);
    static_cast<ElementOutlines&>(e) = BuildOutline(e.knobs, e.knobShifts, set.geometry());
    e.imageRect = ComputeImageRect(e.knobs, set.geometry());
    DetachElement(set, index);
}

}  // namespace tessary
