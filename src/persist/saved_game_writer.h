#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <vector>

#include "core/edge_table.h"
#include "core/element.h"
#include "core/geometry.h"
#include "persist/saved_game_header.h"

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

/// One element as its record in the game file describes it.
struct SnapshotElement {
    int rotation = 0;
    bool alone = true;
    bool enclosed = false;
    EdgeTable links = kNoLinks;
    EdgeTable knobs{};
    EdgeTable knobShifts{};
    // The block's list is shared, not copied: a list is never changed once made (a change of
    // membership hands the members a new one), so it may be read on another thread.
    std::shared_ptr<const MemberList> members;
};

/// Everything a game file holds, taken from a game in one go, so that the file can be written
/// later, on another thread, while the game goes on.
struct SavedGameSnapshot {
    SavedGameHeader header;
    std::vector<Rect> baseRects;
    std::vector<int> zOrder;
    std::vector<SnapshotElement> elements;  // in index order
};

/// Copies what the game file needs: the header values and the element tables.
SavedGameSnapshot TakeSavedGameSnapshot(const SavedGameSource& game);

/// Writes the game file: magic, header, core squares, z-order and one record per element with
/// its full members flags and 4 reserved zero bytes. True when every byte was accepted by
/// `out`.
bool WriteSavedGame(std::ostream& out, const SavedGameSnapshot& game);
bool WriteSavedGame(std::ostream& out, const SavedGameSource& game);

}  // namespace tessary
