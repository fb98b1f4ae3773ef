#include "field/preview_layout.h"

#include <algorithm>
#include <cmath>

namespace tessary {

Point PreviewSizeFor(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return {1, 1};
    int w = 0, h = 0;
    if (pictureWidth >= pictureHeight) {
        w = std::min(pictureWidth, screenWidth / 3);
        h = static_cast<int>(static_cast<double>(w) / pictureWidth * pictureHeight);
    } else {
        h = std::min(pictureHeight, screenHeight / 3);
        w = static_cast<int>(static_cast<double>(h) / pictureHeight * pictureWidth);
    }
    // A picture far longer than wide would otherwise ask for a window without area.
    return {std::max(w, 1), std::max(h, 1)};
}

int PreviewHeightAfterCut(int previewWidth, int pictureWidth, int pictureHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return 1;
    double h = static_cast<double>(previewWidth) * pictureHeight / pictureWidth;
    return std::max(static_cast<int>(std::round(h)), 1);
}

}  // namespace tessary
