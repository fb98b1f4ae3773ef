#pragma once

#include <vector>

#include "core/geometry.h"
#include "core/outline.h"
#include "rgba_image.h"
#include "shape_painter.h"

namespace tessary::assets {

/// The cut options that shape pieces, and the 3D edge they are drawn with.
struct CutStyle {
    bool isMosaic = false;
    bool hasSquareBase = false;
    bool hasOffsets = false;
    int edgeThickness = 0;  // 0: flat pieces
};

/// One piece of a cut: its outlines in its own bitmap coordinates and where that bitmap's
/// top-left corner lies on the drawing.
struct PlacedPiece {
    ElementOutlines shape;
    Point origin;
    int row = 0;
    int column = 0;
};

/// Cuts a picture of columns x rows elements of side `elementSize` (a multiple of 8) the way
/// the game does, with knob tables drawn from the fixed `seed`, and places the pieces as
/// they lie in the picture, each moved apart from its neighbours by `gap` pixels per column
/// and row. The picture's top-left corner is at (0, 0).
std::vector<PlacedPiece> LayOutPieces(int columns, int rows, int elementSize, const CutStyle& style,
                                      int gap, unsigned seed);

/// Fractions 0..1 of each pixel of a width x height picture.
class CoverageMask {
public:
    CoverageMask(int width, int height)
        : width_(width),
          values_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

    float at(int x, int y) const { return values_[index(x, y)]; }
    void add(int x, int y, float amount) { values_[index(x, y)] += amount; }
    int width() const { return width_; }
    int height() const { return static_cast<int>(values_.size()) / width_; }

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    std::vector<float> values_;
};

/// How much of each pixel of a width x height picture the region covers, when the region,
/// moved by `origin`, is drawn `factor` times larger than the picture (so `factor` x
/// `factor` region pixels make one picture pixel). Parts outside the picture are dropped.
CoverageMask RegionCoverage(const Region& region, Point origin, int factor, int width, int height);

/// Paints `paint` over the image, each pixel by its coverage.
void PaintCoverage(RgbaImage& image, const CoverageMask& mask, const Paint& paint);

}  // namespace tessary::assets
