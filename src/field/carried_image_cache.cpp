#include "field/carried_image_cache.h"

#include <stdexcept>

#include "core/element_set.h"
#include "field/field.h"
#include "field/render_element_image.h"

namespace tessary {

const Bitmap32& CarriedImageCache::imageOf(const Field& field, int index) {
    if (field.picture == nullptr)
        throw std::logic_error("elements drawn without their picture");
    if (heldElement_ != field.heldElement) {
        clear();
        heldElement_ = field.heldElement;
    }
    const ElementSet& set = *field.elements;
    const Element& e = set.element(index);
    const std::uint32_t contour = ContourPixel(field.settings);
    Entry& entry = entries_[index];
    // A settings change may have redrawn the elements meanwhile: a new contour or side.
    if (entry.image.width() != set.geometry().W || entry.rotation != e.rotation ||
        entry.contourPixel != contour) {
        entry = {RenderElementImage(e, set, *field.picture, contour), e.rotation, contour};
    }
    return entry.image;
}

void CarriedImageCache::clear() {
    heldElement_ = -1;
    entries_.clear();
}

}  // namespace tessary
