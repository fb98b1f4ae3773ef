#include "picture/bmp_reader.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "picture/little_endian.h"
#include "picture/reader_support.h"
#include "picture/unpack_rle.h"

namespace tessary {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;  // the OS/2 header
constexpr std::uint16_t kBitmapType = 0x4D42;  // "BM"

PictureHeader ParseInfoHeader(std::span<const std::uint8_t> info) {
    PictureHeader header;
    header.size = ReadLe32(info, 0);
    header.width = static_cast<std::int32_t>(ReadLe32(info, 4));
    header.height = static_cast<std::int32_t>(ReadLe32(info, 8));
    header.planes = ReadLe16(info, 12);
    header.bitsPerPixel = ReadLe16(info, 14);
    header.compression = ReadLe32(info, 16);
    header.imageSize = ReadLe32(info, 20);
    header.xPixelsPerMetre = static_cast<std::int32_t>(ReadLe32(info, 24));
    header.yPixelsPerMetre = static_cast<std::int32_t>(ReadLe32(info, 28));
    header.coloursUsed = ReadLe32(info, 32);
    header.coloursImportant = ReadLe32(info, 36);
    return header;
}

bool IsKnownLayout(const PictureHeader& header) {
    switch (header.compression) {
        case kCompressionNone:
            return true;
        case kCompressionRle8:
            return header.bitsPerPixel == 8;
        case kCompressionRle4:
            return header.bitsPerPixel == 4;
        case kCompressionBitFields:
            return header.bitsPerPixel == 16 || header.bitsPerPixel == 32;
        default:
            return false;
    }
}

// The three masks of a bit-field picture: inside a header of 52 bytes or more, else in the
// 12 bytes after a 40-byte header; none when the block has no room for them.
std::optional<BitMasks> ReadMasks(std::span<const std::uint8_t> info, std::uint32_t headerSize) {
    if (headerSize < kInfoHeaderSize + 12 && info.size() < kInfoHeaderSize + 12) {
        return std::nullopt;
    }
    return BitMasks{ReadLe32(info, 40), ReadLe32(info, 44), ReadLe32(info, 48)};
}

// Entries the header asks for (all of the depth when it names none, never more), read as
// far as the info block holds them; the rest stay black.
std::vector<ColourEntry> ReadPalette(std::span<const std::uint8_t> info, PictureHeader& header) {
    const auto capacity = static_cast<std::uint32_t>(PaletteSizeFor(header.bitsPerPixel));
    header.coloursUsed = std::min(header.coloursUsed, capacity);
    header.coloursImportant = std::min(header.coloursImportant, capacity);
    const std::uint32_t wanted = header.coloursUsed == 0 ? capacity : header.coloursUsed;
    const std::size_t present = (info.size() - header.size) / 4;
    std::vector<ColourEntry> palette(std::min<std::size_t>(wanted, present));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t at = header.size + 4 * i;
        palette[i] = {info[at], info[at + 1], info[at + 2], 0};
    }
    return palette;
}

LoadResult ReadBmp(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFileHeaderSize) {
        throw PictureReadError("can't read file header");
    }
    if (ReadLe16(bytes, 0) != kBitmapType) {
        throw PictureReadError("invalid file type");
    }
    const std::uint32_t fileSize = ReadLe32(bytes, 2);
    const std::uint32_t dataOffset = ReadLe32(bytes, 10);
    if (dataOffset < kFileHeaderSize + 4 || dataOffset > bytes.size()) {
        throw PictureReadError("can't read bitmap info");
    }
    const std::span<const std::uint8_t> info =
        bytes.subspan(kFileHeaderSize, dataOffset - kFileHeaderSize);
    const std::uint32_t headerSize = ReadLe32(info, 0);
    if (headerSize == kCoreHeaderSize) {
        throw PictureReadError("OS/2 bitmap");
    }
    if (headerSize < kInfoHeaderSize || headerSize > info.size()) {
        throw PictureReadError("can't read bitmap info");
    }
    PictureHeader header = ParseInfoHeader(info);
    if (!IsSupportedDepth(header.bitsPerPixel) || !IsKnownLayout(header)) {
        throw PictureReadError("unsupported bitmap format");
    }
    if (header.width <= 0 || header.height == 0 || !RowStride(header.bitsPerPixel, header.width)) {
        throw PictureReadError("invalid bitmap size");
    }
    if (!PixelBytes(header.bitsPerPixel, header.width, header.height)) {
        throw PictureReadError("cant't allocate memory for bits", true);
    }

    BitMasks masks{};
    if (header.compression == kCompressionBitFields) {
        const std::optional<BitMasks> found = ReadMasks(info, headerSize);
        if (found) {
            masks = *found;
        } else {
            header.compression = kCompressionNone;
            header.coloursUsed = 0;
        }
    }
    std::vector<ColourEntry> palette;
    if (header.bitsPerPixel <= 8) {
        palette = ReadPalette(info, header);
    } else {
        header.coloursUsed = 0;
        header.coloursImportant = 0;
    }

    const std::uint32_t compression = header.compression;
    const bool isRle = compression == kCompressionRle8 || compression == kCompressionRle4;
    if (isRle) {
        header.size = kInfoHeaderSize;
        header.compression = kCompressionNone;
    }
    LoadResult result;
    result.picture = PictureBuffer::Create(header, palette, masks);
    if (result.picture.isEmpty()) {
        throw PictureReadError("cant't allocate memory for bits", true);
    }
    std::span<const std::uint8_t> data = bytes.subspan(dataOffset);
    std::span<std::uint8_t> pixels = result.picture.pixels();
    if (isRle) {
        // The file size of the header bounds the encoded data when it is plausible.
        if (fileSize > dataOffset && fileSize - dataOffset < data.size()) {
            data = data.first(fileSize - dataOffset);
        }
        PictureHeader encoded = header;
        encoded.compression = compression;
        if (UnpackRle(encoded, data, pixels) == 0) {
            throw PictureReadError("cant't unpack rle");
        }
    } else {
        // A file that ends early keeps the missing rows zero.
        const std::size_t count = std::min(data.size(), pixels.size());
        std::memcpy(pixels.data(), data.data(), count);
    }
    result.info = {"Windows Bitmap", result.picture.width(), result.picture.height(),
                   header.bitsPerPixel};
    return result;
}

}  // namespace

LoadResult ReadBmpStream(std::span<const std::uint8_t> bytes) {
    return CatchReadFailures([&] { return ReadBmp(bytes); });
}

LoadResult LoadBmpFile(const std::filesystem::path& path) {
    return ReadPictureFile(path, ReadBmpStream);
}

}  // namespace tessary
