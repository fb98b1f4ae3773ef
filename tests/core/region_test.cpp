#include "core/region.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tessary {
namespace {

// The pixels of `frame` as lines of '#' (in) and '.' (out).
std::string Draw(const Region& region, const Rect& frame) {
    std::string art;
    for (int y = frame.top; y < frame.bottom; ++y) {
        art += '\n';
        for (int x = frame.left; x < frame.right; ++x)
            art += region.contains(x, y) ? '#' : '.';
    }
    return art;
}

// Rows from top() to bottom() with the first and last non-empty; spans sorted, non-empty and
// not touching.
void ExpectCanonical(const Region& r) {
    if (r.isEmpty()) {
        EXPECT_EQ(r, Region());
        return;
    }
    EXPECT_FALSE(r.row(r.top()).empty());
    EXPECT_FALSE(r.row(r.bottom() - 1).empty());
    for (int y = r.top(); y < r.bottom(); ++y) {
        const auto spans = r.row(y);
        for (std::size_t i = 0; i < spans.size(); ++i) {
            EXPECT_LT(spans[i].left, spans[i].right);
            if (i > 0) {
                EXPECT_LT(spans[i - 1].right, spans[i].left);
            }
        }
    }
}

std::vector<Point> Reversed(std::vector<Point> points) {
    std::reverse(points.begin(), points.end());
    return points;
}

TEST(RegionTest, BoxCornersInEitherOrderMeanTheSameBox) {
    const Region box = Region::FromRect({2, 3, 7, 5});
    EXPECT_EQ(Draw(box, {0, 2, 8, 6}), R"(
........
..#####.
..#####.
........)");
    for (const Rect& corners : {Rect{7, 3, 2, 5}, Rect{2, 5, 7, 3}, Rect{7, 5, 2, 3}}) {
        EXPECT_EQ(Region::FromRect(corners), box);
        EXPECT_EQ(Region::FromEllipse(corners), Region::FromEllipse({2, 3, 7, 5}));
    }
    EXPECT_EQ(box.boundingBox(), (Rect{2, 3, 7, 5}));
}

TEST(RegionTest, EmptyCases) {
    const Region box = Region::FromRect({0, 0, 4, 4});
    const std::vector<Point> samePoint{{3, 3}, {3, 3}, {3, 3}};
    const std::vector<Point> segment{{0, 0}, {5, 9}};
    const std::vector<Point> collinear{{0, 0}, {2, 4}, {5, 10}, {1, 2}};
    for (const Region& empty :
         {Region(), Region::FromRect({5, 1, 5, 9}), Region::FromRect({1, 5, 9, 5}),
          Region::FromEllipse({4, 4, 4, 9}), Region::FromPolygon({}),
          Region::FromPolygon(samePoint), Region::FromPolygon(segment),
          Region::FromPolygon(collinear), box - box, box ^ box,
          box & Region::FromRect({4, 0, 8, 4}), Region().translated(5, 5)}) {
        EXPECT_TRUE(empty.isEmpty());
        EXPECT_EQ(empty, Region());
        EXPECT_EQ(empty.boundingBox(), Rect{});
        EXPECT_FALSE(empty.contains(0, 0));
        EXPECT_TRUE(empty.row(0).empty());
        EXPECT_EQ(empty | box, box);
        EXPECT_EQ(box - empty, box);
        EXPECT_EQ(box ^ empty, box);
        EXPECT_EQ(empty - box, Region());
        EXPECT_EQ(box & empty, Region());
    }
}

TEST(RegionTest, MovedFromRegionIsEmpty) {
    Region moved = Region::FromRect({3, 4, 5, 6});
    const Region taken = std::move(moved);
    EXPECT_EQ(moved, Region());
    EXPECT_EQ(taken, Region::FromRect({3, 4, 5, 6}));
}

TEST(RegionTest, RowsHoldSortedSpans) {
    Region r = Region::FromRect({0, 0, 10, 3}) - Region::FromRect({4, 1, 6, 2});
    r.offset(-2, 5);
    EXPECT_EQ(r.top(), 5);
    EXPECT_EQ(r.bottom(), 8);
    EXPECT_EQ(r.spanCount(), 4u);
    EXPECT_EQ(std::vector<Span>(r.row(6).begin(), r.row(6).end()),
              (std::vector<Span>{{-2, 2}, {4, 8}}));
    EXPECT_TRUE(r.row(4).empty());
    EXPECT_TRUE(r.row(8).empty());
    std::vector<std::pair<int, Span>> visited;
    r.forEachSpan([&](int y, const Span& s) { visited.push_back({y, s}); });
    EXPECT_EQ(visited, (std::vector<std::pair<int, Span>>{
                           {5, {-2, 8}}, {6, {-2, 2}}, {6, {4, 8}}, {7, {-2, 8}}}));
}

// A polygon tracing a box, from any corner and in either orientation, covers exactly the box.
TEST(RegionTest, PolygonTracingABoxIsTheBox) {
    const std::vector<Point> clockwise{{2, 1}, {9, 1}, {9, 6}, {2, 6}};
    const std::vector<Point> fromAnotherCorner{{9, 6}, {2, 6}, {2, 1}, {9, 1}};
    for (const auto& points : {clockwise, Reversed(clockwise), fromAnotherCorner}) {
        EXPECT_EQ(Region::FromPolygon(points), Region::FromRect({2, 1, 9, 6}));
    }
}

// Left edges are in and right edges out; each row takes the crossings rounded up, so the
// apex pixel (0, 0) lies on both edges and stays out.
TEST(RegionTest, TriangleWithDiagonalEdges) {
    const std::vector<Point> triangle{{0, 0}, {7, 3}, {2, 8}};
    const char* art = R"(
........
.##.....
.####...
.######.
.#####..
..###...
..##....
..#.....
........)";
    EXPECT_EQ(Draw(Region::FromPolygon(triangle), {0, 0, 8, 9}), art);
    EXPECT_EQ(Draw(Region::FromPolygon(Reversed(triangle)), {0, 0, 8, 9}), art);
}

// Pieces cut from one shape along shared edges take every pixel of it exactly once, whichever
// way each piece traces the shared edges.
void ExpectPartition(const Region& whole, const std::vector<std::vector<Point>>& pieces) {
    for (bool reverseOdd : {false, true}) {
        Region united;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const Region piece =
                Region::FromPolygon(reverseOdd && i % 2 == 1 ? Reversed(pieces[i]) : pieces[i]);
            EXPECT_EQ(united & piece, Region()) << "piece " << i << " overlaps";
            united |= piece;
        }
        EXPECT_EQ(united, whole);
    }
}

TEST(RegionTest, PolygonsSharingAnEdgeNeitherOverlapNorLeaveAGap) {
    struct Case {
        const char* name;
        Rect whole;
        std::vector<std::vector<Point>> pieces;
    };
    const Case cases[] = {
        {"vertical cut",
         {0, 0, 12, 10},
         {{{0, 0}, {5, 0}, {5, 10}, {0, 10}}, {{5, 0}, {12, 0}, {12, 10}, {5, 10}}}},
        {"shallow diagonal",
         {0, 0, 13, 7},
         {{{0, 0}, {13, 0}, {13, 7}}, {{0, 0}, {13, 7}, {0, 7}}}},
        {"steep diagonal",
         {-3, 0, 2, 17},
         {{{-3, 0}, {2, 0}, {2, 17}}, {{-3, 0}, {2, 17}, {-3, 17}}}},
        {"fan around an inner point",
         {0, 0, 20, 20},
         {{{0, 0}, {20, 0}, {7, 11}},
          {{20, 0}, {20, 20}, {7, 11}},
          {{20, 20}, {0, 20}, {7, 11}},
          {{0, 20}, {0, 0}, {7, 11}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectPartition(Region::FromRect(c.whole), c.pieces);
    }
    // A box cut top to bottom along random zigzags.
    std::mt19937 random(7);
    for (int trial = 0; trial < 50; ++trial) {
        std::vector<Point> left{{0, 40}, {0, 0}};
        std::vector<Point> right{{60, 0}, {60, 40}};
        for (int y = 0; y <= 40; y += std::uniform_int_distribution(1, 9)(random)) {
            left.push_back({std::uniform_int_distribution(1, 59)(random), y});
        }
        left.push_back({std::uniform_int_distribution(1, 59)(random), 40});
        right.insert(right.end(), left.rbegin(), left.rend() - 2);
        ExpectPartition(Region::FromRect({0, 0, 60, 40}), {left, right});
    }
}

TEST(RegionTest, PolygonsFillByNonZeroWinding) {
    const Region outer = Region::FromRect({0, 0, 10, 10});
    const Region inner = Region::FromRect({3, 3, 7, 7});
    struct Case {
        const char* name;
        std::vector<Point> points;
        Region expected;
    };
    const Case cases[] = {
        {"box traced twice",
         {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}},
         outer},
        {"inner loop the same way round",
         {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {3, 3}, {7, 3}, {7, 7}, {3, 7}, {3, 3}},
         outer},
        {"inner loop the other way round",
         {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {3, 3}, {3, 7}, {7, 7}, {7, 3}, {3, 3}},
         outer - inner},
        {"bow tie",
         {{0, 0}, {4, 4}, {8, 0}, {8, 8}, {4, 4}, {0, 8}},
         Region::FromPolygon(std::vector<Point>{{0, 0}, {4, 4}, {0, 8}}) |
             Region::FromPolygon(std::vector<Point>{{8, 0}, {8, 8}, {4, 4}})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Region::FromPolygon(c.points), c.expected) << c.name;
    }
    // The centre of a five-pointed star is wound twice: filled, not a hole.
    const Region star =
        Region::FromPolygon(std::vector<Point>{{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}});
    EXPECT_TRUE(star.contains(50, 50));
    EXPECT_TRUE(star.contains(50, 5));
    EXPECT_FALSE(star.contains(50, 85));
}

TEST(RegionTest, CircleOfDiameterSixteen) {
    const Region circle = Region::FromEllipse({0, 0, 16, 16});
    EXPECT_EQ(Draw(circle, {0, 0, 16, 16}), R"(
.....######.....
...##########...
..############..
.##############.
.##############.
################
################
################
################
################
################
.##############.
.##############.
..############..
...##########...
.....######.....)");
    int pixels = 0;
    circle.forEachSpan([&](int, const Span& s) { pixels += s.right - s.left; });
    EXPECT_EQ(pixels, 208);
}

TEST(RegionTest, EllipseLiesInItsBoxSymmetrically) {
    const Rect boxes[] = {{0, 0, 1, 1},    {0, 0, 2, 2},    {5, 5, 6, 14},
                          {0, 0, 9, 1},    {0, 0, 2, 100},  {-7, 4, 10, 1},
                          {0, 0, 1000, 3}, {3, -2, 40, 27}, {0, 0, 46340, 46340}};
    for (const Rect& box : boxes) {
        SCOPED_TRACE(
            ::testing::PrintToString(std::vector{box.left, box.top, box.right, box.bottom}));
        const Rect b = box.normalized();
        const Region ellipse = Region::FromEllipse(box);
        ExpectCanonical(ellipse);
        EXPECT_FALSE(ellipse.isEmpty());
        EXPECT_EQ(ellipse & Region::FromRect(b), ellipse);
        ellipse.forEachSpan([&](int y, const Span& s) {
            EXPECT_EQ(b.left + b.right - s.right, s.left) << "row " << y;
            const auto mirror = ellipse.row(b.top + b.bottom - 1 - y);
            ASSERT_EQ(mirror.size(), 1u);
            EXPECT_EQ(mirror[0], s);
        });
    }
}

// Brute-force pixel sets on a fixed frame: the reference for the property test.
class Model {
public:
    static constexpr Rect kFrame{-12, -12, 60, 60};

    template <class F>
    static Model Where(F&& isIn) {
        Model m;
        for (int y = kFrame.top; y < kFrame.bottom; ++y) {
            for (int x = kFrame.left; x < kFrame.right; ++x)
                m.pixels_.push_back(isIn(x, y));
        }
        return m;
    }

    bool at(int x, int y) const {
        return kFrame.contains(x, y) && pixels_[static_cast<std::size_t>(
                                            (y - kFrame.top) * kFrame.width() + x - kFrame.left)];
    }

    // Every pixel of the frame agrees, the region has none outside it, and the bounding box
    // is the model's.
    void expectMatches(const Region& region) const {
        ExpectCanonical(region);
        Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (int y = kFrame.top; y < kFrame.bottom; ++y) {
            for (int x = kFrame.left; x < kFrame.right; ++x) {
                ASSERT_EQ(region.contains(x, y), at(x, y)) << "pixel " << x << "," << y;
                if (at(x, y)) {
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           y + 1};
                }
            }
        }
        EXPECT_EQ(region.boundingBox(), box.isEmpty() ? Rect{} : box);
    }

private:
    std::vector<bool> pixels_;
};

// A pixel's winding number straight from the rule: every edge covering row y whose crossing
// lies at or left of x, compared exactly by cross-multiplying.
int Winding(const std::vector<Point>& points, int x, int y) {
    int winding = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % points.size()];
        const Point upper = a.y < b.y ? a : b;
        const Point lower = a.y < b.y ? b : a;
        if (y < upper.y || y >= lower.y)
            continue;
        if (std::int64_t{y - upper.y} * (lower.x - upper.x) <=
            std::int64_t{x - upper.x} * (lower.y - upper.y)) {
            winding += a.y < b.y ? 1 : -1;
        }
    }
    return winding;
}

struct Shape {
    Region region;
    Model model;
};

Shape RandomShape(std::mt19937& random) {
    auto coordinate = [&] { return std::uniform_int_distribution(0, 47)(random); };
    switch (std::uniform_int_distribution(0, 2)(random)) {
        case 0: {
            const Rect box{coordinate(), coordinate(), coordinate(), coordinate()};
            const Rect b = box.normalized();
            return {Region::FromRect(box),
                    Model::Where([&](int x, int y) { return b.contains(x, y); })};
        }
        case 1: {
            std::vector<Point> points(std::uniform_int_distribution<std::size_t>(3, 8)(random));
            for (Point& p : points)
                p = {coordinate(), coordinate()};
            return {Region::FromPolygon(points),
                    Model::Where([&](int x, int y) { return Winding(points, x, y) != 0; })};
        }
        default: {
            const Rect box{coordinate(), coordinate(), coordinate(), coordinate()};
            const Rect b = box.normalized();
            const std::int64_t w = b.width();
            const std::int64_t h = b.height();
            return {Region::FromEllipse(box), Model::Where([&](int x, int y) {
                        const std::int64_t dx = 2 * x + 1 - b.left - b.right;
                        const std::int64_t dy = 2 * y + 1 - b.top - b.bottom;
                        return !b.isEmpty() && dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
                    })};
        }
    }
}

TEST(RegionTest, AgreesWithBruteForceModel) {
    struct Op {
        const char* name;
        Region (*regions)(const Region&, const Region&);
        bool (*pixels)(bool, bool);
    };
    const Op ops[] = {
        {"union", [](const Region& a, const Region& b) { return a | b; },
         [](bool a, bool b) { return a || b; }},
        {"exclusive or", [](const Region& a, const Region& b) { return a ^ b; },
         [](bool a, bool b) { return a != b; }},
        {"difference", [](const Region& a, const Region& b) { return a - b; },
         [](bool a, bool b) { return a && !b; }},
        {"intersection", [](const Region& a, const Region& b) { return a & b; },
         [](bool a, bool b) { return a && b; }},
    };
    std::mt19937 random(20240611);
    // A running region, combined with each new shape by all but intersection in turn, so that
    // its rows gather many spans.
    Shape acc{Region(), Model::Where([](int, int) { return false; })};
    for (int step = 0; step < 200; ++step) {
        SCOPED_TRACE(step);
        const Shape s = RandomShape(random);
        s.model.expectMatches(s.region);
        const Region& a = acc.region;
        const Region& b = s.region;
        for (const Op& op : ops) {
            SCOPED_TRACE(op.name);
            Model::Where([&](int x, int y) {
                return op.pixels(acc.model.at(x, y), s.model.at(x, y));
            }).expectMatches(op.regions(a, b));
        }
        EXPECT_EQ(a | b, b | a);
        EXPECT_EQ(a & b, b & a);
        EXPECT_EQ((a - b) | (a & b), a);
        EXPECT_EQ(a ^ b, (a | b) - (a & b));
        Region self = a;  // combined with itself: the operand is the result being built
        EXPECT_EQ(self |= self, a);
        EXPECT_EQ(self &= self, a);
        EXPECT_EQ(self ^= self, Region());
        self = a;
        EXPECT_EQ(self -= self, Region());

        const int dx = std::uniform_int_distribution(-5, 5)(random);
        const int dy = std::uniform_int_distribution(-5, 5)(random);
        Model::Where([&](int x, int y) {
            return acc.model.at(x - dx, y - dy);
        }).expectMatches(a.translated(dx, dy));
        EXPECT_EQ(a.translated(dx, dy).translated(-dx, -dy), a);

        const Op& op = ops[step % 3];
        acc.model = Model::Where(
            [&](int x, int y) { return op.pixels(acc.model.at(x, y), s.model.at(x, y)); });
        acc.region = op.regions(a, b);
    }
}

}  // namespace
}  // namespace tessary
