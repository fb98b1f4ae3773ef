#include "piece_art.h"

#include <algorithm>

#include "core/cutting_plan.h"
#include "core/game_random.h"
#include "core/game_settings.h"
#include "core/knob_tables.h"

namespace tessary::assets {

std::vector<PlacedPiece> LayOutPieces(int columns, int rows, int elementSize, const CutStyle& style,
                                      int gap, unsigned seed) {
    GameSettings settings;
    settings.mosaic = style.isMosaic ? 1 : 0;
    settings.squareBase = style.hasSquareBase ? 1 : 0;
    settings.enableOffset = style.hasOffsets ? 1 : 0;
    settings.enable3DElements = style.edgeThickness > 0 ? 1 : 0;
    settings.contourThickness = style.edgeThickness;
    CuttingPlan plan;
    plan.elementSize = elementSize;
    plan.columns = columns;
    plan.rows = rows;
    if (!ComputePlanGeometry(plan, settings))
        return {};
    const OutlineGeometry geometry = OutlineGeometry::From(plan, settings);

    GameRandom random;
    const KnobTables tables =
        GenerateKnobTables(rows, columns, style.hasOffsets, false, random, [seed] { return seed; });
    std::vector<PlacedPiece> pieces;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const ElementEdges edges = AssignEdgeTables(tables, row * columns + column);
            const Point origin{column * (elementSize + gap) - plan.cellMargin,
                               row * (elementSize + gap) - plan.cellMargin};
            pieces.push_back(
                {BuildOutline(edges.knobs, edges.knobShifts, geometry), origin, row, column});
        }
    }
    return pieces;
}

CoverageMask RegionCoverage(const Region& region, Point origin, int factor, int width, int height) {
    CoverageMask mask(width, height);
    const float weight = 1.0f / static_cast<float>(factor * factor);
    region.forEachSpan([&](int y, const Span& span) {
        const int sy = y + origin.y;
        if (sy < 0 || sy >= height * factor)
            return;
        const int left = std::max(span.left + origin.x, 0);
        const int right = std::min(span.right + origin.x, width * factor);
        for (int x = left; x < right;) {
            const int column = x / factor;
            const int end = std::min(right, (column + 1) * factor);
            mask.add(column, sy / factor, static_cast<float>(end - x) * weight);
            x = end;
        }
    });
    return mask;
}

void PaintCoverage(RgbaImage& image, const CoverageMask& mask, const Paint& paint) {
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const float coverage = mask.at(x, y);
            if (coverage > 0)
                image.blend(x, y,
                            paint({static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f}),
                            std::min(coverage, 1.0f));
        }
    }
}

}  // namespace tessary::assets
