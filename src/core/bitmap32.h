#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tessary {

/// A 32-bit picture without padding, rows top-down. A pixel is 0x00RRGGBB, so its bytes in
/// memory are blue, green, red, unused.
class Bitmap32 {
public:
    Bitmap32() = default;
    /// A width x height picture filled with `fill`; width, height >= 0.
    Bitmap32(int width, int height, uint32_t fill = 0)
        : width_(width),
          height_(height),
          pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return pixels_.empty(); }

    // 0 <= x < width(), 0 <= y < height()
    uint32_t pixel(int x, int y) const { return pixels_[offsetOf(x, y)]; }
    void setPixel(int x, int y, uint32_t value) { pixels_[offsetOf(x, y)] = value; }

    /// The width() pixels of row y, left to right.
    std::span<uint32_t> row(int y) { return {pixels_.data() + offsetOf(0, y), rowLength()}; }
    std::span<const uint32_t> row(int y) const {
        return {pixels_.data() + offsetOf(0, y), rowLength()};
    }

    /// All pixels, row after row.
    std::span<uint32_t> pixels() { return pixels_; }
    std::span<const uint32_t> pixels() const { return pixels_; }

    /// Sets every pixel to `value`.
    void fill(uint32_t value) { pixels_.assign(pixels_.size(), value); }

    friend bool operator==(const Bitmap32&, const Bitmap32&) = default;

private:
    std::size_t rowLength() const { return static_cast<std::size_t>(width_); }
    std::size_t offsetOf(int x, int y) const {
        return static_cast<std::size_t>(y) * rowLength() + static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace tessary
