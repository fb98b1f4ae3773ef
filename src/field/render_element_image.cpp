#include "field/render_element_image.h"

#include <algorithm>

#include "core/element_set.h"
#include "picture/picture_buffer.h"

namespace tessary {
namespace {

// The point of the turned picture that lands on the image rectangle's top-left corner.
Point SourcePoint(const Element& e, const ElementSet& set) {
    const OutlineGeometry& g = set.geometry();
    const int S = g.S, m = (g.cellSize - g.S) / 2;
    const int row = e.index / set.columns(), col = e.index % set.columns();
    const int flippedCol = set.columns() - col - 1, flippedRow = set.rows() - row - 1;
    Point cell;
    switch (e.rotation) {
        case 0:
            cell = {col, row};
            break;
        case 1:
            cell = {row, flippedCol};
            break;
        case 2:
            cell = {flippedCol, flippedRow};
            break;
        default:
            cell = {flippedRow, col};
            break;
    }
    return {cell.x * S - m + e.imageRect.left, cell.y * S - m + e.imageRect.top};
}

// How many rows ahead a row's picture pixels are fetched: enough to cover the latency of
// memory.
constexpr int kPrefetchRows = 6;

}  // namespace

ElementPixels::ElementPixels(const Element& element, const ElementSet& set,
                             const PictureBuffer& picture, std::uint32_t contourPixel)
    : outline_(element.outline),
      reader_(picture, element.rotation),
      contourPixel_(contourPixel),
      side_(set.geometry().W) {
    const Point source = SourcePoint(element, set);
    const Rect& target = element.imageRect;
    shift_ = {source.x - target.left, source.y - target.top};
    copied_ = {std::max({target.left, -shift_.x, 0}), std::max({target.top, -shift_.y, 0}),
               std::min({target.right, reader_.width() - shift_.x, side_}),
               std::min({target.bottom, reader_.height() - shift_.y, side_})};
}

void ElementPixels::readRow(int y, int left, int right, std::uint32_t* out) const {
    // out[i] is pixel left + i. Each pixel is written once: the picture through the outline's
    // spans (sorted and disjoint), the contour colour around them.
    int done = left;
    reader_.prefetch(left + shift_.x, y + kPrefetchRows + shift_.y, right - left);
    if (y >= copied_.top && y < copied_.bottom) {
        for (const Span& s : outline_.row(y)) {
            if (s.left >= right)
                break;
            const int from = std::max({s.left, copied_.left, left});
            const int to = std::min({s.right, copied_.right, right});
            if (from >= to)
                continue;
            std::fill(out + (done - left), out + (from - left), contourPixel_);
            reader_.read(from + shift_.x, y + shift_.y, to - from, out + (from - left));
            done = to;
        }
    }
    std::fill(out + (done - left), out + (right - left), contourPixel_);
}

Bitmap32 RenderElementImage(const Element& element, const ElementSet& set,
                            const PictureBuffer& picture, std::uint32_t contourPixel) {
    const ElementPixels pixels(element, set, picture, contourPixel);
    const int W = pixels.side();
    Bitmap32 image = Bitmap32::Uninitialised(W, W);  // every pixel is written below
    for (int y = 0; y < W; ++y)
        pixels.readRow(y, 0, W, image.row(y).data());
    return image;
}

}  // namespace tessary
