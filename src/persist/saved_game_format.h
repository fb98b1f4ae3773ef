#pragma once

#include <array>
#include <cstdint>

namespace tessary {

// The game file: magic, tag "RDHI", the 26-value header, tag "RRAI", N core squares (left,
// top, right, bottom) and the N-entry z-order, tag "MLEI", then N element records in index
// order. Every value is a signed 32-bit little-endian integer written without gaps.

/// The first 8 bytes of every game file: 0x89, "TSY", CR, LF, 0x1A, LF.
inline constexpr std::array<std::uint8_t, 8> kSavedGameMagic = {0x89, 'T',  'S',  'Y',
                                                                0x0D, 0x0A, 0x1A, 0x0A};
/// Section tags, as they stand in the file.
inline constexpr std::array<std::uint8_t, 4> kHeaderTag = {'R', 'D', 'H', 'I'};
inline constexpr std::array<std::uint8_t, 4> kArraysTag = {'R', 'R', 'A', 'I'};
inline constexpr std::array<std::uint8_t, 4> kElementsTag = {'M', 'L', 'E', 'I'};

/// Number of 32-bit values in the header.
inline constexpr int kHeaderValueCount = 26;

/// Bytes of an element record before its members flags: rotation, alone, enclosed, links,
/// knobs, knob shifts (60), then 4 reserved bytes after the flags.
inline constexpr std::uint64_t kElementFieldBytes = 60;
inline constexpr std::uint64_t kElementReservedBytes = 4;

/// Size of one element record of a game of `count` elements: 64 + 4 x count.
constexpr std::uint64_t ElementRecordSize(std::uint64_t count) {
    return kElementFieldBytes + kElementReservedBytes + 4 * count;
}

/// Size of the game file of `count` elements (count < 2^31).
constexpr std::uint64_t SavedGameFileSize(std::uint64_t count) {
    return 8 + 4 + 4 * kHeaderValueCount + 4 + 20 * count + 4 + count * ElementRecordSize(count);
}

}  // namespace tessary
