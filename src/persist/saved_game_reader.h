#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>

#include "game/stored_game.h"
#include "persist/saved_game_header.h"

namespace tessary {

/// How reading a game file ended.
enum class SavedGameStatus {
    Read,           // the whole file was read and describes a playable game
    UnknownFormat,  // the first 8 bytes are not the magic (a shorter file included)
    Damaged,        // a tag, count, index or value is wrong, or the file ends early
};

/// A game file's content, checked: header values a cut could give, every index within the
/// game, the z-order a permutation, links answered by their partners, blocks that agree.
struct SavedGameContents {
    SavedGameHeader header;
    StoredGame stored;  // fieldSize and elapsedSeconds from the header
};

struct SavedGameReadResult {
    SavedGameStatus status = SavedGameStatus::Damaged;
    SavedGameContents game;  // meaningful only when read

    bool isRead() const { return status == SavedGameStatus::Read; }
};

/// Reads and checks a whole game file before anything is built from it. Memory grows only
/// with the bytes actually present, whatever the counts claim. Bytes after the last element
/// record are ignored; the stored alone and enclosed flags are not read back (the links say
/// both), nor are the reserved values.
SavedGameReadResult ReadSavedGame(std::istream& in);
SavedGameReadResult ReadSavedGame(std::span<const std::uint8_t> bytes);

/// Reads only the head of a game file (magic, header, the tag after it), checked as
/// ReadSavedGame checks it; none when it is not a game file's or the header is implausible.
std::optional<SavedGameHeader> ReadSavedGameHeader(std::istream& in);

}  // namespace tessary
