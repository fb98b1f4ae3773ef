#include "core/outline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game_random.h"
#include "core/knob_tables.h"
#include "outline_fixtures.h"

namespace tessary {
namespace {

// Draws the pixels of `region` inside `box` as rows of '#' and '.'.
std::string Art(const Region& region, const Rect& box) {
    std::string out;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x)
            out += region.contains(x, y) ? '#' : '.';
        out += '\n';
    }
    return out;
}

TEST(Outline, SinglePieceIsTheCoreSquare) {
    const OutlineGeometry g = MakeGeometry(64, 3, false, false);
    const ElementOutlines o = BuildOutline({0, 0, 0, 0}, {0, 0, 0, 0}, g);
    EXPECT_EQ(o.outline, Region::FromRect({16, 16, 80, 80}));
    EXPECT_EQ(ComputeImageRect({0, 0, 0, 0}, g), (Rect{16, 16, 80, 80}));
    // Its 3D edge is a band of thickness T to the right and below, with mitred ends.
    const std::vector<Point> raised = {{16, 16}, {80, 16}, {83, 19}, {83, 83}, {19, 83}, {16, 80}};
    EXPECT_EQ(o.raisedOutline, Region::FromPolygon(raised));
}

TEST(Outline, TopTabOfSixtyFourPixelPiece) {
    const OutlineGeometry g = MakeGeometry(64, 0, false, false);
    ASSERT_EQ(g.Q, 16);
    ASSERT_EQ(g.E, 80);
    ASSERT_EQ(g.D, 3);
    ASSERT_EQ(g.k, 4);
    ASSERT_EQ(g.r, 8);
    const Region o = BuildOutline({1, 0, 0, 0}, {0, 0, 0, 0}, g).outline;
    // The head, a circle in the box (40, 0)-(56, 16), reaches the top of the bitmap.
    EXPECT_EQ(o.boundingBox(), (Rect{16, 0, 80, 80}));
    EXPECT_TRUE(o.contains(48, 0));
    EXPECT_TRUE(o.contains(40, 8));
    EXPECT_FALSE(o.contains(39, 8));
    EXPECT_TRUE(o.contains(55, 8));
    EXPECT_FALSE(o.contains(56, 8));
    // The neck runs from (44, 19)-(52, 19) up to (41, 8)-(55, 8)...
    EXPECT_TRUE(o.contains(44, 18));
    EXPECT_FALSE(o.contains(43, 18));
    // ...and the straight parts bend D = 3 pixels down into the core towards it.
    EXPECT_FALSE(o.contains(40, 17));
    EXPECT_FALSE(o.contains(17, 16));
    EXPECT_TRUE(o.contains(17, 17));
    EXPECT_EQ(ComputeImageRect({1, 0, 0, 0}, g), (Rect{16, 0, 80, 80}));
    EXPECT_EQ(g.cellSize, 96);
}

TEST(Outline, SmallPieceDrawnPixelByPixel) {
    // S = 16: Q = 4, E = 20, D = 0, k = 1, r = 2. A tab on top and a blank on the right.
    const OutlineGeometry g = MakeGeometry(16, 0, false, false);
    const Region o = BuildOutline({1, -1, 0, 0}, {0, 0, 0, 0}, g).outline;
    EXPECT_EQ(Art(o, {0, 0, 24, 24}),
              "...........##...........\n"
              "..........####..........\n"
              "..........####..........\n"
              "...........##...........\n"
              "....################....\n"
              "....################....\n"
              "....################....\n"
              "....################....\n"
              "....################....\n"
              "....################....\n"
              "....#############..#....\n"
              "....############........\n"
              "....############........\n"
              "....#############..#....\n"
              "....################....\n"
              "....################....\n"
              "....################....\n"
              "....################....\n"
              "....################....\n"
              "....################....\n"
              "........................\n"
              "........................\n"
              "........................\n"
              "........................\n");
}

TEST(Outline, MosaicPiecePointsMoveTheSideMiddles) {
    // S = 16 mosaic: D = 4, Q = 4; the core spans 4..20. Top point inward, left point outward.
    const OutlineGeometry g = MakeGeometry(16, 0, true, false);
    const Region o = BuildOutline({1, 0, 0, -1}, {0, 0, 0, 0}, g).outline;
    EXPECT_EQ(Art(o, {0, 0, 24, 24}),
              "........................\n"
              "........................\n"
              "........................\n"
              "........................\n"
              "........................\n"
              "....##............##....\n"
              "...#####........####....\n"
              "...#######....######....\n"
              "..##################....\n"
              "..##################....\n"
              ".###################....\n"
              ".###################....\n"
              "####################....\n"
              ".###################....\n"
              ".###################....\n"
              "..##################....\n"
              "..##################....\n"
              "...#################....\n"
              "...#################....\n"
              "....################....\n"
              "........................\n"
              "........................\n"
              "........................\n"
              "........................\n");
    EXPECT_EQ(ComputeImageRect({1, 0, 0, -1}, g), (Rect{0, 4, 20, 20}));
}

TEST(Outline, SquareElementsIgnoreTheirKnobs) {
    const OutlineGeometry g = MakeGeometry(32, 2, true, true);
    for (const EdgeTable knobs : {EdgeTable{0, 0, 0, 0}, EdgeTable{1, -1, 1, -1}}) {
        EXPECT_EQ(BuildOutline(knobs, {1, 1, -1, 0}, g).outline, Region::FromRect({0, 0, 32, 32}));
        EXPECT_EQ(ComputeImageRect(knobs, g), (Rect{0, 0, 32, 32}));
    }
}

struct ImageRectCase {
    const char* name;
    EdgeTable knobs;
    Rect expected;
};

TEST(Outline, ImageRectFollowsTheKnobs) {
    const OutlineGeometry plain = MakeGeometry(64, 3, false, false);  // Q 16, E 80, D 3
    const OutlineGeometry mosaic = MakeGeometry(64, 3, true, false);  // D 16
    const ImageRectCase plainCases[] = {
        {"all tabs", {1, 1, 1, 1}, {0, 0, 96, 96}},
        {"all blanks", {-1, -1, -1, -1}, {13, 13, 83, 83}},
        {"mixed", {1, -1, 0, -1}, {13, 0, 83, 80}},
    };
    for (const auto& c : plainCases) {
        EXPECT_EQ(ComputeImageRect(c.knobs, plain), c.expected) << c.name;
    }
    const ImageRectCase mosaicCases[] = {
        {"all inward", {1, 1, 1, 1}, {16, 16, 80, 80}},
        {"all outward", {-1, -1, -1, -1}, {0, 0, 96, 96}},
        {"straight and outward", {0, -1, 0, 1}, {16, 16, 96, 80}},
    };
    for (const auto& c : mosaicCases) {
        EXPECT_EQ(ComputeImageRect(c.knobs, mosaic), c.expected) << c.name;
    }
}

TEST(Outline, WithoutThicknessTheRaisedOutlineIsTheOutline) {
    const OutlineGeometry g = MakeGeometry(48, 0, false, false);
    const ElementOutlines o = BuildOutline({1, -1, 1, -1}, {1, 0, -1, 1}, g);
    EXPECT_EQ(o.raisedOutline, o.outline);
}

TEST(Outline, RaisedOutlineIsTheSweptShape) {
    for (bool mosaic : {false, true}) {
        const OutlineGeometry g = MakeGeometry(64, 4, mosaic, false);
        const EdgeTable knobs{1, -1, 1, -1}, shifts{-1, 1, 0, 1};
        const ElementOutlines o = BuildOutline(knobs, shifts, g);
        Region swept;
        for (int t = 0; t <= g.T; ++t)
            swept |= o.outline.translated(t, t);
        EXPECT_TRUE((swept - o.raisedOutline).isEmpty());
        // What the two sweeps add lies in the edge band just right of and below the shape.
        const Region added = o.raisedOutline - swept;
        EXPECT_FALSE(added.isEmpty());
        Region band;
        for (int dx = 0; dx <= g.T + 1; ++dx) {
            for (int dy = 0; dy <= g.T + 1; ++dy)
                band |= o.outline.translated(dx, dy);
        }
        EXPECT_TRUE((added - band).isEmpty()) << "mosaic " << mosaic;
    }
}

// Every piece of a generated game, put at its place in the picture, covers its share of the
// picture: together they cover every picture pixel exactly once and nothing outside.
struct TilingCase {
    const char* name;
    bool mosaic;
    bool squareBase;
    bool offsets;
};

class OutlineTiling : public ::testing::TestWithParam<TilingCase> {};

TEST_P(OutlineTiling, PiecesCoverThePictureExactlyOnce) {
    const TilingCase c = GetParam();
    const int rows = 5, columns = 6, S = 64;
    const OutlineGeometry g = MakeGeometry(S, 3, c.mosaic, c.squareBase);
    const int margin = c.mosaic && c.squareBase ? 0 : S / 4;
    GameRandom random;
    for (unsigned seed : {3u, 31u, 59u}) {
        const KnobTables tables =
            GenerateKnobTables(rows, columns, c.offsets, false, random, [seed] { return seed; });
        const int pad = g.W, width = columns * S + 2 * pad, height = rows * S + 2 * pad;
        std::vector<int> cover(static_cast<std::size_t>(width) * height, 0);
        for (int i = 0; i < rows * columns; ++i) {
            const ElementEdges e = AssignEdgeTables(tables, i);
            const Region o = BuildOutline(e.knobs, e.knobShifts, g)
                                 .outline.translated((i % columns) * S - margin + pad,
                                                     (i / columns) * S - margin + pad);
            o.forEachSpan([&](int y, Span s) {
                for (int x = s.left; x < s.right; ++x)
                    ++cover[y * width + x];
            });
        }
        int gaps = 0, overlaps = 0, outside = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int n = cover[y * width + x];
                const bool inPicture =
                    x >= pad && x < pad + columns * S && y >= pad && y < pad + rows * S;
                if (inPicture && n == 0)
                    ++gaps;
                if (n > 1)
                    ++overlaps;
                if (!inPicture && n > 0)
                    ++outside;
            }
        }
        EXPECT_EQ(gaps, 0) << "seed " << seed;
        EXPECT_EQ(overlaps, 0) << "seed " << seed;
        EXPECT_EQ(outside, 0) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, OutlineTiling,
                         ::testing::Values(TilingCase{"knobs", false, false, false},
                                           TilingCase{"knobs_offset", false, false, true},
                                           TilingCase{"knobs_square_base", false, true, false},
                                           TilingCase{"knobs_square_base_offset", false, true,
                                                      true},
                                           TilingCase{"mosaic", true, false, false},
                                           TilingCase{"mosaic_offset", true, false, true},
                                           TilingCase{"square", true, true, false},
                                           TilingCase{"square_offset", true, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
