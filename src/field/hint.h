#pragma once

#include <cstdint>

namespace tessary {

struct Field;

/// What the H key did.
enum class HintOutcome {
    Nothing,  // no element under the pointer (or none to look at): nothing changed
    Hint,     // a missing neighbour was raised, scrolled into view and the pointer put on it
    NoHint,   // the element has no missing neighbour: the no-hint cursor, pointer nudged (1, 1)
};

/// The H key with the pointer where the platform reports it. Looks at the element under the
/// pointer and picks the first picture neighbour (top, right, bottom, left in the picture) it
/// is not joined to, preferring one whose centre lies at least 32 pixels inside the client
/// area (screen pixels); otherwise scrolls just enough to bring the first one's centre that far
/// inside, as the limits allow. A view zoomed out from 100 % first zooms out further, about the
/// pointer, as far as it takes for that centre and the pointed element's to fit in view together.
/// The neighbour's block comes to the front and is drawn; the pointer moves onto the neighbour's
/// centre and the hint cursor goes up from `now` (milliseconds of a steady clock). Without a
/// missing neighbour the no-hint cursor goes up. A hint cursor still up from before ends first.
/// Does nothing while an element is held or no elements exist.
HintOutcome ShowHint(Field& field, std::int64_t now);

}  // namespace tessary
