#pragma once

namespace tessary {

/// The player's extra options: behaviours beyond the game's own rules, each by default as the
/// game always played. Kept in a file of their own beside the settings file.
struct ExtraOptions {
    bool showWholeBlock = false;        // a carried block shows every member following the pointer
    bool scrollWhileCarrying = false;   // carrying into an edge strip scrolls the field
    bool layoutWithoutOverlap = false;  // show all and arrange lay pieces out in free space
    bool sound = true;                  // the join, capture, rotation and completion sounds

    bool operator==(const ExtraOptions&) const = default;
};

}  // namespace tessary
