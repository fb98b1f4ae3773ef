#pragma once

#include <cstdint>

namespace tessary {

struct Field;

/// The hint cursor the window keeps up for a moment after the H key.
struct HintState {
    bool isHintCursorShown = false;  // the hint or no-hint cursor is up
    std::int64_t hintTime = 0;       // milliseconds of a steady clock when it went up
};

/// How long the hint cursor stays up, in milliseconds: it goes at the first cursor request
/// after this much time.
inline constexpr std::int64_t kHintCursorMilliseconds = 1000;

/// What the H key did.
enum class HintOutcome {
    Nothing,  // no element under the pointer (or none to look at): nothing changed
    Hint,     // a missing neighbour was raised, scrolled into view and the pointer put on it
    NoHint,   // the element has no missing neighbour: the no-hint cursor, pointer nudged (1, 1)
};

/// The H key with the pointer where the platform reports it. Looks at the element under the
/// pointer and picks the first picture neighbour (top, right, bottom, left in the picture) it
/// is not joined to, preferring one whose centre lies at least 32 pixels inside the client
/// area; otherwise scrolls just enough to bring the first one's centre that far inside, as the
/// limits allow. The neighbour's block comes to the front and is drawn; the pointer moves onto
/// the neighbour's centre and the cursor becomes CursorShape::Hint. Without a missing
/// neighbour the cursor becomes CursorShape::NoHint. `state` records the cursor at `now`.
/// Does nothing while an element is held or no elements exist.
HintOutcome ShowHint(Field& field, HintState& state, std::int64_t now);

/// The window's cursor request while `state` has a hint cursor up: true while the cursor is
/// still due at `now` (keep showing it); once its time is over, clears the state and returns
/// false (the arrow returns).
bool IsHintCursorDue(HintState& state, std::int64_t now);

}  // namespace tessary
