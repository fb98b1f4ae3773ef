#include "join_progress.h"

#include "element_set.h"

namespace tessary {

int JoinProgressPercent(const ElementSet& set) {
    const int n = set.elementCount();
    if (n <= 1)
        return 100;
    int blocks = 0;
    for (int i = 0; i < n; ++i)
        blocks += set.members(i).front() == i;  // each block counted by its least member
    return 100 * (n - blocks) / (n - 1);
}

}  // namespace tessary
