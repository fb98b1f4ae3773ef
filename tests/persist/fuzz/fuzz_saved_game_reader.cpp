// libFuzzer target: the game-file reader, and the rebuild of every file it accepts.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/game_settings.h"
#include "field/field.h"
#include "game/create_elements.h"
#include "game/game_state.h"
#include "persist/saved_game_reader.h"
#include "quiet_platform.h"

namespace {

using namespace tessary;

// Fields beyond this many pixels are not built: the reader's answer is what is
// tested for them.
constexpr std::int64_t kMaxBuiltPixels = 1 << 22;

void Rebuild(const SavedGameContents& game) {
    GameSettings settings;
    settings.rotateElements = 0;
    tessary::testing::QuietPlatform platform;
    platform.fullScreenClient = {640, 480};
    Field field(settings, platform);
    field.viewport.screenWidth = 640;
    field.viewport.screenHeight = 480;
    field.viewport.clientRect = {0, 0, 640, 480};
    GameState state([] { return std::int64_t{0}; });
    RestoreSavedGameSettings(game.header, state.plan, settings);
    settings.rotateElements = 0;  // no turned pictures are built here
    PictureHeader header;
    header.width = state.plan.pictureWidth;
    header.height = state.plan.pictureHeight;
    header.bitsPerPixel = 24;
    state.picture = PictureBuffer::Create(header);
    state.pictureLoaded = true;
    state.pictureCut = true;
    if (BuildLoadedGame(state, field, settings, game.stored) == GameOutcome::Loaded) {
        FinishLoadedGame(state, field);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SavedGameReadResult read = ReadSavedGame(std::span<const std::uint8_t>(data, size));
    if (!read.isRead()) {
        return 0;
    }
    // The field is at least the screen and at least the grid of bitmaps (under 2 S each).
    const SavedGameHeader& h = read.game.header;
    const std::int64_t s = h.elementSize;
    const std::int64_t width = std::max<std::int64_t>({h.fieldWidth, 640, 2 * s * h.columns});
    const std::int64_t height = std::max<std::int64_t>({h.fieldHeight, 480, 2 * s * h.rows});
    if (width * height <= kMaxBuiltPixels) {
        Rebuild(read.game);
    }
    return 0;
}
