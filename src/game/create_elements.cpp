#include "game/create_elements.h"

#include <algorithm>
#include <functional>
#include <new>
#include <vector>

#include "core/assembly_options.h"
#include "core/cutting_plan.h"
#include "core/element_set.h"
#include "core/field_region.h"
#include "core/game_settings.h"
#include "core/knob_tables.h"
#include "core/membership.h"
#include "core/outline.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "field/platform.h"
#include "field/rotation.h"
#include "field/viewport.h"
#include "game/game_state.h"
#include "game/memory_fault.h"
#include "game/random_permutation.h"
#include "picture/progress_sink.h"

namespace tessary {
namespace {

constexpr const char* kCreationCaption = "Создание элементов...";

// Where an element starts: its edge tables as it lies, its rotation, its bitmap's corner.
struct ElementStart {
    EdgeTable knobs{};
    EdgeTable knobShifts{};
    int rotation = 0;
    Point topLeft;
};

// The part of building that differs between a new and a loaded game: the element's shape and
// field region once its tables and place are set.
using ShapeElement = std::function<void(int index)>;

// The one element-building pass of creation and rebuild: a fresh element set attached to the
// field, then each element in index order, one progress step each, gets its tables, its
// place and its shape.
void BuildElements(GameState& state, Field& field, const GameSettings& settings,
                   const std::vector<ElementStart>& starts, const ShapeElement& shape) {
    state.elementsCreated = true;
    state.gameComplete = false;
    state.gameId = NewGameId();
    state.elements = std::make_unique<ElementSet>(
        state.plan, OutlineGeometry::From(state.plan, settings), AssemblyOptions::From(settings));
    state.painter = std::make_unique<FieldPainter>(field);
    AttachToField(state, field);

    ElementSet& set = *state.elements;
    ProgressScope progress(&field.platform.progress(kCreationCaption), set.elementCount());
    for (int k = 0; k < set.elementCount(); ++k) {
        progress.step();
        Element& e = set.element(k);
        e.knobs = starts[k].knobs;
        e.knobShifts = starts[k].knobShifts;
        e.rotation = starts[k].rotation;
        set.placeElement(k, starts[k].topLeft);
        shape(k);
    }
}

// The field at least the size of the grid (and of `minimum`), scrolled to its origin.
void SizeField(Field& field, const CuttingPlan& plan, Point minimum) {
    const Point size = FieldSizeForGrid(field, plan.columns, plan.rows, plan.bitmapSide);
    SetFieldSize(field, std::max(size.x, minimum.x), std::max(size.y, minimum.y));
}

// Runs a build step; when memory runs out the half-built game (and, when asked, the picture)
// is released.
GameOutcome GuardMemory(GameState& state, Field& field, bool discardPicture,
                        const std::function<GameOutcome()>& build) {
    try {
        StrikeInjectedMemoryFault();
        return build();
    } catch (const std::bad_alloc&) {
        ResetGame(state, field, discardPicture);
        return discardPicture ? GameOutcome::LoadOutOfMemory : GameOutcome::CreationOutOfMemory;
    }
}

GameOutcome BuildNewGame(GameState& state, Field& field, const GameSettings& settings) {
    const CuttingPlan& plan = state.plan;
    const KnobTables tables =
        GenerateKnobTables(plan.rows, plan.columns, settings.enableOffset != 0,
                           settings.rotateElements != 0, state.random, state.seedSource);
    const std::vector<int> placement =
        RandomPermutation(plan.elementCount, state.random, state.seedSource);
    std::vector<ElementStart> starts(plan.elementCount);
    for (int k = 0; k < plan.elementCount; ++k) {
        const ElementEdges edges = AssignEdgeTables(tables, k);
        const int cell = placement[k];
        const Point topLeft = {cell % plan.columns * plan.bitmapSide,
                               cell / plan.columns * plan.bitmapSide};
        starts[k] = {edges.knobs, edges.knobShifts, 0, topLeft};
    }
    // Every element is shaped through its initial turn, a turn of 0 included, which also
    // builds its field region.
    BuildElements(state, field, settings, starts,
                  [&](int k) { ReorientElement(field, k, tables.turns[k]); });
    SizeField(field, plan, {0, 0});
    RedrawField(field, {.clear = true, .playSound = true});
    state.clock.start(0);
    return GameOutcome::Created;
}

// Links and blocks as stored; false when a block contradicts an earlier element's.
bool RestoreBlocks(ElementSet& set, const StoredGame& stored) {
    std::vector<std::int32_t> flags(set.elementCount(), 0);
    for (int k = 0; k < set.elementCount(); ++k) {
        Element& e = set.element(k);
        const StoredElement& s = stored.elements[k];
        e.links = s.links;
        e.alone = !e.hasAnyLink();
        e.enclosed = e.hasAllLinks();
        for (int j : s.members)
            flags[j] = 1;
        const bool isRestored = RestoreMemberFlags(set, k, flags);
        for (int j : s.members)
            flags[j] = 0;
        if (!isRestored)
            return false;
    }
    return true;
}

GameOutcome BuildStoredGame(GameState& state, Field& field, GameSettings& settings,
                            const StoredGame& stored) {
    const CuttingPlan& plan = state.plan;
    std::vector<ElementStart> starts(plan.elementCount);
    for (int k = 0; k < plan.elementCount; ++k) {
        const StoredElement& s = stored.elements[k];
        const Rect& base = stored.baseRects[k];
        starts[k] = {s.knobs,
                     s.knobShifts,
                     s.rotation,
                     {base.left - plan.cellMargin, base.top - plan.cellMargin}};
    }
    BuildElements(state, field, settings, starts, [&](int k) {
        // Shape only: FinishLoadedGame draws.
        ElementSet& set = *state.elements;
        Element& e = set.element(k);
        RebuildOutline(e, set.geometry());
        e.imageRect = ComputeImageRect(e.knobs, set.geometry());
    });
    ElementSet& set = *state.elements;
    if (!RestoreBlocks(set, stored)) {
        ResetGame(state, field, true);
        return GameOutcome::Damaged;
    }
    std::copy(stored.zOrder.begin(), stored.zOrder.end(), set.zOrder().begin());
    for (int k = 0; k < set.elementCount(); ++k)
        BuildFieldRegion(set, k);
    SizeField(field, plan, stored.fieldSize);
    // SetFieldSize leaves the picture unpainted: black until the finish draws the field.
    field.fieldPicture.fill(0);
    field.notePictureReplaced();
    // Until the finish the field shows no elements and takes no input.
    field.elements = nullptr;
    field.picture = nullptr;
    state.clock.reset(stored.elapsedSeconds);
    return GameOutcome::Loaded;
}

}  // namespace

GameOutcome CreateElements(GameState& state, Field& field, GameSettings& settings) {
    if (!state.pictureLoaded || !state.pictureCut || state.picture.isEmpty())
        return GameOutcome::Refused;
    CuttingPlan plan = state.plan;
    if (!DerivePlan(plan, settings))
        return GameOutcome::Refused;
    ResetGame(state, field, false);
    state.plan = plan;
    return GuardMemory(state, field, false, [&] { return BuildNewGame(state, field, settings); });
}

GameOutcome BuildLoadedGame(GameState& state, Field& field, GameSettings& settings,
                            const StoredGame& stored) {
    CuttingPlan plan = state.plan;
    if (!DerivePlan(plan, settings)) {
        ResetGame(state, field, true);
        return GameOutcome::Damaged;
    }
    ResetGame(state, field, false);
    state.plan = plan;
    return GuardMemory(state, field, true,
                       [&] { return BuildStoredGame(state, field, settings, stored); });
}

GameOutcome FinishLoadedGame(GameState& state, Field& field) {
    if (!state.elements)
        return GameOutcome::Refused;
    return GuardMemory(state, field, true, [&] {
        AttachToField(state, field);
        RedrawField(field, {.clear = true, .playSound = true});
        state.clock.start(state.clock.elapsedSeconds());
        return GameOutcome::Loaded;
    });
}

}  // namespace tessary
