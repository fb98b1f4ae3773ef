#include <gtest/gtest.h>

#include "field/window/sound_player.h"

namespace tessary::testing {
namespace {

// Qt's sample cache deadlocks at process exit while a sound file is still being read, so the
// window lets every read finish before it closes.
TEST(SoundPlayerTest, FinishLoadingLeavesNoSoundBeingRead) {
    SoundPlayer sounds(nullptr);
    sounds.play(Sound::Join);
    sounds.play(Sound::Rotation);
    sounds.play(Sound::Capture);
    sounds.finishLoading();
    EXPECT_FALSE(sounds.isLoading());
}

}  // namespace
}  // namespace tessary::testing
