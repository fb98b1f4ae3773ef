#include "field/free_layout.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tessary {
namespace {

// Boxes of w x h at the origin: only their sizes count.
std::vector<Rect> Sizes(int count, int w, int h) {
    return std::vector<Rect>(static_cast<std::size_t>(count), Rect{0, 0, w, h});
}

struct LayoutCase {
    const char* name;
    Rect view;
    std::vector<Rect> obstacles;
    std::vector<Rect> items;
    std::vector<Point> corners;
};

TEST(LayOutWithoutOverlapTest, PacksInReadingOrderAroundObstaclesElseSpreadsEvenly) {
    const LayoutCase cases[] = {
        {"rows from the top-left, wrapping at the right edge",
         {0, 0, 100, 100},
         {},
         Sizes(3, 40, 30),
         {{0, 0}, {40, 0}, {0, 30}}},
        {"a row is as high as its highest item",
         {0, 0, 100, 100},
         {},
         {{0, 0, 60, 20}, {0, 0, 30, 50}, {0, 0, 50, 10}},
         {{0, 0}, {60, 0}, {0, 50}}},
        {"an obstacle in the row is stepped over",
         {0, 0, 100, 100},
         {{30, 0, 50, 100}},
         Sizes(3, 30, 30),
         {{0, 0}, {50, 0}, {0, 30}}},
        {"a row without room starts below the obstacle",
         {0, 0, 100, 100},
         {{0, 0, 100, 40}},
         Sizes(2, 50, 50),
         {{0, 40}, {50, 40}}},
        {"obstacles outside the view are not minded, a moved view is",
         {200, 100, 300, 200},
         {{0, 0, 200, 300}, {300, 0, 400, 300}},
         Sizes(3, 40, 30),
         {{200, 100}, {240, 100}, {200, 130}}},
        {"an overfull view: a grid whose rows and columns overlap alike",
         {0, 0, 100, 100},
         {},
         Sizes(8, 40, 40),
         {{0, 0}, {30, 0}, {60, 0}, {0, 30}, {30, 30}, {60, 30}, {0, 60}, {30, 60}}},
        {"too little room beside the obstacles: spread over the whole view",
         {0, 0, 100, 100},
         {{0, 0, 100, 80}},
         Sizes(2, 50, 50),
         {{0, 0}, {50, 0}}},
        {"an item wider than the view starts at its left edge",
         {10, 10, 110, 110},
         {},
         {{0, 0, 150, 20}, {0, 0, 20, 20}},
         {{10, 10}, {10, 90}}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LayOutWithoutOverlap(c.view, c.obstacles, c.items), c.corners);
    }
}

TEST(LayOutWithoutOverlapTest, ManyMixedItemsAroundObstaclesStayInsideApartAndInOrder) {
    std::mt19937 random(12);
    std::uniform_int_distribution<int> size(20, 140), place(0, 3000);
    const Rect view{100, 50, 3100, 2050};
    std::vector<Rect> obstacles, items;
    for (int k = 0; k < 40; ++k) {
        const int x = place(random), y = place(random);
        obstacles.push_back({x, y, x + size(random), y + size(random)});
    }
    for (int k = 0; k < 500; ++k)
        items.push_back({0, 0, size(random), size(random) / 2 + 30});

    const std::vector<Point> corners = LayOutWithoutOverlap(view, obstacles, items);
    ASSERT_EQ(corners.size(), items.size());
    std::vector<Rect> placed;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const Rect box = items[k].translated(corners[k].x, corners[k].y);
        EXPECT_TRUE(box.left >= view.left && box.top >= view.top && box.right <= view.right &&
                    box.bottom <= view.bottom)
            << "item " << k;
        for (const Rect& o : obstacles)
            EXPECT_FALSE(BoxesOverlap(box, o)) << "item " << k;
        for (const Rect& other : placed)
            EXPECT_FALSE(BoxesOverlap(box, other)) << "item " << k;
        if (k > 0) {
            const Point before = corners[k - 1];
            EXPECT_TRUE(corners[k].y > before.y ||
                        (corners[k].y == before.y && corners[k].x > before.x))
                << "item " << k << " out of reading order";
        }
        placed.push_back(box);
    }
}

}  // namespace
}  // namespace tessary
