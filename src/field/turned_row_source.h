#pragma once

#include <cstddef>
#include <cstdint>

#include "field/picture_row_source.h"

namespace tessary {

class PictureBuffer;

/// Reads runs of rows of an upright picture P (W x H) turned by `rotation` quarter turns
/// counter-clockwise, without building the turned picture: pixel (u, v) of the turn is
/// R90: P(W - 1 - v, u), R180: P(W - 1 - u, H - 1 - v), R270: P(v, H - 1 - u), the pixels
/// RotatePictureQuarter builds. 24-bit and plain 32-bit pictures are walked in memory, a run of
/// R90 or R270 down a column of P as fast as a run of a row; other depths are read through a
/// PixelReader. Must not outlive the picture.
class TurnedRowSource {
public:
    TurnedRowSource(const PictureBuffer& upright, int rotation);

    /// The size of the turned picture.
    int width() const { return width_; }
    int height() const { return height_; }

    /// Writes `count` pixels of the turned picture's row y (from the top) starting at column
    /// x to `out`; the run lies inside the turned picture.
    void read(int x, int y, int count, std::uint32_t* out) const;

    /// Asks the processor to fetch the memory a later read(x, y, count) reads where that is a
    /// run of a row of P (rotations 0 and 2 of walked depths); the run may reach outside the
    /// turned picture, which is then not touched. A piece is read down the rows of P, each in
    /// a page of its own, where the processor's own prefetching does not follow.
    void prefetch(int x, int y, int count) const;

private:
    // The upright pixel a turned pixel shows.
    void uprightPoint(int u, int v, int& x, int& y) const;

    PictureRowSource upright_;
    int rotation_;
    int uprightWidth_;
    int uprightHeight_;
    int width_;
    int height_;
    // Walked depths: pixel (u, v) of the turn lies at origin_ + u * stepU_ + v * stepV_, in
    // pixels of pixelBytes_ (3 or 4; 0 for the depths read through the PixelReader).
    int pixelBytes_;
    const std::uint8_t* origin_ = nullptr;
    std::ptrdiff_t stepU_ = 0;
    std::ptrdiff_t stepV_ = 0;
    const std::uint8_t* lastFourBytes_ = nullptr;  // the last place a 4-byte load may start
};

}  // namespace tessary
