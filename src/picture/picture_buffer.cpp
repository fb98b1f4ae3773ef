#include "picture/picture_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace tessary {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Zeroed pixel memory for std::free. Large pictures are asked to live on huge pages: a
// picture of 36 MB otherwise takes 9000 page faults when first written, which costs more
// than decoding or turning it on some systems.
std::uint8_t* AllocateZeroedPixels(std::size_t bytes) {
    if (bytes < 2 * kHugePage) {
        return static_cast<std::uint8_t*>(std::calloc(bytes, 1));
    }
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, rounded);
    if (memory == nullptr) {
        return nullptr;
    }
    ::madvise(memory, rounded, MADV_HUGEPAGE);  // only advice: without it pages are small
    std::memset(memory, 0, bytes);
    return static_cast<std::uint8_t*>(memory);
}

}  // namespace

std::optional<std::size_t> RowStride(int bitsPerPixel, std::int64_t width) {
    if (bitsPerPixel <= 0 || width <= 0 || width > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    const std::uint64_t stride = (static_cast<std::uint64_t>(bitsPerPixel) * width + 31) / 32 * 4;
    if (stride > kMaxPictureBytes) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(stride);
}

std::optional<std::size_t> PixelBytes(int bitsPerPixel, std::int64_t width, std::int64_t height) {
    const std::optional<std::size_t> stride = RowStride(bitsPerPixel, width);
    if (!stride || height == 0 || height < -std::numeric_limits<std::int32_t>::max() ||
        height > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
    // Both factors are at most kMaxPictureBytes and 2^31, so the product fits 64 bits.
    const std::uint64_t bytes = *stride * rows;
    if (bytes > kMaxPictureBytes) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(bytes);
}

PictureBuffer PictureBuffer::Create(const PictureHeader& header,
                                    std::span<const ColourEntry> palette, const BitMasks& masks) {
    const int depth = header.bitsPerPixel;
    const bool isBitFields = header.compression == kCompressionBitFields;
    if (!IsSupportedDepth(depth) || (header.compression != kCompressionNone &&
                                     !(isBitFields && (depth == 16 || depth == 32)))) {
        return {};
    }
    const std::optional<std::size_t> bytes = PixelBytes(depth, header.width, header.height);
    if (!bytes) {
        return {};
    }
    PictureBuffer picture;
    picture.pixels_.reset(AllocateZeroedPixels(*bytes));
    if (!picture.pixels_) {
        return {};
    }
    picture.header_ = header;
    picture.header_.planes = 1;
    picture.header_.imageSize = static_cast<std::uint32_t>(*bytes);
    picture.stride_ = *RowStride(depth, header.width);
    picture.palette_.resize(static_cast<std::size_t>(PaletteSizeFor(depth)));
    std::copy_n(palette.begin(), std::min(palette.size(), picture.palette_.size()),
                picture.palette_.begin());
    if (isBitFields) {
        picture.masks_ = masks;
    }
    return picture;
}

PictureBuffer::PictureBuffer(const PictureBuffer& other)
    : header_(other.header_),
      palette_(other.palette_),
      masks_(other.masks_),
      stride_(other.stride_) {
    if (!other.isEmpty()) {
        const std::size_t bytes = other.byteCount();
        pixels_.reset(AllocateZeroedPixels(bytes));
        if (!pixels_) {
            throw std::bad_alloc();
        }
        std::memcpy(pixels_.get(), other.pixels_.get(), bytes);
    }
}

PictureBuffer& PictureBuffer::operator=(const PictureBuffer& other) {
    if (this != &other) {
        PictureBuffer copy(other);
        *this = std::move(copy);
    }
    return *this;
}

}  // namespace tessary
