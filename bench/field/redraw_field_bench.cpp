#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "field/field_drawing.h"

namespace tessary {
namespace {

// RedrawField at 1,000 pieces (40 x 25, S = 64, 3D on), the field cleared first, every piece
// drawn straight from the picture. Arg: shapes and field regions rebuilt (0/1). 0 is the redraw
// after showing all elements; 1 the one after creating or loading a game.
void BM_RedrawField(benchmark::State& state) {
    static BenchGame game(25, 40);
    const bool rebuilds = state.range(0) != 0;
    for (auto _ : state) {
        RedrawField(*game.field, {.clear = true, .rebuildRegions = rebuilds});
        benchmark::ClobberMemory();
    }
    state.counters["field_MPixel"] =
        static_cast<double>(game.field->fieldPicture.pixels().size()) / 1e6;
}
BENCHMARK(BM_RedrawField)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessary
