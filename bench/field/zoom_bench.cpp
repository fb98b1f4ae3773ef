#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_game.h"
#include "core/region.h"
#include "field/compose_client_area.h"
#include "field/dragging.h"
#include "field/key_state.h"
#include "field/scaled_field_copy.h"
#include "field/viewport.h"

namespace tessary {
namespace {

constexpr ZoomScale kQuarter{1, 4};

// The 10,000-piece game shown through a 1920 x 1080 client area.
BenchGame& Game() {
    static BenchGame game(100, 100);
    ChangeClientSize(*game.field, 1920, 1080);
    return game;
}

// The screen pixels a drag step repaints: those showing the held piece before or after.
Rect HeldCover(const Field& field) {
    const Rect r = field.elements->element(field.heldElement).fieldRect;
    return field.viewport.screenCover(
        r.translated(-field.viewport.scrollX, -field.viewport.scrollY));
}

Rect Union(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// One drag step of a piece alone at 25 %, 3 screen pixels to and fro, and the composing of the
// client area it invalidates from the scaled copy, as the window's repaint does.
void BM_ZoomedDragStep(benchmark::State& state) {
    BenchGame& game = Game();
    Field& field = *game.field;
    SetZoom(field, kQuarter, {960, 540});
    ScaledFieldCopy copy(field, kQuarter);
    Bitmap32 seen;
    ComposeClientArea(field, seen, {0, 0, 1920, 1080}, &copy);
    const int h = game.set->indexAt(50, 50);
    const Rect& base = game.set->baseRects()[h];
    const Viewport& v = field.viewport;
    const Point grip = v.toClient({base.left + 32, base.top + 32});
    game.platform.pointer = grip;
    PickElement(field, kDragChord);
    if (field.heldElement != h) {
        state.SkipWithError("the piece was not taken");
        return;
    }
    DragStep(field, kDragChord, {grip.x + 12, grip.y}, false);
    int step = 0;
    for (auto _ : state) {
        const Rect before = HeldCover(field);
        const Point to{grip.x + (++step % 2 == 0 ? 12 : 0), grip.y};
        DragStep(field, kDragChord, to, false);
        ComposeClientArea(field, seen, Union(before, HeldCover(field)), &copy);
    }
    ReleaseElement(field);
    SetZoom(field, ZoomScale(), {960, 540});
}
BENCHMARK(BM_ZoomedDragStep)->Unit(benchmark::kMicrosecond);

// From 100 % to 25 % about the centre: the view's new scaled copy and the whole client area
// composed from it.
void BM_ZoomSwitch(benchmark::State& state) {
    BenchGame& game = Game();
    Field& field = *game.field;
    Bitmap32 seen;
    for (auto _ : state) {
        state.PauseTiming();
        SetZoom(field, ZoomScale(), {960, 540});
        field.viewport.scrollX = field.viewport.scrollMaxX / 2;
        field.viewport.scrollY = field.viewport.scrollMaxY / 2;
        state.ResumeTiming();
        SetZoom(field, kQuarter, {960, 540});
        ScaledFieldCopy copy(field, kQuarter);
        ComposeClientArea(field, seen, {0, 0, 1920, 1080}, &copy);
        benchmark::ClobberMemory();
    }
    SetZoom(field, ZoomScale(), {960, 540});
}
BENCHMARK(BM_ZoomSwitch)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessary
