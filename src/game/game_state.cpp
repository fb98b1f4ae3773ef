#include "game/game_state.h"

#include <atomic>
#include <random>

#include "field/dragging.h"

namespace tessary {

std::uint64_t NewGameId() {
    // A random start for the run, then a count: never 0, never repeated within the run.
    static const std::uint64_t start = [] {
        std::random_device device;
        return (std::uint64_t{device()} << 32 | device()) | 1;
    }();
    static std::atomic<std::uint64_t> count = 0;
    return start + 2 * count++;
}

void AttachToField(GameState& state, Field& field) {
    field.elements = state.elements.get();
    field.picture = state.picture.isEmpty() ? nullptr : &state.picture;
    if (state.elements)
        state.elements->setPainter(state.painter.get());
}

void ResetGame(GameState& state, Field& field, bool discardPicture) {
    EndHolding(field);
    if (state.elementsCreated || state.elements) {
        if (state.elements)
            field.viewport.bitmapSide = state.elements->geometry().W;  // the wheel steps on
        state.elements.reset();
        state.painter.reset();
        state.elementsCreated = false;
    }
    if (discardPicture) {
        state.pictureLoaded = false;
        state.picture = PictureBuffer();
        state.pictureName.clear();
    }
    state.clock.reset();
    AttachToField(state, field);
}

}  // namespace tessary
