#include "reorient_element.h"

#include "detach_element.h"
#include "element_set.h"

namespace tessary {

void TurnElementShape(Element& e, int turn, const OutlineGeometry& g) {
    e.knobs = TurnEdgeTable(e.knobs, turn);
    e.knobShifts = TurnEdgeTable(e.knobShifts, turn);
    e.rotation = TurnRotation(e.rotation, turn);
    RebuildOutline(e, g);
    e.imageRect = ComputeImageRect(e.knobs, g);
}

void ReorientElementShape(ElementSet& set, int index, int turn) {
    TurnElementShape(set.element(index), turn, set.geometry());
    DetachElement(set, index);
}

}  // namespace tessary
