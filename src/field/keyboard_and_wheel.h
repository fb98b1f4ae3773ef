#pragma once

namespace tessary {

struct Field;

/// The arrow keys; Space and H are the window's own.
enum class ArrowKey { Left, Right, Up, Down };

/// One scroll step of keyboardScrollSpeed screen pixels for an arrow key (auto-repeat included),
/// clamped to the limits, with an invalidation of the client area. Ignored while an element is
/// held. Returns whether the origin moved.
bool ScrollWithArrowKey(Field& field, ArrowKey key);

/// One wheel event; delta < 0 is a turn towards the user. With Ctrl alone, zooms one step out
/// (towards the user) or in, keeping the field point under the pointer in place; nothing while
/// an element is held or a capture rectangle is being chosen. With wheelRotateElements on and the
/// right button up, turns the block under the pointer (clockwise towards the user); where no
/// block turned and scrollWheel is on, scrolls by bitmapSide screen pixels (the last game's
/// while no elements exist), whatever the size of the delta: horizontally when the key state is
/// exactly Shift alone or the right button alone, else vertically. Returns whether the event was
/// handled (not with the left button down, nor for a scroll while an element is held).
bool HandleWheel(Field& field, int keyState, int delta);

}  // namespace tessary
