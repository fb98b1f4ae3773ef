// Creating a game: tables, placement, every element's shape and field region, the
// field sized and drawn. Reports the process's peak resident memory and how far the run raised
// it.

#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_game.h"
#include "core/game_settings.h"
#include "field/field.h"
#include "game/create_elements.h"
#include "game/game_state.h"
#include "quiet_platform.h"
#include "test_pictures.h"

namespace tessary {
namespace {

void BM_CreateGame(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    // A grid of exactly `count` pieces, about 16:10.
    int columns = static_cast<int>(std::lround(std::sqrt(count * 1.6)));
    while (count % columns != 0)
        --columns;
    const int rows = count / columns;
    // The peak is the process's: the figure is this benchmark's own only when it runs alone
    // (--benchmark_filter=BM_CreateGame/10000).
    const PeakMemoryGrowth peak;
    GameSettings settings;  // S = 64, rotation, offsets and 3D elements on
    testing::QuietPlatform platform;
    Field field(settings, platform);
    field.viewport.screenWidth = 1920;
    field.viewport.screenHeight = 1080;
    field.viewport.clientRect = {0, 0, 1912, 1048};
    GameState state;
    state.pictureLoaded = state.pictureCut = true;
    state.plan.columns = columns;
    state.plan.rows = rows;
    state.plan.elementSize = 64;
    state.picture = testing::MakeFilledPicture(columns * 64, rows * 64, VariedPixel);

    for (auto _ : bench) {
        if (CreateElements(state, field, settings) != GameOutcome::Created)
            bench.SkipWithError("creation failed");
    }
    bench.counters["pieces"] = columns * rows;
    bench.counters["peak_rss_MiB"] = PeakResidentMiB();
    bench.counters["peak_growth_MiB"] = peak.MiB();
}

BENCHMARK(BM_CreateGame)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessary
