#include "program_icon.h"

#include <algorithm>

#include "core/cutting_plan.h"
#include "core/game_settings.h"
#include "piece_art.h"

namespace tessary::assets {

RgbaImage MakeProgramIcon(int size) {
    const int factor = size >= 128 ? 4 : 8;
    const int room = size * factor * 15 / 16;  // a small margin all round
    const int edge = std::max(1, size / 24) * factor;
    // The piece spans 1.25 S (core plus one tab) and its edge; S a multiple of 8.
    const int elementSize = (room - edge) * 4 / 5 / 8 * 8;

    GameSettings settings;
    settings.contourThickness = edge;
    CuttingPlan plan;
    plan.elementSize = elementSize;
    RgbaImage image(size, size);
    if (!ComputePlanGeometry(plan, settings))
        return image;
    const EdgeTable knobs = {1, 1, -1, -1};
    const ElementOutlines shape =
        BuildOutline(knobs, EdgeTable{}, OutlineGeometry::From(plan, settings));
    const Rect box = shape.raisedOutline.boundingBox();
    const Point origin{(size * factor - box.width()) / 2 - box.left,
                       (size * factor - box.height()) / 2 - box.top};

    PaintCoverage(image, RegionCoverage(shape.raisedOutline, origin, factor, size, size),
                  Solid(Hex(0x7A3208)));
    const float side = static_cast<float>(size);
    const Paint face = [side](Vec2 p) {
        return Mix(Hex(0xFFC64A), Hex(0xE2661A), (p.x + p.y) / (2 * side));
    };
    PaintCoverage(image, RegionCoverage(shape.outline, origin, factor, size, size), face);
    return image;
}

RgbaImage MakeGripIcon() {
    RgbaImage image(15, 15);
    for (int row = 0; row < 3; ++row) {
        for (int column = 2 - row; column < 3; ++column) {
            const float x = 5.0f + 4.0f * static_cast<float>(column);
            const float y = 5.0f + 4.0f * static_cast<float>(row);
            FillShape(image, RoundedBox({x + 1, y + 1}, {1, 1}, 0), Solid(Hex(0xFFFFFF)));
            FillShape(image, RoundedBox({x, y}, {1, 1}, 0), Solid(Hex(0x808080)));
        }
    }
    return image;
}

}  // namespace tessary::assets
