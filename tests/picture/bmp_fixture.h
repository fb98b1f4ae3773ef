#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "picture/picture_header.h"

namespace tessary::testing {

/// A Windows bitmap file laid out by hand, field by field.
struct BmpFixture {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t compression = kCompressionNone;
    std::uint32_t headerSize = 40;  // 12 writes an OS/2 core header
    std::uint32_t coloursUsed = 0;
    std::vector<ColourEntry> palette;
    /// Inside a header of 52 bytes or more, else right after the 40-byte header.
    std::optional<BitMasks> masks;
    std::vector<std::uint8_t> pixels;            // stored rows, or the encoded stream
    std::uint16_t type = 0x4D42;                 // "BM"
    std::optional<std::uint32_t> fileSizeField;  // the real size unless given

    std::vector<std::uint8_t> bytes() const;
};

/// Rows of 8-bit indices, or of 4-bit ones two to a byte, each padded to 4 bytes.
std::vector<std::uint8_t> PadRows(const std::vector<std::vector<std::uint8_t>>& rows);

}  // namespace tessary::testing
