#include "about_logo.h"

#include <array>

#include "piece_art.h"

namespace tessary::assets {

RgbaImage MakeAboutLogo() {
    constexpr int kSide = 128;
    constexpr int kFactor = 4;
    constexpr int kElementSize = 56;
    constexpr int kGap = 3;
    constexpr int kEdge = 3;
    constexpr int kSpan = 2 * kElementSize + kGap + kEdge;
    constexpr int kMargin = (kSide - kSpan) / 2;
    const std::array<unsigned, 4> colours = {0xE04A3A, 0xF2B631, 0x3A7BD5, 0x4CAF50};

    RgbaImage image(kSide, kSide);
    const CutStyle style{false, false, true, kEdge * kFactor};
    for (const PlacedPiece& piece :
         LayOutPieces(2, 2, kElementSize * kFactor, style, kGap * kFactor, 5)) {
        const Point origin{piece.origin.x + kMargin * kFactor, piece.origin.y + kMargin * kFactor};
        const Rgba colour = Hex(colours[static_cast<std::size_t>(piece.row * 2 + piece.column)]);
        PaintCoverage(image,
                      RegionCoverage(piece.shape.raisedOutline, origin, kFactor, kSide, kSide),
                      Solid(Shade(colour, 0.55f)));
        const Paint face = [colour](Vec2 p) {
            return Mix(Shade(colour, 1.35f), colour, (p.x + p.y) / (2 * kSide));
        };
        PaintCoverage(image, RegionCoverage(piece.shape.outline, origin, kFactor, kSide, kSide),
                      face);
    }
    return image;
}

RgbaImage MakeAboutBand() {
    constexpr int kWidth = 1024;  // wider than the page at any font resolution
    constexpr int kBandWidth = 148;
    RgbaImage image(kWidth, 1);
    for (int x = 0; x < kBandWidth; ++x)
        image.at(x, 0) = Hex(0xD9D9D9);
    return image;
}

}  // namespace tessary::assets
