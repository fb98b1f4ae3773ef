#include "picture/rotate_picture.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace tessary {

namespace {

// Pixels are moved in square tiles so that both pictures are walked in cache-sized pieces.
constexpr int kTile = 64;

PictureBuffer CreateTurned(const PictureBuffer& source) {
    PictureHeader header = source.header();
    header.size = 40;
    header.width = source.height();
    header.height = source.width();
    std::swap(header.xPixelsPerMetre, header.yPixelsPerMetre);
    return PictureBuffer::Create(header, source.palette(), source.masks());
}

// Whole-byte pixels of `size` bytes: destination row Y takes source column w - 1 - Y,
// read from the top row down.
template <std::size_t size>
void TurnWholePixels(const PictureBuffer& source, PictureBuffer& destination) {
    const int sourceHeight = source.height();
    const int sourceWidth = source.width();
    std::vector<const std::uint8_t*> sourceRows(static_cast<std::size_t>(sourceHeight));
    for (int y = 0; y < sourceHeight; ++y) {
        sourceRows[static_cast<std::size_t>(y)] = source.row(y);
    }
    for (int top = 0; top < sourceWidth; top += kTile) {
        const int bottom = std::min(top + kTile, sourceWidth);
        for (int left = 0; left < sourceHeight; left += kTile) {
            const int right = std::min(left + kTile, sourceHeight);
            for (int y = top; y < bottom; ++y) {
                std::uint8_t* out = destination.row(y) + left * size;
                const std::size_t column = static_cast<std::size_t>(sourceWidth - 1 - y) * size;
                int x = left;
                if constexpr (size == 3) {
                    // Whole words move faster than three bytes. Each word spills one byte into
                    // the next pixel of the row, which is written later; the row's last pixel
                    // and row 0 (the source's last column, whose word would read past the
                    // source row) move three bytes.
                    if (y > 0) {
                        const int end = std::min(right, sourceHeight - 1);
                        for (; x < end; ++x, out += size) {
                            std::memcpy(out, sourceRows[static_cast<std::size_t>(x)] + column, 4);
                        }
                    }
                }
                for (; x < right; ++x, out += size) {
                    std::memcpy(out, sourceRows[static_cast<std::size_t>(x)] + column, size);
                }
            }
        }
    }
}

// Pixels of 1 or 4 bits, the leftmost pixel in the high bits of a byte.
std::uint8_t IndexAt(const std::uint8_t* row, int x, int bits) {
    const int perByte = 8 / bits;
    const int shift = 8 - bits * (x % perByte + 1);
    return static_cast<std::uint8_t>(row[x / perByte] >> shift & ((1 << bits) - 1));
}

void OrIndexAt(std::uint8_t* row, int x, int bits, std::uint8_t index) {
    const int perByte = 8 / bits;
    const int shift = 8 - bits * (x % perByte + 1);
    row[x / perByte] = static_cast<std::uint8_t>(row[x / perByte] | index << shift);
}

void TurnPackedPixels(const PictureBuffer& source, PictureBuffer& destination) {
    const int bits = source.bitsPerPixel();
    const int sourceWidth = source.width();
    for (int y = 0; y < source.height(); ++y) {
        const std::uint8_t* row = source.row(y);
        for (int x = 0; x < sourceWidth; ++x) {
            OrIndexAt(destination.row(sourceWidth - 1 - x), y, bits, IndexAt(row, x, bits));
        }
    }
}

}  // namespace

PictureBuffer RotatePictureQuarter(const PictureBuffer& source) {
    if (source.isEmpty()) {
        return {};
    }
    PictureBuffer turned = CreateTurned(source);
    if (turned.isEmpty()) {
        return {};
    }
    switch (source.bitsPerPixel()) {
        case 8:
            TurnWholePixels<1>(source, turned);
            break;
        case 16:
            TurnWholePixels<2>(source, turned);
            break;
        case 24:
            TurnWholePixels<3>(source, turned);
            break;
        case 32:
            TurnWholePixels<4>(source, turned);
            break;
        default:
            TurnPackedPixels(source, turned);
            break;
    }
    return turned;
}

bool BuildRotatedPictures(const PictureBuffer& picture, TurnedPictures& turned) {
    turned = {};
    const PictureBuffer* previous = &picture;
    for (PictureBuffer& next : turned) {
        next = RotatePictureQuarter(*previous);
        if (next.isEmpty()) {
            return false;
        }
        previous = &next;
    }
    return true;
}

}  // namespace tessary
