#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "picture/picture_buffer.h"

namespace tessary {

static_assert(std::endian::native == std::endian::little,
              "32-bit pixels are read as blue, green, red, unused bytes");

/// A box of pixels: includes its left column and top row, excludes its right column and
/// bottom row.
struct CaptureRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }

    friend bool operator==(const CaptureRect&, const CaptureRect&) = default;
};

/// A non-owning view of 32-bit pixels (bytes blue, green, red, unused; as a number
/// 0xXXRRGGBB), rows seen top-down.
struct PixelView32 {
    const std::uint32_t* topRow = nullptr;  // first pixel of the top row
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride =
        0;  // pixels from a row to the one below; negative when stored bottom-up

    const std::uint32_t* row(int y) const { return topRow + y * stride; }
    /// Whether `box` is non-empty and lies inside the view.
    bool holds(const CaptureRect& box) const {
        return !box.isEmpty() && box.left >= 0 && box.top >= 0 && box.right <= width &&
               box.bottom <= height;
    }
};

/// The pixels of a 32-bit picture without bit fields seen as a PixelView32; none for any
/// other picture. The view is valid while the picture is neither changed in shape nor freed.
std::optional<PixelView32> ViewPixels32(const PictureBuffer& picture);

}  // namespace tessary
