#pragma once

#include <cstdint>

#include "field/picture_row_source.h"

namespace tessary {

class PictureBuffer;

/// Reads runs of rows of an upright picture P (W x H) turned by `rotation` quarter turns
/// counter-clockwise, without building the turned picture: pixel (u, v) of the turn is
/// R90: P(W - 1 - v, u), R180: P(W - 1 - u, H - 1 - v), R270: P(v, H - 1 - u), the pixels
/// RotatePictureQuarter builds. Must not outlive the picture.
class TurnedRowSource {
public:
    TurnedRowSource(const PictureBuffer& upright, int rotation);

    /// The size of the turned picture.
    int width() const { return width_; }
    int height() const { return height_; }

    /// Writes `count` pixels of the turned picture's row y (from the top) starting at column
    /// x to `out`; the run lies inside the turned picture.
    void read(int x, int y, int count, std::uint32_t* out) const;

private:
    PictureRowSource upright_;
    int rotation_;
    int uprightWidth_;
    int uprightHeight_;
    int width_;
    int height_;
};

}  // namespace tessary
