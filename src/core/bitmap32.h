#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace tessary {

/// A 32-bit picture without padding, rows top-down. A pixel is 0x00RRGGBB, so its bytes in
/// memory are blue, green, red, unused.
class Bitmap32 {
public:
    Bitmap32() = default;
    /// A width x height picture filled with `fill`; width, height >= 0.
    Bitmap32(int width, int height, uint32_t fill = 0);
    /// A width x height picture whose pixels hold no defined value, for a caller that writes
    /// every pixel before it reads one; width, height >= 0.
    static Bitmap32 Uninitialised(int width, int height);

    Bitmap32(const Bitmap32& other);
    Bitmap32& operator=(const Bitmap32& other);
    // A picture moved from is empty, 0 x 0.
    Bitmap32(Bitmap32&& other) noexcept;
    Bitmap32& operator=(Bitmap32&& other) noexcept;
    ~Bitmap32() = default;

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return pixelCount() == 0; }

    // 0 <= x < width(), 0 <= y < height()
    uint32_t pixel(int x, int y) const { return pixels_[offsetOf(x, y)]; }
    void setPixel(int x, int y, uint32_t value) { pixels_[offsetOf(x, y)] = value; }

    /// The width() pixels of row y, left to right.
    std::span<uint32_t> row(int y) { return {pixels_.get() + offsetOf(0, y), rowLength()}; }
    std::span<const uint32_t> row(int y) const {
        return {pixels_.get() + offsetOf(0, y), rowLength()};
    }

    /// All pixels, row after row.
    std::span<uint32_t> pixels() { return {pixels_.get(), pixelCount()}; }
    std::span<const uint32_t> pixels() const { return {pixels_.get(), pixelCount()}; }

    /// Sets every pixel to `value`.
    void fill(uint32_t value);

    /// Same size and same pixels.
    friend bool operator==(const Bitmap32& a, const Bitmap32& b);

private:
    // Gives the pixel memory back the way it was taken, which depends on its size.
    struct PixelRelease {
        std::size_t bytes;  // value-initialised to 0 by an empty std::unique_ptr
        void operator()(uint32_t* p) const;
    };

    struct UndefinedPixels {};
    // Storage for the picture's pixels, contents undefined; throws std::bad_alloc.
    Bitmap32(int width, int height, UndefinedPixels);

    std::size_t rowLength() const { return static_cast<std::size_t>(width_); }
    std::size_t pixelCount() const { return rowLength() * static_cast<std::size_t>(height_); }
    std::size_t offsetOf(int x, int y) const {
        return static_cast<std::size_t>(y) * rowLength() + static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<uint32_t[], PixelRelease> pixels_;  // pixelCount() pixels, or null when 0
};

}  // namespace tessary
