#include "membership.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "element_set.h"

namespace tessary {
namespace {

// Appends to `walk` every element reachable from `start` over links, breadth first, each
// visited element's links taken top, right, bottom, left. Marks each with `walkNumber` in
// `walkOf` and stops early once `stopWhen` says so.
template <class StopWhen>
void Walk(const ElementSet& set, int start, int walkNumber, std::vector<int>& walkOf,
          MemberList& walk, StopWhen stopWhen) {
    walkOf[start] = walkNumber;
    walk.push_back(start);
    for (std::size_t next = 0; next < walk.size() && !stopWhen(); ++next) {
        for (int linked : set.element(walk[next]).links) {
            if (linked < 0 || walkOf[linked] >= 0)
                continue;
            walkOf[linked] = walkNumber;
            walk.push_back(linked);
        }
    }
}

}  // namespace

void RebuildMembership(ElementSet& set, int index) {
    const EdgeTable former = set.element(index).links;
    std::vector<int> walkOf(set.elementCount(), -1);
    walkOf[index] = 0;  // the element itself is never walked through

    auto allFormerReached = [&] {
        return std::all_of(former.begin(), former.end(),
                           [&](int n) { return n < 0 || walkOf[n] >= 0; });
    };
    int walkNumber = 0;
    for (int start : former) {
        if (start < 0 || walkOf[start] >= 0)
            continue;
        ++walkNumber;
        MemberList walk;
        if (walkNumber == 1) {
            Walk(set, start, walkNumber, walkOf, walk, allFormerReached);
            if (allFormerReached()) {
                // The block stayed whole: it only loses the element.
                set.separateFromBlock(index);
                return;
            }
            // The early stop never fired, so this walk is complete.
        } else {
            Walk(set, start, walkNumber, walkOf, walk, [] { return false; });
        }
        std::sort(walk.begin(), walk.end());
        set.assignBlock(std::move(walk));
    }
    set.assignBlock({index});
}

void MergeMembership(ElementSet& set, int index, int other) {
    if (set.isSameBlock(index, other))
        return;
    const MemberList& a = set.members(index);
    const MemberList& b = set.members(other);
    MemberList united;
    united.reserve(a.size() + b.size());
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(united));
    set.assignBlock(std::move(united));
}

void WriteMemberFlags(const ElementSet& set, int index, std::span<int32_t> flags) {
    std::fill(flags.begin(), flags.end(), 0);
    for (int j : set.members(index))
        flags[j] = 1;
}

bool RestoreMemberFlags(ElementSet& set, int index, std::span<const int32_t> flags) {
    if (flags.size() != static_cast<std::size_t>(set.elementCount()))
        return false;
    MemberList listed;
    for (int j = 0; j < static_cast<int>(flags.size()); ++j) {
        if (flags[j] != 0 || j == index)
            listed.push_back(j);
    }
    // An earlier element that listed this one already made the block; it must match.
    if (set.members(index).size() > 1)
        return set.members(index) == listed;
    for (int j : listed) {
        // An earlier element that did not list this one, or that made another block.
        if (j != index && (j < index || set.members(j).size() > 1))
            return false;
    }
    set.assignBlock(std::move(listed));
    return true;
}

}  // namespace tessary
