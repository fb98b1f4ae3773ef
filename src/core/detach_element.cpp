#include "detach_element.h"

#include "element_painter.h"
#include "element_set.h"
#include "field_region.h"
#include "membership.h"

namespace tessary {

void DetachElement(ElementSet& set, int index) {
    for (Side side : kAllSides) {
        const int partner = set.element(index).links[side];
        if (partner < 0)
            continue;
        set.element(partner).links[Opposite(side)] = -1;
        RecomputeFieldRegion(set, partner);
        if (set.painter() != nullptr)
            set.painter()->redrawElement(partner);
    }
    RebuildMembership(set, index);
    Element& e = set.element(index);
    e.links = kNoLinks;
    e.alone = true;
}

}  // namespace tessary
