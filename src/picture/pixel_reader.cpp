#include "picture/pixel_reader.h"

#include <bit>
#include <cstring>

namespace tessary {

namespace {

BitMasks DefaultMasks(int bitsPerPixel) {
    if (bitsPerPixel == 16) {
        return {0x7C00, 0x03E0, 0x001F};
    }
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

}  // namespace

std::uint8_t PixelReader::Channel::scale(std::uint32_t pixel) const {
    if (max == 0) {
        return 0;
    }
    const std::uint64_t value = (pixel & mask) >> shift;
    // trunc(value x 255 / max + 0.5) in integers.
    return static_cast<std::uint8_t>((value * 510 + max) / (2 * std::uint64_t{max}));
}

PixelReader::PixelReader(const PictureBuffer& picture) : picture_(picture) {
    const int depth = picture.bitsPerPixel();
    if (depth != 16 && depth != 32) {
        return;
    }
    const BitMasks masks = picture.hasBitFields() ? picture.masks() : DefaultMasks(depth);
    for (std::size_t i = 0; i < 3; ++i) {
        Channel& channel = channels_[i];
        channel.mask = masks[i];
        channel.shift = masks[i] == 0 ? 0 : std::countr_zero(masks[i]);
        channel.max = masks[i] >> channel.shift;
    }
}

std::uint32_t PixelReader::packedAt(const std::uint8_t* row, int x) const {
    if (picture_.bitsPerPixel() == 16) {
        return static_cast<std::uint32_t>(row[2 * x] | row[2 * x + 1] << 8);
    }
    std::uint32_t value;
    std::memcpy(&value, row + 4 * static_cast<std::size_t>(x), 4);
    return value;
}

ColourRef PixelReader::colourAt(int x, int y) const {
    const std::uint8_t* row = picture_.row(y);
    std::size_t index = 0;
    switch (picture_.bitsPerPixel()) {
        case 1:
            index = row[x >> 3] >> (7 - (x & 7)) & 1;
            break;
        case 4:
            index = (x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
            break;
        case 8:
            index = row[x];
            break;
        case 24: {
            const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
            return MakeColourRef(p[2], p[1], p[0]);
        }
        default: {
            const std::uint32_t pixel = packedAt(row, x);
            return MakeColourRef(channels_[0].scale(pixel), channels_[1].scale(pixel),
                                 channels_[2].scale(pixel));
        }
    }
    const ColourEntry& entry = picture_.palette()[index];
    return MakeColourRef(entry.red, entry.green, entry.blue);
}

void PixelReader::readRowBgr(int y, std::uint8_t* bgr) const {
    const int width = picture_.width();
    if (picture_.bitsPerPixel() == 24) {
        std::memcpy(bgr, picture_.row(y), 3 * static_cast<std::size_t>(width));
        return;
    }
    for (int x = 0; x < width; ++x, bgr += 3) {
        const ColourRef colour = colourAt(x, y);
        bgr[0] = static_cast<std::uint8_t>(BlueOf(colour));
        bgr[1] = static_cast<std::uint8_t>(GreenOf(colour));
        bgr[2] = static_cast<std::uint8_t>(RedOf(colour));
    }
}

}  // namespace tessary
