#pragma once

#include <cstddef>
#include <vector>

namespace tessary::assets {

/// A colour with straight (not premultiplied) alpha, each channel 0..1.
struct Rgba {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 0;
};

/// An opaque colour from 0xRRGGBB.
constexpr Rgba Hex(unsigned rgb, float alpha = 1.0f) {
    return {static_cast<float>(rgb >> 16 & 0xFF) / 255.0f,
            static_cast<float>(rgb >> 8 & 0xFF) / 255.0f, static_cast<float>(rgb & 0xFF) / 255.0f,
            alpha};
}

/// Linear interpolation of every channel, t in 0..1.
Rgba Mix(const Rgba& from, const Rgba& to, float t);

/// The colour scaled towards black (factor < 1) or white (factor > 1), alpha kept.
Rgba Shade(const Rgba& colour, float factor);

/// A picture of straight-alpha pixels, rows top-down; starts fully transparent.
class RgbaImage {
public:
    RgbaImage(int width, int height)
        : width_(width), height_(height), pixels_(Count(width, height)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    Rgba& at(int x, int y) { return pixels_[Index(x, y)]; }
    const Rgba& at(int x, int y) const { return pixels_[Index(x, y)]; }

    /// Paints `colour` over pixel (x, y) with the given coverage (0..1) by the "over" rule;
    /// points outside the picture are ignored.
    void blend(int x, int y, const Rgba& colour, float coverage);

private:
    static std::size_t Count(int width, int height) {
        return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    }
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

}  // namespace tessary::assets
