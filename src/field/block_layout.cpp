#include "field/block_layout.h"

#include <algorithm>

#include "core/element_set.h"
#include "field/field.h"
#include "field/free_layout.h"

namespace tessary {

Rect VisibleFieldArea(const Viewport& v) {
    return v.clientRect.translated(v.scrollX, v.scrollY);
}

// A block's members need not lie on consecutive positions (an element turned on its own stays
// where it was in the stack), so every block is taken once by its members rather than by its
// size.
std::vector<int> BlocksTopDown(const ElementSet& set) {
    std::vector<char> isTaken(static_cast<std::size_t>(set.elementCount()), 0);
    std::vector<int> blocks;
    for (int i : set.zOrder()) {
        if (isTaken[static_cast<std::size_t>(i)])
            continue;
        for (int j : set.members(i))
            isTaken[static_cast<std::size_t>(j)] = 1;
        blocks.push_back(i);
    }
    return blocks;
}

Rect BlockBox(const ElementSet& set, int index) {
    Rect box = set.element(index).fieldRect;
    for (int j : set.members(index)) {
        const Rect& r = set.element(j).fieldRect;
        box = {std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
               std::max(box.bottom, r.bottom)};
    }
    return box;
}

void LayOutBlocksInView(Field& field, std::span<const int> blocks, std::span<const int> obstacles) {
    ElementSet& set = *field.elements;
    std::vector<Rect> boxes, obstacleBoxes;
    boxes.reserve(blocks.size());
    obstacleBoxes.reserve(obstacles.size());
    for (int i : blocks)
        boxes.push_back(BlockBox(set, i));
    for (int i : obstacles)
        obstacleBoxes.push_back(BlockBox(set, i));
    const std::vector<Point> corners =
        LayOutWithoutOverlap(VisibleFieldArea(field.viewport), obstacleBoxes, boxes);
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        const int dx = corners[k].x - boxes[k].left, dy = corners[k].y - boxes[k].top;
        if (dx == 0 && dy == 0)
            continue;
        MoveBlockMembers(set, blocks[k], dx, dy);
        set.moveElement(blocks[k], dx, dy);
    }
}

}  // namespace tessary
