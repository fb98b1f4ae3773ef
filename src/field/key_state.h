#pragma once

namespace tessary {

/// Mouse-message key flags; a key state is their sum and is compared for equality, so any
/// additional key or button makes a different state.
inline constexpr int kLeftButton = 0x1;
inline constexpr int kRightButton = 0x2;
inline constexpr int kShiftKey = 0x4;
inline constexpr int kControlKey = 0x8;
inline constexpr int kMiddleButton = 0x10;

/// The only key state in which a moving element can snap: the left button alone.
inline constexpr int kDragChord = kLeftButton;

/// Key states that pull an element out of its block: left + Shift, right + Shift, middle.
constexpr bool IsDetachChord(int keyState) {
    return keyState == (kLeftButton | kShiftKey) || keyState == (kRightButton | kShiftKey) ||
           keyState == kMiddleButton;
}

}  // namespace tessary
