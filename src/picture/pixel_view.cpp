#include "picture/pixel_view.h"

namespace tessary {

std::optional<PixelView32> ViewPixels32(const PictureBuffer& picture) {
    if (picture.isEmpty() || picture.bitsPerPixel() != 32 || picture.hasBitFields()) {
        return std::nullopt;
    }
    const auto rowPixels = static_cast<std::ptrdiff_t>(picture.stride() / 4);
    return PixelView32{reinterpret_cast<const std::uint32_t*>(picture.row(0)), picture.width(),
                       picture.height(), picture.isTopDown() ? rowPixels : -rowPixels};
}

}  // namespace tessary
