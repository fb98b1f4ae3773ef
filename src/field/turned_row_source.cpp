#include "field/turned_row_source.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "picture/picture_buffer.h"

namespace tessary {
namespace {

// The bytes of a pixel whose three low bytes are blue, green and red, or 0 for other layouts.
int WalkedPixelBytes(const PictureBuffer& picture) {
    if (picture.isEmpty())
        return 0;
    if (picture.bitsPerPixel() == 24)
        return 3;
    if (picture.bitsPerPixel() == 32 && !picture.hasBitFields())
        return 4;
    return 0;
}

}  // namespace

TurnedRowSource::TurnedRowSource(const PictureBuffer& upright, int rotation)
    : upright_(upright),
      rotation_(rotation & 3),
      uprightWidth_(upright.width()),
      uprightHeight_(upright.height()),
      width_(rotation_ % 2 == 0 ? uprightWidth_ : uprightHeight_),
      height_(rotation_ % 2 == 0 ? uprightHeight_ : uprightWidth_),
      pixelBytes_(WalkedPixelBytes(upright)) {
    if (pixelBytes_ == 0)
        return;
    const std::ptrdiff_t right = pixelBytes_;
    const std::ptrdiff_t down = upright.row(std::min(1, uprightHeight_ - 1)) - upright.row(0);
    const std::uint8_t* topLeft = upright.row(0);
    const std::uint8_t* topRight = topLeft + right * (uprightWidth_ - 1);
    const std::uint8_t* bottomLeft = upright.row(uprightHeight_ - 1);
    switch (rotation_) {
        case 0:
            origin_ = topLeft, stepU_ = right, stepV_ = down;
            break;
        case 1:
            origin_ = topRight, stepU_ = down, stepV_ = -right;
            break;
        case 2:
            origin_ = bottomLeft + right * (uprightWidth_ - 1), stepU_ = -right, stepV_ = -down;
            break;
        default:
            origin_ = bottomLeft, stepU_ = -down, stepV_ = right;
            break;
    }
    const std::span<const std::uint8_t> bytes = upright.pixels();
    lastFourBytes_ = bytes.data() + bytes.size() - 4;
}

void TurnedRowSource::uprightPoint(int u, int v, int& x, int& y) const {
    switch (rotation_) {
        case 0:
            x = u, y = v;
            return;
        case 1:
            x = uprightWidth_ - 1 - v, y = u;
            return;
        case 2:
            x = uprightWidth_ - 1 - u, y = uprightHeight_ - 1 - v;
            return;
        default:
            x = v, y = uprightHeight_ - 1 - u;
            return;
    }
}

void TurnedRowSource::read(int x, int y, int count, std::uint32_t* out) const {
    if (pixelBytes_ == 0) {
        for (int i = 0; i < count; ++i) {
            int px = 0, py = 0;
            uprightPoint(x + i, y, px, py);
            upright_.read(px, py, 1, out + i);
        }
        return;
    }
    const std::uint8_t* p = origin_ + x * stepU_ + y * stepV_;
    // Four bytes at a time, the fourth masked off; three where four would end past the
    // picture's memory.
    for (int i = 0; i < count; ++i, p += stepU_) {
        std::uint32_t bgrx;
        if (p <= lastFourBytes_) {
            std::memcpy(&bgrx, p, sizeof bgrx);
        } else {
            bgrx = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16;
        }
        out[i] = bgrx & 0xFFFFFF;
    }
}

void TurnedRowSource::prefetch(int x, int y, int count) const {
    if (pixelBytes_ == 0 || rotation_ % 2 != 0 || y < 0 || y >= height_)
        return;
    const int from = std::max(x, 0), to = std::min(x + count, width_);
    if (from >= to)
        return;
    const std::uint8_t* a = origin_ + from * stepU_ + y * stepV_;
    const std::uint8_t* b = origin_ + (to - 1) * stepU_ + y * stepV_;
    constexpr std::uintptr_t kLine = 64;
    const auto first = reinterpret_cast<std::uintptr_t>(std::min(a, b)) & ~(kLine - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(std::max(a, b)) + pixelBytes_;
    for (std::uintptr_t line = first; line < last; line += kLine)
        __builtin_prefetch(reinterpret_cast<const void*>(line));
}

}  // namespace tessary
