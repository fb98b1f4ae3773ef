#include "picture/bmp_writer.h"

#include <limits>
#include <optional>
#include <ostream>
#include <vector>

#include "picture/file_bytes.h"
#include "picture/little_endian.h"
#include "picture/pixel_reader.h"

namespace tessary {

namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;

// The file and info headers of a bitmap with `tableBytes` of colour table or masks between
// them and the pixels; none when the file would pass 4 GiB.
std::optional<std::vector<std::uint8_t>> BmpHeaders(int width, int height, int bitsPerPixel,
                                                    std::uint32_t compression,
                                                    std::size_t tableBytes) {
    const std::optional<std::size_t> stride = RowStride(bitsPerPixel, width);
    if (!stride || height <= 0) {
        return std::nullopt;
    }
    const std::uint64_t imageSize = static_cast<std::uint64_t>(*stride) * height;
    const std::uint64_t offset = kHeadersSize + tableBytes;
    if (offset + imageSize > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> headers;
    AppendLe16(headers, 0x4D42);  // "BM"
    AppendLe32(headers, static_cast<std::uint32_t>(offset + imageSize));
    AppendLe32(headers, 0);
    AppendLe32(headers, static_cast<std::uint32_t>(offset));
    AppendLe32(headers, 40);
    AppendLe32(headers, static_cast<std::uint32_t>(width));
    AppendLe32(headers, static_cast<std::uint32_t>(height));
    AppendLe16(headers, 1);
    AppendLe16(headers, static_cast<std::uint32_t>(bitsPerPixel));
    AppendLe32(headers, compression);
    AppendLe32(headers, static_cast<std::uint32_t>(imageSize));
    for (int i = 0; i < 4; ++i) {  // resolutions, colours used, colours important
        AppendLe32(headers, 0);
    }
    return headers;
}

bool WriteBytes(std::ostream& out, const std::uint8_t* bytes, std::size_t count) {
    out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
    return out.good();
}

bool WriteBytes(std::ostream& out, const std::vector<std::uint8_t>& bytes) {
    return WriteBytes(out, bytes.data(), bytes.size());
}

}  // namespace

bool WriteFieldBmp(std::ostream& out, const PixelView32& field, const CaptureRect& box,
                   ProgressSink* progress) {
    if (!field.holds(box)) {
        return false;
    }
    const auto headers = BmpHeaders(box.width(), box.height(), 24, kCompressionNone, 0);
    if (!headers || !WriteBytes(out, *headers)) {
        return false;
    }
    std::vector<std::uint8_t> row(*RowStride(24, box.width()));  // padding stays 0
    ProgressScope scope(progress, box.height());
    for (int y = box.bottom - 1; y >= box.top; --y) {
        const std::uint32_t* pixel = field.row(y) + box.left;
        for (std::size_t x = 0; x < static_cast<std::size_t>(box.width()); ++x) {
            row[3 * x] = static_cast<std::uint8_t>(pixel[x]);
            row[3 * x + 1] = static_cast<std::uint8_t>(pixel[x] >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(pixel[x] >> 16);
        }
        if (!WriteBytes(out, row)) {
            return false;
        }
        scope.step();
    }
    return true;
}

bool WriteFieldBmp(const std::filesystem::path& path, const PixelView32& field,
                   const CaptureRect& box, ProgressSink* progress) {
    return WriteFileReplacing(
        path, [&](std::ostream& out) { return WriteFieldBmp(out, field, box, progress); });
}

bool WriteBitmap24(std::ostream& out, const PictureBuffer& picture, ProgressSink* progress) {
    if (picture.isEmpty()) {
        return false;
    }
    const auto headers = BmpHeaders(picture.width(), picture.height(), 24, kCompressionNone, 0);
    if (!headers || !WriteBytes(out, *headers)) {
        return false;
    }
    std::vector<std::uint8_t> row(*RowStride(24, picture.width()));  // padding stays 0
    const PixelReader reader(picture);
    ProgressScope scope(progress, picture.height());
    for (int y = picture.height() - 1; y >= 0; --y) {
        reader.readRowBgr(y, row.data());
        if (!WriteBytes(out, row)) {
            return false;
        }
        scope.step();
    }
    return true;
}

bool WriteBitmap24(const std::filesystem::path& path, const PictureBuffer& picture,
                   ProgressSink* progress) {
    return WriteFileReplacing(
        path, [&](std::ostream& out) { return WriteBitmap24(out, picture, progress); });
}

bool WritePictureBmp(std::ostream& out, const PictureBuffer& picture) {
    if (picture.isEmpty()) {
        return false;
    }
    std::vector<std::uint8_t> table;
    for (const ColourEntry& entry : picture.palette()) {
        table.insert(table.end(), {entry.blue, entry.green, entry.red, 0});
    }
    if (picture.hasBitFields()) {
        for (std::uint32_t mask : picture.masks()) {
            AppendLe32(table, mask);
        }
    }
    const auto headers = BmpHeaders(picture.width(), picture.height(), picture.bitsPerPixel(),
                                    picture.header().compression, table.size());
    if (!headers || !WriteBytes(out, *headers) || !WriteBytes(out, table)) {
        return false;
    }
    if (!picture.isTopDown()) {
        return WriteBytes(out, picture.pixels().data(), picture.pixels().size());
    }
    for (int y = picture.height() - 1; y >= 0; --y) {
        if (!WriteBytes(out, picture.row(y), picture.stride())) {
            return false;
        }
    }
    return true;
}

bool WritePictureBmp(const std::filesystem::path& path, const PictureBuffer& picture) {
    return WriteFileReplacing(path,
                              [&](std::ostream& out) { return WritePictureBmp(out, picture); });
}

}  // namespace tessary
