#include "border_pieces.h"

#include "element_set.h"

namespace tessary {

std::vector<int> LooseBorderPieces(const ElementSet& set) {
    std::vector<int> corners, edges;
    for (int i = 0; i < set.elementCount(); ++i) {
        if (!set.element(i).alone)
            continue;
        // The table index is the element's place in the picture, whatever its turn.
        const int row = i / set.columns(), column = i % set.columns();
        const bool isEndRow = row == 0 || row == set.rows() - 1;
        const bool isEndColumn = column == 0 || column == set.columns() - 1;
        if (isEndRow && isEndColumn)
            corners.push_back(i);
        else if (isEndRow || isEndColumn)
            edges.push_back(i);
    }
    corners.insert(corners.end(), edges.begin(), edges.end());
    return corners;
}

}  // namespace tessary
