#include "picture/load_picture_file.h"

#include "picture/bmp_reader.h"
#include "picture/jpeg_reader.h"
#include "picture/picture_type.h"
#include "picture/png_reader.h"
#include "picture/reader_support.h"

namespace tessary {

namespace {

constexpr ColourRef kBlack = 0;

LoadResult ReadByType(PictureType type, std::span<const std::uint8_t> bytes) {
    switch (type) {
        case kPictureTypeBmp:
            return ReadBmpStream(bytes);
        case kPictureTypeJpeg:
            return ReadJpegStream(bytes);
        case kPictureTypePng:
            return ReadPngStream(bytes, kBlack);
        case kPictureTypeUnknown:
            break;
    }
    LoadResult result;
    for (PictureType each : {kPictureTypeBmp, kPictureTypeJpeg, kPictureTypePng}) {
        LoadResult attempt = ReadByType(each, bytes);
        if (attempt.isLoaded()) {
            return attempt;
        }
        result.isOutOfMemory = result.isOutOfMemory || attempt.isOutOfMemory;
        result.failure = attempt.failure;
    }
    return result;
}

}  // namespace

LoadResult LoadPictureFile(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    if (!extension.empty()) {
        extension.erase(0, 1);  // the dot
    }
    const PictureType type = PictureTypeFromExtension(extension);
    return ReadPictureFile(
        path, [&](std::span<const std::uint8_t> bytes) { return ReadByType(type, bytes); });
}

}  // namespace tessary
