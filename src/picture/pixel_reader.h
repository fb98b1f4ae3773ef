#pragma once

#include <array>
#include <cstdint>

#include "picture/colour_ref.h"
#include "picture/picture_buffer.h"

namespace tessary {

/// Reads the pixels of a picture of any depth as colours. Built once per picture (it keeps
/// the channel scaling of 16- and 32-bit pictures ready), it must not outlive the picture.
///
/// Channels held in fewer than 8 bits are scaled to 0..255 as trunc(v x 255 / max + 0.5),
/// max being the channel's mask shifted down to its lowest bit; a zero mask reads 0. Without
/// bit fields, 16-bit pixels are 5-5-5 and 32-bit pixels blue, green, red, unused.
class PixelReader {
public:
    explicit PixelReader(const PictureBuffer& picture);

    /// The colour of the pixel in column x of row y counted from the top;
    /// 0 <= x < width, 0 <= y < height.
    ColourRef colourAt(int x, int y) const;

    /// Writes the pixels of row y (from the top) to `bgr` as blue, green, red bytes,
    /// 3 x width bytes in all.
    void readRowBgr(int y, std::uint8_t* bgr) const;

private:
    struct Channel {
        std::uint32_t mask = 0;
        int shift = 0;
        std::uint32_t max = 0;  // mask >> shift

        std::uint8_t scale(std::uint32_t pixel) const;
    };

    std::uint32_t packedAt(const std::uint8_t* row, int x) const;

    const PictureBuffer& picture_;
    std::array<Channel, 3> channels_;  // red, green, blue
};

}  // namespace tessary
