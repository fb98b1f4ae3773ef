#pragma once

namespace tessary {

/// The player's extra options: behaviours beyond the game's own rules, each off by default so
/// that the game plays as it always did. Kept in a file of their own beside the settings file.
struct ExtraOptions {
    bool showWholeBlock = false;        // a carried block shows every member following the pointer
    bool scrollWhileCarrying = false;   // carrying into an edge strip scrolls the field
    bool layoutWithoutOverlap = false;  // show all and arrange lay pieces out in free space

    bool operator==(const ExtraOptions&) const = default;
};

}  // namespace tessary
