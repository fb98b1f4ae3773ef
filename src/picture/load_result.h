#pragma once

#include <cstdint>
#include <string>

#include "picture/picture_buffer.h"

namespace tessary {

/// What the open dialog shows of a picture file.
struct PictureInfo {
    std::string formatName;
    std::int32_t width = 0;
    std::int32_t height = 0;  // always positive
    std::uint16_t bitsPerPixel = 0;
};

/// The outcome of reading a picture: the picture, or an empty picture and the reason.
struct LoadResult {
    PictureBuffer picture;  // empty when reading failed
    PictureInfo info;       // filled when reading succeeded
    /// Short English reason of a failure, empty on success; not meant for the player.
    std::string failure;
    /// The picture was refused for the memory it needs; the window says so to the player
    /// instead of reporting an unknown format.
    bool isOutOfMemory = false;

    bool isLoaded() const { return !picture.isEmpty(); }
};

}  // namespace tessary
