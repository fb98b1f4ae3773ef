#include "field/collect_border.h"

#include <vector>

#include "core/border_pieces.h"
#include "core/bring_to_front.h"
#include "core/element_set.h"
#include "field/block_layout.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "field/free_layout.h"

namespace tessary {

void CollectBorderPieces(Field& field) {
    if (!field.hasElements())
        return;
    ElementSet& set = *field.elements;
    const std::vector<int> border = LooseBorderPieces(set);
    if (border.empty())
        return;
    const Rect view = VisibleFieldArea(field.viewport);
    std::vector<int> blocksInView;
    for (int i : BlocksTopDown(set))
        if (!set.element(i).alone && BoxesOverlap(BlockBox(set, i), view))
            blocksInView.push_back(i);
    LayOutBlocksInView(field, border, blocksInView);
    for (auto it = border.rbegin(); it != border.rend(); ++it)
        BringToFront(set, *it);
    RedrawField(field, {.clear = true});
}

}  // namespace tessary
