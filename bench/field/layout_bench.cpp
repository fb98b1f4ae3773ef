#include <benchmark/benchmark.h>

#include <vector>

#include "bench_game.h"
#include "field/block_layout.h"

namespace tessary {
namespace {

// Laying out 10,000 pieces without overlap (the layout, the boxes and the moves; no drawing).
// Every 100th piece stays where it lies, the others are laid out around it. Arg 0: into the
// whole field, where they all fit; Arg 1: into a 1920 x 1050 view, where they are spread over
// an even grid.
void BM_LayOutWithoutOverlap(benchmark::State& state) {
    static BenchGame game(100, 100);
    Field& field = *game.field;
    Viewport& v = field.viewport;
    const bool fits = state.range(0) == 0;
    v.clientRect = fits ? Rect{0, 0, v.fieldWidth, v.fieldHeight} : Rect{0, 0, 1920, 1050};
    v.scrollX = v.scrollY = 0;
    std::vector<int> pieces, staying;
    for (int i = 0; i < game.set->elementCount(); ++i)
        (i % 100 == 0 ? staying : pieces).push_back(i);
    for (auto _ : state) {
        LayOutBlocksInView(field, pieces, staying);
        benchmark::ClobberMemory();
    }
    state.counters["pieces"] = static_cast<double>(pieces.size());
    // 1 when packed side by side, 0 when spread over the grid.
    state.counters["packed"] =
        game.set->element(pieces[1]).fieldRect.left == game.set->element(pieces[0]).fieldRect.right;
}
BENCHMARK(BM_LayOutWithoutOverlap)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessary
