#include "picture/unpack_rle.h"

#include <algorithm>
#include <optional>

namespace tessary {

namespace {

// The write position of the decoder: pixel x of stored row y.
class RleCursor {
public:
    RleCursor(std::span<std::uint8_t> rows, std::size_t stride, int width, int height,
              bool isFourBit)
        : rows_(rows), stride_(stride), width_(width), height_(height), isFourBit_(isFourBit) {}

    bool isFull() const { return y_ >= height_; }

    // Writes one pixel and steps right; a pixel beyond the row's end starts the next row.
    void put(std::uint8_t value) {
        if (x_ >= width_) {
            x_ = 0;
            ++y_;
        }
        if (isFull()) {
            return;
        }
        std::uint8_t* row = rows_.data() + static_cast<std::size_t>(y_) * stride_;
        if (isFourBit_) {
            std::uint8_t& pair = row[x_ >> 1];
            pair = (x_ & 1) ? static_cast<std::uint8_t>((pair & 0xF0) | (value & 0x0F))
                            : static_cast<std::uint8_t>((pair & 0x0F) | value << 4);
        } else {
            row[x_] = value;
        }
        ++x_;
    }

    void endLine() {
        x_ = 0;
        ++y_;
    }

    void move(int dx, int dy) {
        x_ = std::min(x_ + dx, width_);
        y_ = std::min(y_ + dy, height_);
    }

private:
    std::span<std::uint8_t> rows_;
    std::size_t stride_;
    int width_;
    int height_;
    bool isFourBit_;
    int x_ = 0;
    int y_ = 0;
};

// Pixel k of an RLE4 run or literal: pixels take the high nibble first.
std::uint8_t NibbleOf(std::uint8_t pair, int k) {
    return (k & 1) ? pair & 0x0F : pair >> 4;
}

}  // namespace

std::size_t UnpackRle(const PictureHeader& header, std::span<const std::uint8_t> encoded,
                      std::span<std::uint8_t> destination) {
    const bool isFourBit = header.compression == kCompressionRle4;
    const bool isMatching = (header.compression == kCompressionRle8 && header.bitsPerPixel == 8) ||
                            (isFourBit && header.bitsPerPixel == 4);
    const std::optional<std::size_t> size =
        PixelBytes(header.bitsPerPixel, header.width, header.height);
    if (!isMatching || encoded.size() < 2 || !size || destination.size() < *size) {
        return 0;
    }
    const int height = header.height < 0 ? -header.height : header.height;
    std::span<std::uint8_t> rows = destination.first(*size);
    std::fill(rows.begin(), rows.end(), std::uint8_t{0});
    RleCursor cursor(rows, *RowStride(header.bitsPerPixel, header.width), header.width, height,
                     isFourBit);

    std::size_t i = 0;
    while (i + 1 < encoded.size() && !cursor.isFull()) {
        const std::uint8_t first = encoded[i];
        const std::uint8_t second = encoded[i + 1];
        i += 2;
        if (first > 0) {
            for (int k = 0; k < first && !cursor.isFull(); ++k) {
                cursor.put(isFourBit ? NibbleOf(second, k) : second);
            }
            continue;
        }
        if (second == 0) {
            cursor.endLine();
        } else if (second == 1) {
            break;
        } else if (second == 2) {
            if (i + 1 >= encoded.size()) {
                break;
            }
            cursor.move(encoded[i], encoded[i + 1]);
            i += 2;
        } else {
            const std::size_t bytes = isFourBit ? (second + 1u) / 2 : second;
            if (bytes > encoded.size() - i) {
                break;
            }
            const std::uint8_t* literal = encoded.data() + i;
            for (int k = 0; k < second && !cursor.isFull(); ++k) {
                cursor.put(isFourBit ? NibbleOf(literal[k >> 1], k) : literal[k]);
            }
            i += bytes + (bytes & 1);  // blocks are padded to 16 bits
        }
    }
    return *size;
}

}  // namespace tessary
