#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <stdexcept>

#include "core/cutting_plan.h"
#include "core/element_set.h"
#include "core/field_region.h"
#include "core/game_random.h"
#include "core/game_settings.h"
#include "core/join_rules.h"
#include "core/knob_tables.h"
#include "core/reorient_element.h"

namespace tessary {
namespace {

constexpr int kRows = 100, kColumns = 100;  // 10,000 pieces at S = 64 with a 3D edge
constexpr int kBlockRows = 10, kBlockColumns = 20;

std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// A game as creation leaves it: every piece alone, its shape and field region built, placed on
// the initial grid (step bitmapSide) in a shuffled order. Then the pieces of the picture's
// top-left 10 x 20 corner are joined into one block beside the grid, piece by piece as a player
// would, and the block is carried so that its grabbed piece lies among the scattered pieces,
// aligned with one of their rows but beyond capture range of all of them.
struct JoinStepGame {
    std::unique_ptr<ElementSet> set;
    int grabbed = 0;
    std::size_t tableBytes = 0;
    std::size_t memberBytes = 0;

    JoinStepGame() {
        GameSettings settings;
        ResetToDefaults(settings);
        CuttingPlan plan;
        plan.elementSize = 64;
        plan.columns = kColumns;
        plan.rows = kRows;
        if (!DerivePlan(plan, settings))
            throw std::logic_error("no plan");
        const OutlineGeometry g = OutlineGeometry::From(plan, settings);

        const std::size_t heapBefore = HeapInUse();
        set = std::make_unique<ElementSet>(plan, g, AssemblyOptions::From(settings));
        GameRandom random;
        const KnobTables tables =
            GenerateKnobTables(kRows, kColumns, true, false, random, [] { return 7u; });
        std::vector<int> places(set->elementCount());
        std::iota(places.begin(), places.end(), 0);
        std::shuffle(places.begin(), places.end(), std::mt19937(5));
        for (int i = 0; i < set->elementCount(); ++i) {
            const ElementEdges edges = AssignEdgeTables(tables, i);
            set->element(i).knobs = edges.knobs;
            set->element(i).knobShifts = edges.knobShifts;
            ReorientElementShape(*set, i, 0);
            set->placeElement(i, {g.W * (places[i] % kColumns), g.W * (places[i] / kColumns)});
            BuildFieldRegion(*set, i);
        }
        AssembleCorner();
        tableBytes = HeapInUse() - heapBefore + sizeof(ElementSet);
        memberBytes = MemberListBytes();
    }

    void AssembleCorner() {
        const int S = set->elementSize();
        const Point origin{g().W * kColumns + 500, 500};
        for (int row = 0; row < kBlockRows; ++row) {
            for (int column = 0; column < kBlockColumns; ++column) {
                const int i = set->indexAt(row, column);
                CarryTo(i, {origin.x + column * S + 2, origin.y + row * S - 3});
                if (i != 0 && ApplyJoinRules(*set, i) == 0)
                    throw std::logic_error("no join");
            }
        }
        grabbed = set->indexAt(kBlockRows / 2, kBlockColumns / 2);
        const Rect& row = set->baseRects()[set->zOrder()[4321]];
        CarryTo(grabbed, {row.left + 50, row.top + 2});
        set->element(grabbed).blockMoved = true;
    }

    // Moves the element's core to `corner`, with its block.
    void CarryTo(int i, Point corner) {
        const Rect& base = set->baseRects()[i];
        const int dx = corner.x - base.left, dy = corner.y - base.top;
        set->moveElement(i, dx, dy);
        MoveBlockMembers(*set, i, dx, dy);
    }

    const OutlineGeometry& g() const { return set->geometry(); }

    std::size_t MemberListBytes() const {
        std::size_t bytes = 0;
        for (int i = 0; i < set->elementCount(); ++i) {
            const MemberList& list = set->members(i);
            if (list.front() == i)
                bytes += sizeof(MemberList) + 16 + list.capacity() * sizeof(int);
        }
        return bytes;
    }
};

JoinStepGame& Game() {
    static JoinStepGame game;
    return game;
}

// The join test of one drag step: the grabbed piece of a 200-piece block against every other
// of 10,000 pieces, no join being possible. Arg: exact assembling on (1) or off (0).
void BM_JoinStep(benchmark::State& state) {
    JoinStepGame& game = Game();
    AssemblyOptions options = game.set->options();
    options.exactAssembling = state.range(0) != 0;
    game.set->setOptions(options);
    if (game.set->members(game.grabbed).size() != kBlockRows * kBlockColumns) {
        state.SkipWithError("the block was not assembled");
        return;
    }
    int joins = 0;
    for (auto _ : state) {
        joins += ApplyJoinRules(*game.set, game.grabbed);
        benchmark::ClobberMemory();
    }
    if (joins != 0)
        state.SkipWithError("a join was made");
    state.counters["us_per_step"] = benchmark::Counter(
        static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
    const double n = game.set->elementCount();
    const double W = game.g().W;
    state.counters["tables_MB"] = static_cast<double>(game.tableBytes) / 1e6;
    state.counters["members_KB"] = static_cast<double>(game.memberBytes) / 1e3;
    state.counters["images_MB_when_rendered"] = n * W * W * 4 / 1e6;
}
BENCHMARK(BM_JoinStep)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessary
