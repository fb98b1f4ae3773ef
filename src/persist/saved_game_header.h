#pragma once

#include <array>
#include <cstdint>

#include "core/geometry.h"
#include "persist/saved_game_format.h"

namespace tessary {

struct CuttingPlan;
struct GameSettings;

/// The 26 values at the head of a game file, in file order. Colours are colour references.
/// One table in saved_game_header.cpp says, value by value, where each comes from when a game is
/// saved and where it goes when the game is loaded.
struct SavedGameHeader {
    std::int32_t rows = 0;
    std::int32_t columns = 0;
    std::int32_t backgroundColor = 0;
    std::int32_t contourColor3D = 0;
    std::int32_t elementSize = 0;
    std::int32_t captureRange = 0;
    std::int32_t contourThickness = 0;
    std::int32_t mouseScrollArea = 0;
    std::int32_t mouseScrollSpeed = 0;
    std::int32_t keyboardScrollSpeed = 0;
    std::int32_t enable3DElements = 0;
    std::int32_t enableMouseScroll = 0;
    std::int32_t showTimer = 0;
    std::int32_t knobbed = 0;  // 1 when the cut had no square base, else 0
    std::int32_t enableOffset = 0;
    std::int32_t rotateElements = 0;
    std::int32_t mosaic = 0;
    std::int32_t exactAssembling = 0;
    std::int32_t fieldWidth = 0;  // the field when saved: a lower bound on load
    std::int32_t fieldHeight = 0;
    std::int32_t textureBackground = 0;
    std::int32_t fullScreen = 0;  // stored, never restored
    std::int32_t backgroundBitmapId = 0;
    std::int32_t reserved = 0;
    std::int64_t elapsedSeconds = 0;  // low 32 bits, then high 32 bits

    /// The values in file order.
    std::array<std::int32_t, kHeaderValueCount> values() const;
    /// The header of values in file order.
    static SavedGameHeader FromValues(const std::array<std::int32_t, kHeaderValueCount>& values);

    friend bool operator==(const SavedGameHeader&, const SavedGameHeader&) = default;
};

/// The header of the current game: grid and element size from the plan, the settings in force,
/// the field size and the elapsed seconds (already folded by the caller).
SavedGameHeader MakeSavedGameHeader(const CuttingPlan& plan, const GameSettings& settings,
                                    Point fieldSize, std::int64_t elapsedSeconds);

/// Restores the stored grid, element size and settings of a header ReadSavedGame accepted: the plan
/// gets rows, columns, the element size and the picture size they give (its derived geometry is
/// left to the rebuild); the settings get every stored value but the window mode, then the repairs
/// of a hand-edited settings file (flags 0 or 1, ranged values clamped, an unknown texture becomes
/// 358). The wheel settings keep their current values.
void RestoreSavedGameSettings(const SavedGameHeader& header, CuttingPlan& plan,
                              GameSettings& settings);

}  // namespace tessary
