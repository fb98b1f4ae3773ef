#include "field/render_element_image.h"

#include <algorithm>
#include <stdexcept>

#include "core/element_set.h"
#include "field/turned_row_source.h"
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

}  // namespace

RenderSource::RenderSource(const PictureBuffer& upright, const TurnedPictures& turned)
    : upright_(&upright) {
    for (std::size_t i = 0; i < turned.size(); ++i)
        turned_[i] = turned[i].isEmpty() ? nullptr : &turned[i];
}

const PictureBuffer* RenderSource::copyOf(int rotation) const {
    const int r = rotation & 3;
    return r == 0 ? upright_ : turned_[static_cast<std::size_t>(r - 1)];
}

void RenderElementImage(Element& element, const ElementSet& set, const RenderSource& pictures,
                        std::uint32_t contourPixel) {
    const PictureBuffer* copy = pictures.copyOf(element.rotation);
    // A built copy is read as it stands; without it the turn is read from the upright picture.
    const TurnedRowSource reader = copy != nullptr
                                       ? TurnedRowSource(*copy, 0)
                                       : TurnedRowSource(pictures.upright(), element.rotation);

    const int W = set.geometry().W;
    if (element.image.width() != W || element.image.height() != W)
        element.image = Bitmap32::Uninitialised(W, W);  // every pixel is written below

    // Bitmap pixel (x, y) of the image rectangle shows picture pixel (x + shift.x, y + shift.y).
    const Point source = SourcePoint(element, set);
    const Rect& target = element.imageRect;
    const Point shift{source.x - target.left, source.y - target.top};
    const Rect copied{std::max({target.left, -shift.x, 0}), std::max({target.top, -shift.y, 0}),
                      std::min({target.right, reader.width() - shift.x, W}),
                      std::min({target.bottom, reader.height() - shift.y, W})};
    const int firstCopied = std::max(copied.top, element.outline.top());
    const int endCopied = std::min(copied.bottom, element.outline.bottom());
    // Row by row, each pixel written once: the picture through the outline's spans (sorted and
    // disjoint), the contour colour around them.
    for (int y = 0; y < W; ++y) {
        std::uint32_t* out = element.image.row(y).data();
        int done = 0;
        if (y >= firstCopied && y < endCopied) {
            for (const Span& s : element.outline.row(y)) {
                const int left = std::max(s.left, copied.left);
                const int right = std::min(s.right, copied.right);
                if (left >= right)
                    continue;
                std::fill(out + done, out + left, contourPixel);
                reader.read(left + shift.x, y + shift.y, right - left, out + left);
                done = right;
            }
        }
        std::fill(out + done, out + W, contourPixel);
    }
}

void RenderElementImage(Field& field, int index) {
    if (!field.pictures)
        throw std::logic_error("elements rendered without their picture");
    RenderElementImage(field.elements->element(index), *field.elements, *field.pictures,
                       ContourPixel(field.settings));
}

}  // namespace tessary
