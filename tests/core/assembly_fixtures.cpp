#include "assembly_fixtures.h"

#include <algorithm>
#include <stdexcept>

#include "core/cutting_plan.h"
#include "core/field_region.h"
#include "core/game_random.h"
#include "core/game_settings.h"
#include "core/join_rules.h"
#include "core/knob_tables.h"
#include "core/reorient_element.h"

namespace tessary {
namespace {

Point Beside(const ElementSet& set, int o, Side side) {
    const Point c = CoreCorner(set, o);
    const int S = set.elementSize();
    switch (side) {
        case kTop:
            return {c.x, c.y - S};
        case kRight:
            return {c.x + S, c.y};
        case kBottom:
            return {c.x, c.y + S};
        case kLeft:
            return {c.x - S, c.y};
    }
    return c;
}

}  // namespace

ElementSet MakeTestGame(int rows, int columns, const AssemblyOptions& options) {
    GameSettings settings;
    settings.enable3DElements = options.enable3DElements ? 1 : 0;
    settings.contourThickness = options.enable3DElements ? 3 : 0;
    settings.mosaic = 0;
    settings.squareBase = 0;
    CuttingPlan plan;
    plan.elementSize = 64;
    plan.columns = columns;
    plan.rows = rows;
    if (!DerivePlan(plan, settings))
        throw std::invalid_argument("no plan for that grid");
    ElementSet set(plan, OutlineGeometry::From(plan, settings), options);

    GameRandom random;
    const KnobTables tables =
        GenerateKnobTables(rows, columns, true, false, random, [] { return 7u; });
    for (int i = 0; i < set.elementCount(); ++i) {
        const ElementEdges edges = AssignEdgeTables(tables, i);
        set.element(i).knobs = edges.knobs;
        set.element(i).knobShifts = edges.knobShifts;
        ReorientElementShape(set, i, 0);
        const int row = i / columns, column = i % columns;
        set.placeElement(i, {kTestSpacing * column, kTestSpacing * row});
        BuildFieldRegion(set, i);
    }
    return set;
}

void SetKnobs(ElementSet& set, int index, const EdgeTable& knobs, const EdgeTable& shifts) {
    set.element(index).knobs = knobs;
    set.element(index).knobShifts = shifts;
    ReorientElementShape(set, index, 0);
    BuildFieldRegion(set, index);
}

bool FieldRegionFitsShape(const ElementSet& set, int index) {
    const Element& e = set.element(index);
    const Region& region = set.fieldRegions()[index];
    const int x = e.fieldRect.left, y = e.fieldRect.top;
    return (e.outline.translated(x, y) - region).isEmpty() &&
           (region - e.raisedOutline.translated(x, y)).isEmpty();
}

Point CoreCorner(const ElementSet& set, int index) {
    const Rect& base = set.baseRects()[index];
    return {base.left, base.top};
}

void TurnTo(ElementSet& set, int index, int rotation) {
    // A clockwise quarter turn lowers the rotation by one.
    static constexpr int kTurnFor[4] = {0, -1, 2, 1};
    const int delta = ((rotation - set.element(index).rotation) % 4 + 4) % 4;
    ReorientElementShape(set, index, kTurnFor[delta]);
    BuildFieldRegion(set, index);
}

int DropBeside(ElementSet& set, int g, int o, Side sideOfO, Point offset) {
    const Point from = CoreCorner(set, g);
    const Point to = Beside(set, o, sideOfO);
    const int dx = to.x + offset.x - from.x, dy = to.y + offset.y - from.y;
    set.moveElement(g, dx, dy);
    if (!set.element(g).alone) {
        MoveBlockMembers(set, g, dx, dy);
        set.element(g).blockMoved = true;
    }
    const int joins = ApplyJoinRules(set, g);
    set.element(g).blockMoved = false;
    return joins;
}

void AssembleInPlace(ElementSet& set, const std::vector<int>& indices) {
    std::vector<int> placed = {indices.front()};
    std::vector<int> waiting(indices.begin() + 1, indices.end());
    auto isPlaced = [&placed](int o) {
        return std::find(placed.begin(), placed.end(), o) != placed.end();
    };
    while (!waiting.empty()) {
        auto next = waiting.end();
        Side towardPlaced = kTop;
        for (auto it = waiting.begin(); it != waiting.end() && next == waiting.end(); ++it) {
            for (Side pictureSide : kAllSides) {
                if (isPlaced(set.pictureNeighbour(*it, pictureSide))) {
                    next = it;
                    towardPlaced = pictureSide;
                    break;
                }
            }
        }
        if (next == waiting.end())
            throw std::invalid_argument("elements not connected");
        const int g = *next;
        const int o = set.pictureNeighbour(g, towardPlaced);
        // g lies on o's picture side opposite to the one that faces o from g.
        DropBeside(set, g, o, FieldSideOf(Opposite(towardPlaced), set.element(o).rotation));
        placed.push_back(g);
        waiting.erase(next);
    }
}

void AssembleAll(ElementSet& set, int rotation) {
    std::vector<int> all;
    for (int i = 0; i < set.elementCount(); ++i) {
        TurnTo(set, i, rotation);
        all.push_back(i);
    }
    AssembleInPlace(set, all);
}

std::vector<int> BlockOf(const ElementSet& set, int index) {
    return {set.members(index).begin(), set.members(index).end()};
}

}  // namespace tessary
