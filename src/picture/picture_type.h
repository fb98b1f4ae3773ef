#pragma once

#include <string_view>

namespace tessary {

/// Picture types chosen by a file name's extension.
enum PictureType : int {
    kPictureTypeUnknown = -1,
    kPictureTypeBmp = 0,
    kPictureTypeJpeg = 1,
    kPictureTypePng = 2,
};

/// The type a file extension (given without its dot, any letter case) names.
PictureType PictureTypeFromExtension(std::string_view extension);

}  // namespace tessary
