#include <benchmark/benchmark.h>

#include "core/cutting_plan.h"
#include "core/game_random.h"
#include "core/game_settings.h"
#include "core/joined_edge_region.h"
#include "core/knob_tables.h"
#include "core/outline.h"

namespace tessary {
namespace {

// The outline work of creating a 100 x 100 game at S = 64 with 3D elements: every piece's
// outline and raised outline, and one joined-edge region per piece (cycling through the
// fourteen combinations of joined sides).
void BM_BuildOutlines(benchmark::State& state) {
    const int rows = 100, columns = 100;
    GameSettings settings;
    ResetToDefaults(settings);
    CuttingPlan plan;
    plan.elementSize = 64;
    plan.columns = columns;
    plan.rows = rows;
    if (!DerivePlan(plan, settings)) {
        state.SkipWithError("no geometry");
        return;
    }
    const OutlineGeometry g = OutlineGeometry::From(plan, settings);

    GameRandom random;
    const KnobTables tables =
        GenerateKnobTables(rows, columns, true, false, random, [] { return 7u; });
    static constexpr int kJoinedSides[14] = {0x1,   0x10,   0x100,  0x1000, 0x11,
                                             0x101, 0x110,  0x1001, 0x1010, 0x1100,
                                             0x111, 0x1011, 0x1101, 0x1110};
    std::size_t spans = 0;
    for (auto _ : state) {
        for (int i = 0; i < rows * columns; ++i) {
            const ElementEdges e = AssignEdgeTables(tables, i);
            const ElementOutlines o = BuildOutline(e.knobs, e.knobShifts, g);
            const Region joined = JoinedEdgeRegion(o, kJoinedSides[i % 14], g);
            spans += o.raisedOutline.spanCount() + joined.spanCount();
        }
    }
    benchmark::DoNotOptimize(spans);
    state.SetItemsProcessed(state.iterations() * rows * columns);
    state.counters["us_per_piece"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * rows * columns,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_BuildOutlines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessary
