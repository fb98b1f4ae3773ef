#pragma once

#include <cstdint>

#include "picture/pixel_reader.h"

namespace tessary {

class PictureBuffer;

/// Reads runs of a picture of any depth as 32-bit pixels 0x00RRGGBB. 24-bit and plain 32-bit
/// pictures are read straight from their rows; other depths go through a PixelReader. Must not
/// outlive the picture.
class PictureRowSource {
public:
    explicit PictureRowSource(const PictureBuffer& picture);

    /// Writes `count` pixels of row y (from the top) starting at column x to `out`;
    /// the run lies inside the picture.
    void read(int x, int y, int count, std::uint32_t* out) const;

private:
    const PictureBuffer& picture_;
    PixelReader reader_;
};

}  // namespace tessary
