#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "picture/picture_header.h"

namespace tessary {

/// A decoded picture: a device-independent bitmap of 1 to 32 bits per pixel that owns its
/// header, colour table or bit-field masks, and pixel rows (each padded to 4 bytes, stored
/// bottom row first unless the header's height is negative).
///
/// Invariants of a non-empty buffer: width > 0, height != 0, a supported depth, planes 1,
/// compression none or bit fields (bit fields only at 16 and 32 bits), imageSize = stride x
/// |height|, a colour table of exactly PaletteSizeFor(depth) entries, padding bytes zero
/// unless a caller wrote them.
class PictureBuffer {
public:
    PictureBuffer() = default;
    PictureBuffer(const PictureBuffer& other);
    PictureBuffer& operator=(const PictureBuffer& other);
    PictureBuffer(PictureBuffer&&) noexcept = default;
    PictureBuffer& operator=(PictureBuffer&&) noexcept = default;

    /// A picture with zeroed pixels shaped by `header` (imageSize and planes are set here;
    /// missing colour-table entries are black). Empty when the header breaks the invariants
    /// above or the pixel memory exceeds kMaxPictureBytes or can't be allocated.
    static PictureBuffer Create(const PictureHeader& header,
                                std::span<const ColourEntry> palette = {},
                                const BitMasks& masks = {});

    bool isEmpty() const { return pixels_ == nullptr; }
    const PictureHeader& header() const { return header_; }
    int width() const { return header_.width; }
    /// Number of rows, always positive.
    int height() const { return header_.height < 0 ? -header_.height : header_.height; }
    bool isTopDown() const { return header_.height < 0; }
    int bitsPerPixel() const { return header_.bitsPerPixel; }
    bool hasBitFields() const { return header_.compression == kCompressionBitFields; }
    std::size_t stride() const { return stride_; }

    std::span<const ColourEntry> palette() const { return palette_; }
    /// Red, green and blue masks; meaningful only with bit fields.
    const BitMasks& masks() const { return masks_; }

    /// All pixel rows in stored order.
    std::span<const std::uint8_t> pixels() const { return {pixels_.get(), byteCount()}; }
    std::span<std::uint8_t> pixels() { return {pixels_.get(), byteCount()}; }

    /// Row `index` in stored order, 0 <= index < height().
    const std::uint8_t* storedRow(int index) const { return pixels_.get() + index * stride_; }
    std::uint8_t* storedRow(int index) { return pixels_.get() + index * stride_; }

    /// Row `y` as seen on screen, counted from the top, 0 <= y < height().
    const std::uint8_t* row(int y) const { return storedRow(storedIndexOf(y)); }
    std::uint8_t* row(int y) { return storedRow(storedIndexOf(y)); }

private:
    struct FreeDeleter {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };

    int storedIndexOf(int y) const { return isTopDown() ? y : height() - 1 - y; }
    std::size_t byteCount() const { return isEmpty() ? 0 : stride_ * height(); }

    PictureHeader header_;
    std::vector<ColourEntry> palette_;
    BitMasks masks_{};
    std::size_t stride_ = 0;
    // Zeroed on allocation (see AllocateZeroedPixels); freed with std::free.
    std::unique_ptr<std::uint8_t[], FreeDeleter> pixels_;
};

}  // namespace tessary
