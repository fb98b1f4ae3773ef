#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tessary {

/// Compression values a picture in memory can carry.
inline constexpr std::uint32_t kCompressionNone = 0;
inline constexpr std::uint32_t kCompressionRle8 = 1;
inline constexpr std::uint32_t kCompressionRle4 = 2;
inline constexpr std::uint32_t kCompressionBitFields = 3;

/// The largest pixel memory a picture may take. Anything larger is refused as out of memory
/// instead of being allocated; fuzz builds lower it so that hostile sizes stay fast.
#ifdef TESSARY_MAX_PICTURE_BYTES
inline constexpr std::size_t kMaxPictureBytes = TESSARY_MAX_PICTURE_BYTES;
#else
inline constexpr std::size_t kMaxPictureBytes = std::size_t{1} << 30;
#endif

/// The header of a device-independent picture, field by field as a Windows bitmap stores it.
struct PictureHeader {
    std::uint32_t size = 40;  // bytes of the header in its file (40, 108, 124, ...)
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: bottom row stored first; negative: top row first
    std::uint16_t planes = 1;
    std::uint16_t bitsPerPixel = 24;  // 1, 4, 8, 16, 24 or 32
    std::uint32_t compression = kCompressionNone;
    std::uint32_t imageSize = 0;  // bytes of pixel data
    std::int32_t xPixelsPerMetre = 0;
    std::int32_t yPixelsPerMetre = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t coloursImportant = 0;
};

/// One colour-table entry in its stored byte order.
struct ColourEntry {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;

    friend bool operator==(const ColourEntry&, const ColourEntry&) = default;
};

/// Red, green and blue masks of a bit-field picture, in that order.
using BitMasks = std::array<std::uint32_t, 3>;

/// Bytes of one pixel row: bits x width rounded up to whole 32-bit words; none when the
/// row would not fit the memory limit.
std::optional<std::size_t> RowStride(int bitsPerPixel, std::int64_t width);

/// Bytes of |height| rows; none when the picture would exceed kMaxPictureBytes or the sizes
/// are not those of a picture (width <= 0, height 0).
std::optional<std::size_t> PixelBytes(int bitsPerPixel, std::int64_t width, std::int64_t height);

/// Whether a depth is one a picture in memory can have.
constexpr bool IsSupportedDepth(int bitsPerPixel) {
    return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16 ||
           bitsPerPixel == 24 || bitsPerPixel == 32;
}

/// Colour-table entries a picture of this depth holds: 2, 16 or 256, none above 8 bits.
constexpr int PaletteSizeFor(int bitsPerPixel) {
    return bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
}

}  // namespace tessary
