#include "dialogs/picture_image.h"

#include "picture/pixel_reader.h"

namespace tessary {

QImage ImageOfPicture(const PictureBuffer& picture) {
    if (picture.isEmpty()) {
        return {};
    }
    // Format_BGR888 keeps the bytes in the order the pixel reader writes them.
    QImage image(picture.width(), picture.height(), QImage::Format_BGR888);
    if (image.isNull()) {
        return {};
    }
    const PixelReader reader(picture);
    for (int y = 0; y < picture.height(); ++y) {
        reader.readRowBgr(y, image.scanLine(y));
    }
    return image;
}

}  // namespace tessary
