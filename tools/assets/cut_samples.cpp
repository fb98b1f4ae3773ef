#include "cut_samples.h"

#include "piece_art.h"

namespace tessary::assets {
namespace {

constexpr int kFactor = 4;  // outlines are built this much larger and averaged down
constexpr int kColumns = 3;
constexpr int kRows = 2;
constexpr int kElementSize = 40;
constexpr int kGap = 10;
constexpr int kEdge = 2;
constexpr int kMargin = 2;
constexpr unsigned kSeed = 25;  // a game seed (0..59) whose offsets move every inner knob

RgbaImage DrawSample(const CutStyle& style) {
    const int width = kColumns * kElementSize + (kColumns - 1) * kGap + kEdge + 2 * kMargin;
    const int height = kRows * kElementSize + (kRows - 1) * kGap + kEdge + 2 * kMargin;
    RgbaImage image(width, height);
    CutStyle big = style;
    big.edgeThickness = kEdge * kFactor;
    const Rgba edge = Hex(0x5A5A5A);
    for (const PlacedPiece& piece :
         LayOutPieces(kColumns, kRows, kElementSize * kFactor, big, kGap * kFactor, kSeed)) {
        const Point origin{piece.origin.x + kMargin * kFactor, piece.origin.y + kMargin * kFactor};
        PaintCoverage(image,
                      RegionCoverage(piece.shape.raisedOutline, origin, kFactor, width, height),
                      Solid(edge));
        // Light from the top left: each face is a soft diagonal grey ramp.
        const float shade = 0.04f * static_cast<float>((piece.row + piece.column) % 2);
        const Paint face = [=](Vec2 p) {
            const float t =
                (p.x / static_cast<float>(width) + p.y / static_cast<float>(height)) / 2;
            const float grey = 0.86f - 0.2f * t - shade;
            return Rgba{grey, grey, grey, 1.0f};
        };
        PaintCoverage(image, RegionCoverage(piece.shape.outline, origin, kFactor, width, height),
                      face);
    }
    return image;
}

}  // namespace

std::array<RgbaImage, 7> MakeCutSamples() {
    // {mosaic, square base, offsets}, in the order of the dialog's sample index.
    return {DrawSample({false, false, true}), DrawSample({false, false, false}),
            DrawSample({true, false, true}),  DrawSample({true, false, false}),
            DrawSample({true, true, false}),  DrawSample({false, true, true}),
            DrawSample({false, true, false})};
}

}  // namespace tessary::assets
