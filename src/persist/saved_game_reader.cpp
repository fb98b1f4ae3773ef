#include "persist/saved_game_reader.h"

#include <algorithm>
#include <array>
#include <climits>
#include <istream>
#include <streambuf>
#include <vector>

#include "core/cutting_plan.h"
#include "core/game_settings.h"
#include "persist/saved_game_format.h"
#include "picture/little_endian.h"

namespace tessary {

namespace {

// Largest stored field side: a lower bound beyond it would ask for more memory than a field
// can have (a field of 2^20 x 2^10 pixels already takes 4 GiB).
constexpr std::int32_t kMaxFieldSide = 1 << 20;

// Largest core-square coordinate: far outside any field, yet small enough that field
// arithmetic cannot overflow.
constexpr std::int32_t kMaxCoordinate = 1 << 28;

// Bytes of members flags decoded at a time.
constexpr std::size_t kChunkBytes = 1 << 16;

// A read-only stream buffer over bytes in memory.
class SpanBuffer : public std::streambuf {
public:
    explicit SpanBuffer(std::span<const std::uint8_t> bytes) {
        // The get area is never written through.
        char* begin = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
        setg(begin, begin, begin + bytes.size());
    }
};

// Little-endian values from a stream; after the first short read every read fails.
class ValueReader {
public:
    explicit ValueReader(std::istream& in) : in_(in) {}

    bool readBytes(std::span<std::uint8_t> bytes) {
        isGood_ = isGood_ && in_.read(reinterpret_cast<char*>(bytes.data()),
                                      static_cast<std::streamsize>(bytes.size()))
                                     .gcount() == static_cast<std::streamsize>(bytes.size());
        return isGood_;
    }

    bool readValue(std::int32_t& value) {
        std::array<std::uint8_t, 4> bytes{};
        if (!readBytes(bytes)) {
            return false;
        }
        value = static_cast<std::int32_t>(ReadLe32(bytes, 0));
        return true;
    }

    bool readTable(EdgeTable& table) {
        for (int& entry : table) {
            std::int32_t value = 0;
            if (!readValue(value)) {
                return false;
            }
            entry = value;
        }
        return true;
    }

    bool readTag(const std::array<std::uint8_t, 4>& expected) {
        std::array<std::uint8_t, 4> tag{};
        return readBytes(tag) && tag == expected;
    }

    // The members flags of element `index` of `count`: nonzero marks a member.
    bool readMembers(int count, MemberList& members) {
        std::vector<std::uint8_t> chunk(std::min(kChunkBytes, 4 * static_cast<std::size_t>(count)));
        for (int first = 0; first < count;) {
            const int entries = std::min(count - first, static_cast<int>(chunk.size() / 4));
            const std::span<std::uint8_t> bytes(chunk.data(),
                                                4 * static_cast<std::size_t>(entries));
            if (!readBytes(bytes)) {
                return false;
            }
            for (int i = 0; i < entries; ++i) {
                if (ReadLe32(bytes, 4 * static_cast<std::size_t>(i)) != 0) {
                    members.push_back(first + i);
                }
            }
            first += entries;
        }
        return true;
    }

private:
    std::istream& in_;
    bool isGood_ = true;
};

// A grid the cut dialog can produce, with a geometry the rebuild can derive, and a field size
// the field can take.
bool IsPlausibleHeader(const SavedGameHeader& h) {
    if (h.rows < 1 || h.columns < 1 || !IsElementSizeChoice(h.elementSize)) {
        return false;
    }
    const std::int64_t s = h.elementSize;
    if (std::int64_t{h.rows} * h.columns > INT32_MAX || h.columns * s > INT32_MAX ||
        h.rows * s > INT32_MAX) {
        return false;
    }
    if (h.fieldWidth < 0 || h.fieldWidth > kMaxFieldSide || h.fieldHeight < 0 ||
        h.fieldHeight > kMaxFieldSide) {
        return false;
    }
    CuttingPlan plan;
    GameSettings settings;
    RestoreSavedGameSettings(h, plan, settings);
    return DerivePlan(plan, settings);
}

// An S x S core square lying where field arithmetic stays in range.
bool IsCoreSquare(const Rect& r, int elementSize) {
    return r.left >= -kMaxCoordinate && r.left <= kMaxCoordinate && r.top >= -kMaxCoordinate &&
           r.top <= kMaxCoordinate && r.right == r.left + elementSize &&
           r.bottom == r.top + elementSize;
}

// The magic, the header and the tag after it.
SavedGameStatus ReadHeader(ValueReader& reader, SavedGameHeader& header) {
    std::array<std::uint8_t, 8> magic{};
    if (!reader.readBytes(magic) || magic != kSavedGameMagic) {
        return SavedGameStatus::UnknownFormat;
    }
    std::array<std::int32_t, kHeaderValueCount> values{};
    if (!reader.readTag(kHeaderTag)) {
        return SavedGameStatus::Damaged;
    }
    for (std::int32_t& value : values) {
        if (!reader.readValue(value)) {
            return SavedGameStatus::Damaged;
        }
    }
    header = SavedGameHeader::FromValues(values);
    if (!reader.readTag(kArraysTag) || !IsPlausibleHeader(header)) {
        return SavedGameStatus::Damaged;
    }
    return SavedGameStatus::Read;
}

SavedGameStatus ReadContents(ValueReader& reader, SavedGameContents& game) {
    if (const SavedGameStatus status = ReadHeader(reader, game.header);
        status != SavedGameStatus::Read) {
        return status;
    }
    const SavedGameHeader& h = game.header;
    const int count = h.rows * h.columns;

    // The tables grow as they are read, so a file that claims more than it holds fails
    // before its claim is allocated.
    StoredGame& stored = game.stored;
    for (int k = 0; k < count; ++k) {
        Rect r;
        if (!reader.readValue(r.left) || !reader.readValue(r.top) || !reader.readValue(r.right) ||
            !reader.readValue(r.bottom) || !IsCoreSquare(r, h.elementSize)) {
            return SavedGameStatus::Damaged;
        }
        stored.baseRects.push_back(r);
    }
    for (int k = 0; k < count; ++k) {
        std::int32_t index = 0;
        if (!reader.readValue(index)) {
            return SavedGameStatus::Damaged;
        }
        stored.zOrder.push_back(index);
    }
    if (!reader.readTag(kElementsTag)) {
        return SavedGameStatus::Damaged;
    }
    for (int k = 0; k < count; ++k) {
        StoredElement e;
        std::int32_t alone = 0;
        std::int32_t enclosed = 0;
        std::int32_t reserved = 0;
        if (!reader.readValue(e.rotation) || !reader.readValue(alone) ||
            !reader.readValue(enclosed) || !reader.readTable(e.links) ||
            !reader.readTable(e.knobs) || !reader.readTable(e.knobShifts) ||
            !reader.readMembers(count, e.members) || !reader.readValue(reserved)) {
            return SavedGameStatus::Damaged;
        }
        stored.elements.push_back(std::move(e));
    }
    stored.fieldSize = {h.fieldWidth, h.fieldHeight};
    stored.elapsedSeconds = h.elapsedSeconds;
    // The one check of the elements: the rebuild takes them as read.
    return IsPlayableStoredGame(stored, count) ? SavedGameStatus::Read : SavedGameStatus::Damaged;
}

}  // namespace

SavedGameReadResult ReadSavedGame(std::istream& in) {
    SavedGameReadResult result;
    ValueReader reader(in);
    result.status = ReadContents(reader, result.game);
    if (!result.isRead()) {
        result.game = SavedGameContents();
    }
    return result;
}

std::optional<SavedGameHeader> ReadSavedGameHeader(std::istream& in) {
    ValueReader reader(in);
    SavedGameHeader header;
    if (ReadHeader(reader, header) != SavedGameStatus::Read) {
        return std::nullopt;
    }
    return header;
}

SavedGameReadResult ReadSavedGame(std::span<const std::uint8_t> bytes) {
    SpanBuffer buffer(bytes);
    std::istream in(&buffer);
    return ReadSavedGame(in);
}

}  // namespace tessary
