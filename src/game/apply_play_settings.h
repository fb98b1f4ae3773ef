#pragma once

#include <cstdint>

#include "core/game_settings.h"

namespace tessary {

struct Field;
struct GameState;

/// The thickness the settings dialog shows for a stored 0 before any valid one has been seen.
inline constexpr int32_t kFallbackContourThickness = 3;

/// The play group as the settings dialog edits it. A stored thickness outside 1..5 (0 while 3D
/// elements are off) is shown as `lastValidThickness`, so that the dialog's range check does not
/// refuse the dialog's own value; a valid stored thickness becomes the new `lastValidThickness`.
PlaySettings PlaySettingsToEdit(const GameSettings& settings, int32_t& lastValidThickness);

/// Takes the settings dialog's values into `settings` (the record `field` reads) and brings the
/// game in line. With 3D elements off the thickness is stored as 0 and the bitmaps keep their
/// size; with them on, another thickness gives bitmapSide = cellSize + thickness and every
/// element a bitmap of that side (its field rectangle). When the drawn contour changes (its
/// thickness, or 3D on or off) the field is redrawn with every shape and field region rebuilt;
/// nothing is redrawn otherwise. The elements take the new capture range and assembly mode at once.
/// Returns whether showTimer changed: the window shows or hides its timer display.
bool ApplyPlaySettings(GameState& state, Field& field, GameSettings& settings,
                       const PlaySettings& chosen);

}  // namespace tessary
