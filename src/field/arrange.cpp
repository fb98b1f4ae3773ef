#include "field/arrange.h"

#include <algorithm>
#include <vector>

#include "core/bring_to_front.h"
#include "core/element_set.h"
#include "field/field.h"
#include "field/field_drawing.h"

namespace tessary {
namespace {

// One element of every block, in the order of the block's topmost member in zOrder. A block's
// members need not lie on consecutive positions (an element turned on its own stays where it
// was in the stack), so every block is taken once by its members rather than by its size.
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

// The shift that brings [low, high) into [viewLow, viewHigh) on one axis; a range longer than
// the view ends at the view's low edge.
int BringInto(int low, int high, int viewLow, int viewHigh) {
    if (low < viewLow || high - low > viewHigh - viewLow)
        return viewLow - low;
    return high > viewHigh ? viewHigh - high : 0;
}

int BlockSize(const ElementSet& set, int i) {
    return static_cast<int>(set.members(i).size());
}

}  // namespace

void ArrangeElements(Field& field) {
    if (!field.hasElements())
        return;
    ElementSet& set = *field.elements;
    std::vector<int> blocks = BlocksTopDown(set);
    std::stable_sort(blocks.begin(), blocks.end(),
                     [&set](int a, int b) { return BlockSize(set, a) < BlockSize(set, b); });
    for (auto it = blocks.rbegin(); it != blocks.rend(); ++it)
        BringToFront(set, *it);
    RedrawField(field);
}

void ShowAllElements(Field& field) {
    if (!field.hasElements())
        return;
    ElementSet& set = *field.elements;
    const Viewport& v = field.viewport;
    const Rect view = v.clientRect.translated(v.scrollX, v.scrollY);
    for (int i : BlocksTopDown(set)) {
        Rect box = set.element(i).fieldRect;
        for (int j : set.members(i)) {
            const Rect& r = set.element(j).fieldRect;
            box = {std::min(box.left, r.left), std::min(box.top, r.top),
                   std::max(box.right, r.right), std::max(box.bottom, r.bottom)};
        }
        const int dx = BringInto(box.left, box.right, view.left, view.right);
        const int dy = BringInto(box.top, box.bottom, view.top, view.bottom);
        if (dx == 0 && dy == 0)
            continue;
        MoveBlockMembers(set, i, dx, dy);
        set.moveElement(i, dx, dy);
    }
    RedrawField(field, {.clear = true});
}

}  // namespace tessary
