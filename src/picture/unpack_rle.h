#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "picture/picture_header.h"

namespace tessary {

/// Decodes the run-length-encoded pixels of a Windows bitmap into `destination`, which
/// needs |height| x stride bytes for the header's width, height and depth. The compression
/// must match the depth: RLE8 (1) for 8 bits, RLE4 (2) for 4 bits. Returns the bytes of the
/// unpacked picture, or 0 when refused (other compression or depth, no picture size, fewer
/// than 2 encoded bytes, a destination too small).
///
/// Decoding never writes outside the picture's rows: pixels past the last row are dropped,
/// and it stops quietly at an end-of-bitmap code, when the rows are full or when the data
/// ends (also inside a literal block or a delta). Pixels never reached stay as they were.
/// A run that passes the end of a row continues at the start of the next row; an
/// end-of-line code always moves to the start of the next row; a delta (dx, dy) moves
/// right and onward, never past the row's end.
std::size_t UnpackRle(const PictureHeader& header, std::span<const std::uint8_t> encoded,
                      std::span<std::uint8_t> destination);

}  // namespace tessary
