#include "game/game_state.h"

namespace tessary {
namespace {

const PictureBuffer* PictureOrNull(const PictureBuffer& picture) {
    return picture.isEmpty() ? nullptr : &picture;
}

}  // namespace

RenderSource GameState::renderSource() const {
    return {PictureOrNull(picture), PictureOrNull(turned[0]), PictureOrNull(turned[1]),
            PictureOrNull(turned[2])};
}

void AttachToField(GameState& state, Field& field) {
    field.elements = state.elements.get();
    field.pictures = state.renderSource();
    if (state.elements)
        state.elements->setPainter(state.painter.get());
}

void ResetGame(GameState& state, Field& field, bool discardPicture) {
    field.heldElement = -1;
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
        state.turned = TurnedPictures();
        state.pictureName.clear();
    }
    state.clock.reset();
    AttachToField(state, field);
}

}  // namespace tessary
