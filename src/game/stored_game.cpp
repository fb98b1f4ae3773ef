#include "game/stored_game.h"

#include <algorithm>

namespace tessary {

namespace {

bool IsEdgeValue(int value) {
    return value >= -1 && value <= 1;
}

bool IsPermutation(const std::vector<int>& order, int count) {
    std::vector<bool> isListed(static_cast<std::size_t>(count), false);
    for (int j : order) {
        if (j < 0 || j >= count || isListed[j])
            return false;
        isListed[j] = true;
    }
    return true;
}

// A sorted list of distinct indices of the game that holds `owner`.
bool IsMemberList(const MemberList& members, int owner, int count) {
    return std::is_sorted(members.begin(), members.end()) &&
           std::adjacent_find(members.begin(), members.end()) == members.end() &&
           std::binary_search(members.begin(), members.end(), owner) && members.front() >= 0 &&
           members.back() < count;
}

bool IsPlayableElement(const StoredGame& stored, int k, int count) {
    const StoredElement& e = stored.elements[k];
    if (e.rotation < 0 || e.rotation > 3 || !IsMemberList(e.members, k, count))
        return false;
    for (Side side : kAllSides) {
        if (!IsEdgeValue(e.knobs[side]) || !IsEdgeValue(e.knobShifts[side]))
            return false;
        const int j = e.links[side];
        if (j == -1)
            continue;
        if (j < 0 || j >= count || j == k || stored.elements[j].links[Opposite(side)] != k ||
            !std::binary_search(e.members.begin(), e.members.end(), j))
            return false;
    }
    return true;
}

// Every element lies in exactly one block, and all members list that block alike. A block is
// owned by its smallest member; owners mark their members, no element twice.
bool AreBlocksAgreed(const StoredGame& stored, int count) {
    std::vector<int> ownerOf(static_cast<std::size_t>(count), -1);
    for (int k = 0; k < count; ++k) {
        const MemberList& members = stored.elements[k].members;
        if (members.front() != k)
            continue;
        for (int j : members) {
            if (ownerOf[j] >= 0)
                return false;
            ownerOf[j] = k;
        }
    }
    for (int k = 0; k < count; ++k) {
        const int owner = stored.elements[k].members.front();
        if (ownerOf[k] != owner || stored.elements[k].members != stored.elements[owner].members)
            return false;
    }
    return true;
}

}  // namespace

bool IsPlayableStoredGame(const StoredGame& stored, int elementCount) {
    const auto n = static_cast<std::size_t>(elementCount);
    if (elementCount < 1 || stored.baseRects.size() != n || stored.zOrder.size() != n ||
        stored.elements.size() != n || !IsPermutation(stored.zOrder, elementCount))
        return false;
    for (int k = 0; k < elementCount; ++k) {
        if (!IsPlayableElement(stored, k, elementCount))
            return false;
    }
    return AreBlocksAgreed(stored, elementCount);
}

}  // namespace tessary
