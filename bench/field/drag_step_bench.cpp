#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "bench_game.h"
#include "core/element_set.h"
#include "core/join_rules.h"
#include "field/compose_client_area.h"
#include "field/dragging.h"
#include "field/key_state.h"

namespace tessary {
namespace {

constexpr int kRows = 100, kColumns = 100;  // 10,000 pieces
constexpr int kBlockRows = 10, kBlockColumns = 20;

// The 10,000-piece game with the picture's top-left 10 x 20 corner assembled into one block
// that lies over the scattered pieces, drawn.
struct DragGame {
    BenchGame game{kRows, kColumns};
    int blockPiece = 0;
    int lonePiece = 0;

    DragGame() {
        ElementSet& set = *game.set;
        const int S = set.elementSize();
        const Point origin{3002, 2997};
        for (int row = 0; row < kBlockRows; ++row) {
            for (int column = 0; column < kBlockColumns; ++column) {
                const int i = set.indexAt(row, column);
                carryTo(i, {origin.x + column * S + 2, origin.y + row * S - 3});
                set.element(i).blockMoved = !set.element(i).alone;
                if (i != 0 && ApplyJoinRules(set, i) == 0)
                    throw std::logic_error("no join");
                set.element(i).blockMoved = false;
            }
        }
        blockPiece = set.indexAt(kBlockRows / 2, kBlockColumns / 2);
        lonePiece = set.indexAt(kRows - 1, kColumns - 1);
        RedrawField(*game.field, {.clear = true});
    }

    void carryTo(int i, Point corner) {
        ElementSet& set = *game.set;
        const Rect& base = set.baseRects()[i];
        const int dx = corner.x - base.left, dy = corner.y - base.top;
        set.moveElement(i, dx, dy);
        MoveBlockMembers(set, i, dx, dy);
    }
};

DragGame& Game() {
    static DragGame game;
    return game;
}

// One drag step with the left button: the held piece (Arg 1: a piece alone; Arg 200: the
// grabbed piece of a 200-piece block, carried with it) moves 3 pixels to and fro, its old and
// new area invalidated, the block mates moved, and the join rules run against all 10,000 pieces
// without a join. The first step, which lifts the piece or block, is not measured.
void BM_DragStep(benchmark::State& state) {
    DragGame& dg = Game();
    Field& field = *dg.game.field;
    const int h = state.range(0) == 1 ? dg.lonePiece : dg.blockPiece;
    const Rect& base = dg.game.set->baseRects()[h];
    Viewport& v = field.viewport;
    v.scrollX = std::clamp(base.left - 500, 0, v.scrollMaxX);
    v.scrollY = std::clamp(base.top - 500, 0, v.scrollMaxY);
    const Point grip = v.toClient({base.left + 32, base.top + 32});
    dg.game.platform.pointer = grip;
    PickElement(field, kDragChord);
    if (field.heldElement != h) {
        state.SkipWithError("the piece was not taken");
        return;
    }
    DragStep(field, kDragChord, {grip.x + 3, grip.y}, false);
    int joins = 0, step = 0;
    for (auto _ : state) {
        const Point to{grip.x + (++step % 2 == 0 ? 3 : 0), grip.y};
        joins += DragStep(field, kDragChord, to, false) != JoinReaction::Nothing;
    }
    ReleaseElement(field);
    if (joins != 0)
        state.SkipWithError("a join was made");
    state.counters["peak_MiB"] = PeakResidentMiB();
}
BENCHMARK(BM_DragStep)->Arg(1)->Arg(200)->Unit(benchmark::kMicrosecond);

// The whole 200-piece block shown while carried: each drag step as above, then the client area
// composed where the step invalidated, as the window repaints it: the block's bounding box at
// both of its places (it holds every member's old and new box).
void BM_DragStepWholeBlock(benchmark::State& state) {
    DragGame& dg = Game();
    Field& field = *dg.game.field;
    const ElementSet& set = *dg.game.set;
    const int h = dg.blockPiece;
    const Rect& base = set.baseRects()[h];
    Viewport& v = field.viewport;
    v.scrollX = std::clamp(base.left - 500, 0, v.scrollMaxX);
    v.scrollY = std::clamp(base.top - 500, 0, v.scrollMaxY);
    const Point grip = v.toClient({base.left + 32, base.top + 32});
    field.extraOptions.showWholeBlock = true;
    dg.game.platform.pointer = grip;
    PickElement(field, kDragChord);
    DragStep(field, kDragChord, {grip.x + 3, grip.y}, false);
    Rect area = set.fieldRegions()[h].boundingBox();
    for (int j : set.members(h)) {
        const Rect box = set.fieldRegions()[j].boundingBox();
        area = {std::min(area.left, box.left - 3), std::min(area.top, box.top),
                std::max(area.right, box.right), std::max(area.bottom, box.bottom)};
    }
    area = area.translated(-v.scrollX, -v.scrollY);
    Bitmap32 client(v.clientRect.width(), v.clientRect.height());
    int joins = 0, step = 0;
    for (auto _ : state) {
        const Point to{grip.x + (++step % 2 == 0 ? 3 : 0), grip.y};
        joins += DragStep(field, kDragChord, to, false) != JoinReaction::Nothing;
        ComposeClientArea(field, client, area);
        benchmark::DoNotOptimize(client.row(area.top).data());
    }
    ReleaseElement(field);
    field.extraOptions.showWholeBlock = false;
    if (joins != 0)
        state.SkipWithError("a join was made");
    state.counters["members"] = static_cast<double>(set.members(h).size());
    state.counters["area_px"] = static_cast<double>(area.width()) * area.height();
}
BENCHMARK(BM_DragStepWholeBlock)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessary
