#include "persist/saved_game_writer.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <span>
#include <vector>

#include "core/cutting_plan.h"
#include "core/element_set.h"
#include "persist/saved_game_format.h"
#include "persist/saved_game_header.h"

namespace tessary {

namespace {

// Bytes of one part of the file, each value put byte by byte in little-endian order.
class ByteBuffer {
public:
    void putValue(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        bytes_.push_back(static_cast<std::uint8_t>(bits));
        bytes_.push_back(static_cast<std::uint8_t>(bits >> 8));
        bytes_.push_back(static_cast<std::uint8_t>(bits >> 16));
        bytes_.push_back(static_cast<std::uint8_t>(bits >> 24));
    }

    void putTable(const EdgeTable& table) {
        for (int value : table) {
            putValue(value);
        }
    }

    // Flags are 0 or 1, so each is its low byte followed by three zero bytes.
    void putFlags(std::span<const std::int32_t> flags) {
        const std::size_t start = bytes_.size();
        bytes_.resize(start + 4 * flags.size(), 0);
        std::uint8_t* out = bytes_.data() + start;
        for (std::size_t i = 0; i < flags.size(); ++i) {
            out[4 * i] = static_cast<std::uint8_t>(flags[i]);
        }
    }

    template <std::size_t Size>
    void putBytes(const std::array<std::uint8_t, Size>& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }

    // Hands the bytes to the stream and empties the buffer.
    bool flushTo(std::ostream& out) {
        out.write(reinterpret_cast<const char*>(bytes_.data()),
                  static_cast<std::streamsize>(bytes_.size()));
        bytes_.clear();
        return static_cast<bool>(out);
    }

    void reserve(std::size_t size) { bytes_.reserve(size); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace

SavedGameSnapshot TakeSavedGameSnapshot(const SavedGameSource& game) {
    const ElementSet& set = game.elements;
    SavedGameSnapshot snapshot;
    snapshot.header =
        MakeSavedGameHeader(game.plan, game.settings, game.fieldSize, game.elapsedSeconds);
    snapshot.baseRects.assign(set.baseRects().begin(), set.baseRects().end());
    snapshot.zOrder.assign(set.zOrder().begin(), set.zOrder().end());
    snapshot.elements.reserve(static_cast<std::size_t>(set.elementCount()));
    for (const Element& e : set.elementTable()) {
        snapshot.elements.push_back(
            {e.rotation, e.alone, e.enclosed, e.links, e.knobs, e.knobShifts, e.members});
    }
    return snapshot;
}

bool WriteSavedGame(std::ostream& out, const SavedGameSnapshot& game) {
    const std::size_t count = game.elements.size();
    ByteBuffer buffer;
    buffer.reserve(ElementRecordSize(count));

    buffer.putBytes(kSavedGameMagic);
    buffer.putBytes(kHeaderTag);
    for (std::int32_t value : game.header.values()) {
        buffer.putValue(value);
    }
    buffer.putBytes(kArraysTag);
    for (const Rect& r : game.baseRects) {
        for (int value : {r.left, r.top, r.right, r.bottom}) {
            buffer.putValue(value);
        }
    }
    for (int index : game.zOrder) {
        buffer.putValue(index);
    }
    buffer.putBytes(kElementsTag);
    if (!buffer.flushTo(out)) {
        return false;
    }

    std::vector<std::int32_t> flags(count);
    for (const SnapshotElement& e : game.elements) {
        buffer.putValue(e.rotation);
        buffer.putValue(e.alone ? 1 : 0);
        buffer.putValue(e.enclosed ? 1 : 0);
        buffer.putTable(e.links);
        buffer.putTable(e.knobs);
        buffer.putTable(e.knobShifts);
        std::fill(flags.begin(), flags.end(), 0);
        for (int j : *e.members) {
            flags[static_cast<std::size_t>(j)] = 1;
        }
        buffer.putFlags(flags);
        buffer.putValue(0);  // reserved
        if (!buffer.flushTo(out)) {
            return false;
        }
    }
    return static_cast<bool>(out.flush());
}

bool WriteSavedGame(std::ostream& out, const SavedGameSource& game) {
    return WriteSavedGame(out, TakeSavedGameSnapshot(game));
}

}  // namespace tessary
