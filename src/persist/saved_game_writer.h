#pragma once

#include <cstdint>
#include <iosfwd>

#include "core/geometry.h"

namespace tessary {

class ElementSet;
struct CuttingPlan;
struct GameSettings;

/// The parts of a game in progress that its game file holds.
struct SavedGameSource {
    const CuttingPlan& plan;
    const GameSettings& settings;
    const ElementSet& elements;  // plan.rows x plan.columns elements
    Point fieldSize;
    std::int64_t elapsedSeconds = 0;  // the running clock folded in by the caller
};

/// Writes the game file: magic, header, core squares, z-order and one record per element with
/// its full members flags and 4 reserved zero bytes. True when every byte was accepted by
/// `out`.
bool WriteSavedGame(std::ostream& out, const SavedGameSource& game);

}  // namespace tessary
