// Creating a game: tables, placement, every element's shape, image and field region, the
// field sized and drawn. The turned pictures are built once beforehand, as the rotation worker
// would. Reports the process's peak resident memory.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <cstdint>

#include "core/game_settings.h"
#include "field/field.h"
#include "field/platform.h"
#include "game/create_elements.h"
#include "game/game_state.h"
#include "picture/picture_buffer.h"
#include "picture/progress_sink.h"
#include "picture/rotate_picture.h"

namespace tessary {
namespace {

class QuietPlatform : public Platform, public ProgressSink {
public:
    void invalidate(const Region&) override {}
    void invalidateAll() override {}
    void repaintNow() override {}
    void setCursor(CursorShape) override {}
    void captureMouse(bool) override {}
    Point pointerPosition() const override { return {}; }
    void movePointer(Point) override {}
    void playSound(Sound) override {}
    ProgressSink& progress(const char*) override { return *this; }
    void runOnMainThread(const std::function<void()>& task) override { task(); }
    Point fullScreenClientSize() const override { return {1912, 1048}; }
    void begin(int) override {}
    void step() override {}
    void end() override {}
};

// A 24-bit picture with some variety in every row.
PictureBuffer MakePicture(int width, int height) {
    PictureHeader header;
    header.width = width;
    header.height = height;
    header.bitsPerPixel = 24;
    PictureBuffer picture = PictureBuffer::Create(header);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = picture.row(y);
        for (int x = 0; x < 3 * width; ++x)
            row[x] = static_cast<std::uint8_t>(x * 7 + y * 13);
    }
    return picture;
}

double PeakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

void BM_CreateGame(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    // A grid of exactly `count` pieces, about 16:10.
    int columns = static_cast<int>(std::lround(std::sqrt(count * 1.6)));
    while (count % columns != 0)
        --columns;
    const int rows = count / columns;
    GameSettings settings;  // S = 64, rotation, offsets and 3D elements on
    QuietPlatform platform;
    Field field(settings, platform);
    field.viewport.screenWidth = 1920;
    field.viewport.screenHeight = 1080;
    field.viewport.clientRect = {0, 0, 1912, 1048};
    GameState state;
    state.pictureLoaded = state.pictureCut = true;
    state.plan.columns = columns;
    state.plan.rows = rows;
    state.plan.elementSize = 64;
    state.picture = MakePicture(columns * 64, rows * 64);
    BuildRotatedPictures(state.picture, state.turned);

    for (auto _ : bench) {
        if (CreateElements(state, field, settings) != CreationResult::Created)
            bench.SkipWithError("creation failed");
    }
    bench.counters["pieces"] = columns * rows;
    bench.counters["peak_rss_MiB"] = PeakResidentMiB();
}

BENCHMARK(BM_CreateGame)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessary
