#include "picture/picture_type.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace tessary {

namespace {

struct ExtensionType {
    std::string_view extension;
    PictureType type;
};

constexpr std::array<ExtensionType, 8> kExtensions{{
    {"bmp", kPictureTypeBmp},
    {"dib", kPictureTypeBmp},
    {"rle", kPictureTypeBmp},
    {"jpg", kPictureTypeJpeg},
    {"jpeg", kPictureTypeJpeg},
    {"jfi", kPictureTypeJpeg},
    {"jfif", kPictureTypeJpeg},
    {"png", kPictureTypePng},
}};

}  // namespace

PictureType PictureTypeFromExtension(std::string_view extension) {
    std::string lower(extension);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto* found = std::find_if(kExtensions.begin(), kExtensions.end(),
                                     [&](const ExtensionType& e) { return e.extension == lower; });
    return found == kExtensions.end() ? kPictureTypeUnknown : found->type;
}

}  // namespace tessary
