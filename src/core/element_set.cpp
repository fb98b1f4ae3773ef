#include "element_set.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "cutting_plan.h"

namespace tessary {

ElementSet::ElementSet(const CuttingPlan& plan, const OutlineGeometry& geometry,
                       const AssemblyOptions& options)
    : columns_(plan.columns),
      rows_(plan.rows),
      cellMargin_(plan.cellMargin),
      geometry_(geometry),
      options_(options) {
    const int count = columns_ * rows_;
    elementTable_.resize(count);
    zOrder_.resize(count);
    fieldRegions_.resize(count);
    baseRects_.resize(count);
    std::iota(zOrder_.begin(), zOrder_.end(), 0);
    for (int i = 0; i < count; ++i) {
        elementTable_[i].index = i;
        elementTable_[i].members = std::make_shared<const MemberList>(MemberList{i});
        placeElement(i, {0, 0});
    }
}

int ElementSet::pictureNeighbour(int index, Side side) const {
    const int row = index / columns_, column = index % columns_;
    switch (side) {
        case kTop:
            return row > 0 ? index - columns_ : -1;
        case kRight:
            return column + 1 < columns_ ? index + 1 : -1;
        case kBottom:
            return row + 1 < rows_ ? index + columns_ : -1;
        case kLeft:
            return column > 0 ? index - 1 : -1;
    }
    return -1;
}

void ElementSet::placeElement(int index, Point topLeft) {
    const int W = geometry_.W, S = geometry_.S;
    elementTable_[index].fieldRect = {topLeft.x, topLeft.y, topLeft.x + W, topLeft.y + W};
    const int left = topLeft.x + cellMargin_, top = topLeft.y + cellMargin_;
    baseRects_[index] = {left, top, left + S, top + S};
}

void ElementSet::moveElement(int index, int dx, int dy) {
    Element& e = elementTable_[index];
    e.fieldRect = e.fieldRect.translated(dx, dy);
    baseRects_[index] = baseRects_[index].translated(dx, dy);
    fieldRegions_[index].offset(dx, dy);
}

void ElementSet::assignBlock(MemberList indices) {
    auto shared = std::make_shared<const MemberList>(std::move(indices));
    for (int j : *shared)
        elementTable_[j].members = shared;
}

void ElementSet::separateFromBlock(int index) {
    const MemberList& old = members(index);
    if (old.size() == 1)
        return;
    MemberList rest;
    rest.reserve(old.size() - 1);
    std::copy_if(old.begin(), old.end(), std::back_inserter(rest),
                 [index](int j) { return j != index; });
    assignBlock(std::move(rest));
    elementTable_[index].members = std::make_shared<const MemberList>(MemberList{index});
}

void MoveBlockMembers(ElementSet& set, int index, int dx, int dy) {
    if (set.element(index).alone)
        return;
    for (int j : set.members(index)) {
        if (j != index)
            set.moveElement(j, dx, dy);
    }
}

}  // namespace tessary
