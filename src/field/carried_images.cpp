#include "field/carried_images.h"

#include "core/element_set.h"
#include "field/field.h"

namespace tessary {

std::vector<CarriedImage> CarriedImages(const Field& field) {
    std::vector<CarriedImage> carried;
    const int h = field.heldElement;
    if (h < 0 || !field.hasElements())
        return carried;
    const ElementSet& set = *field.elements;
    const Viewport& v = field.viewport;
    const auto place = [&](int i, Region clip) {
        const Element& e = set.element(i);
        carried.push_back({&field.carriedImages.imageOf(field, i),
                           {e.fieldRect.left - v.scrollX, e.fieldRect.top - v.scrollY},
                           std::move(clip)});
    };
    const Element& held = set.element(h);
    const bool isBlockShown = field.extraOptions.showWholeBlock && !held.alone && held.blockMoved;
    carried.reserve(isBlockShown ? set.members(h).size() : 1);
    place(h, field.dragRegion);
    if (!isBlockShown)
        return carried;
    for (int j : set.members(h)) {
        if (j != h)
            place(j, set.fieldRegions()[j].translated(-v.scrollX, -v.scrollY));
    }
    return carried;
}

}  // namespace tessary
