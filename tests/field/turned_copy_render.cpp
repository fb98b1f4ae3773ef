#include "turned_copy_render.h"

#include "core/assembly_options.h"
#include "core/cutting_plan.h"
#include "field/render_element_image.h"

namespace tessary {

Bitmap32 ImageFromTurnedCopy(const Element& e, const ElementSet& set, const PictureBuffer& upright,
                             const TurnedPictures& turned, std::uint32_t contourPixel) {
    const int r = e.rotation & 3;
    const int S = set.elementSize();
    // The centre pixel of the element's cell, carried through r quarter turns: (x, y) of a
    // picture w pixels wide lands at (y, w - 1 - x).
    int x = e.index % set.columns() * S + S / 2, y = e.index / set.columns() * S + S / 2;
    int width = set.columns() * S, height = set.rows() * S;
    for (int k = 0; k < r; ++k) {
        const int turnedX = y, turnedY = width - 1 - x;
        x = turnedX, y = turnedY;
        std::swap(width, height);
    }
    CuttingPlan plan;
    plan.columns = width / S;
    plan.rows = height / S;
    plan.cellMargin = set.cellMargin();
    const ElementSet turnedSet(plan, set.geometry(), AssemblyOptions{});
    Element upright0 = e;
    upright0.index = y / S * plan.columns + x / S;
    upright0.rotation = 0;
    return RenderElementImage(upright0, turnedSet, r == 0 ? upright : turned[r - 1], contourPixel);
}

}  // namespace tessary
