#include "bring_to_front.h"

#include <algorithm>

#include "element_set.h"

namespace tessary {

void BringToFront(ElementSet& set, int index) {
    const MemberList& members = set.members(index);
    const std::span<int> zOrder = set.zOrder();
    // Slide the others down, keeping their order, then fill the top with the block.
    std::size_t free = zOrder.size();
    for (std::size_t k = zOrder.size(); k-- > 0;) {
        if (!std::binary_search(members.begin(), members.end(), zOrder[k])) {
            zOrder[--free] = zOrder[k];
        }
    }
    std::copy(members.rbegin(), members.rend(), zOrder.begin());
}

}  // namespace tessary
