#include "outline_fixtures.h"

#include <stdexcept>

#include "core/cutting_plan.h"
#include "core/game_settings.h"

namespace tessary {

OutlineGeometry MakeGeometry(int S, int T, bool mosaic, bool squareBase) {
    GameSettings settings;
    settings.enable3DElements = T > 0 ? 1 : 0;
    settings.contourThickness = T;
    settings.mosaic = mosaic ? 1 : 0;
    settings.squareBase = squareBase ? 1 : 0;
    CuttingPlan plan;
    plan.elementSize = S;
    plan.columns = 1;
    plan.rows = 1;
    if (!DerivePlan(plan, settings))
        throw std::invalid_argument("no geometry for that size");
    return OutlineGeometry::From(plan, settings);
}

}  // namespace tessary
