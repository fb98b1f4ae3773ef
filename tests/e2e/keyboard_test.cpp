// Keys as the X server delivers them to the real program: the keypad's digits come with their
// own key codes and modifiers, which the offscreen tests cannot send.

#include <gtest/gtest.h>

#include "program_fixture.h"
#include "x_session.h"

namespace tessary::testing {
namespace {

using std::chrono::milliseconds;

using KeyboardTest = ProgramFixture;

TEST_F(KeyboardTest, OnlyTheMainKeyboardsDigitsChooseATexture) {
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const QImage before = XSession::screenshot();
    keyToWindow("KP_1");
    Pause(milliseconds(300));
    EXPECT_EQ(XSession::screenshot(), before) << "a keypad digit changed the background";
    keyToWindow("1");
    Pause(milliseconds(300));
    EXPECT_NE(XSession::screenshot(), before) << "texture 1 was not chosen";
    program.stop();
}

}  // namespace
}  // namespace tessary::testing
