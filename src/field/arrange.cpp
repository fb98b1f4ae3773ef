#include "field/arrange.h"

#include <algorithm>
#include <vector>

#include "core/bring_to_front.h"
#include "core/element_set.h"
#include "field/block_layout.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "field/free_layout.h"

namespace tessary {
namespace {

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

// The single elements in the view, in stacking order, laid out around the blocks there.
void LayOutSinglesInView(Field& field) {
    const ElementSet& set = *field.elements;
    const Rect view = VisibleFieldArea(field.viewport);
    std::vector<int> singles, blocks;
    for (int i : BlocksTopDown(set)) {
        if (BoxesOverlap(BlockBox(set, i), view))
            (set.element(i).alone ? singles : blocks).push_back(i);
    }
    LayOutBlocksInView(field, singles, blocks);
}

// The blocks sticking out of the view, from the bottom of the stack, laid out around the rest.
void LayOutOutsidersInView(Field& field) {
    const ElementSet& set = *field.elements;
    const Rect view = VisibleFieldArea(field.viewport);
    std::vector<int> outsiders, staying;
    std::vector<int> blocks = BlocksTopDown(set);
    for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) {
        const Rect box = BlockBox(set, *it);
        const bool isInside = box.left >= view.left && box.top >= view.top &&
                              box.right <= view.right && box.bottom <= view.bottom;
        (isInside ? staying : outsiders).push_back(*it);
    }
    LayOutBlocksInView(field, outsiders, staying);
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
    if (!field.extraOptions.layoutWithoutOverlap) {
        RedrawField(field);
        return;
    }
    LayOutSinglesInView(field);
    RedrawField(field, {.clear = true});
}

void ShowAllElements(Field& field) {
    if (!field.hasElements())
        return;
    if (field.extraOptions.layoutWithoutOverlap) {
        LayOutOutsidersInView(field);
        RedrawField(field, {.clear = true});
        return;
    }
    ElementSet& set = *field.elements;
    const Rect view = VisibleFieldArea(field.viewport);
    for (int i : BlocksTopDown(set)) {
        const Rect box = BlockBox(set, i);
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
