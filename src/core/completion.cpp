#include "completion.h"

#include "element_set.h"

namespace tessary {

bool IsComplete(const ElementSet& set) {
    const int count = set.elementCount();
    if (static_cast<int>(set.members(0).size()) != count)
        return false;
    const int r0 = set.element(0).rotation;
    const Side towardRight = FieldSideOf(kRight, r0);
    const Side towardBottom = FieldSideOf(kBottom, r0);
    for (int row = 0; row < set.rows(); ++row) {
        for (int column = 0; column < set.columns(); ++column) {
            const int i = set.indexAt(row, column);
            const Element& e = set.element(i);
            if (e.rotation != r0)
                return false;
            if (column + 1 < set.columns() && e.links[towardRight] != i + 1)
                return false;
            if (row + 1 < set.rows() && e.links[towardBottom] != i + set.columns())
                return false;
        }
    }
    return true;
}

JoinReaction ReactToJoin(const ElementSet& set, int joins, bool isMarkedComplete) {
    if (joins == 0)
        return JoinReaction::Nothing;
    if (!isMarkedComplete && IsComplete(set))
        return JoinReaction::CompletedNow;
    return JoinReaction::Joined;
}

}  // namespace tessary
