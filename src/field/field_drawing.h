#pragma once

#include "core/element_painter.h"

namespace tessary {

class Region;
struct Field;

/// How DrawElement draws.
struct DrawOptions {
    bool rebuildRegion = false;         // the field region is built afresh first
    bool invalidate = false;            // the drawn area is invalidated on screen
    const Region* extraClip = nullptr;  // a further clip, field coordinates
};

/// Which elements LiftElement and RedrawBeneath draw again where an element was.
enum class Beneath {
    OtherBlocks,  // every element near it but its own block mates
    AllElements,  // its block mates too
};

/// How LiftElement lifts.
struct LiftOptions {
    bool invalidate = false;  // the erased area is invalidated on screen
    Beneath beneath = Beneath::OtherBlocks;
};

/// How DrawBlockMembers draws.
struct BlockDrawOptions {
    bool rebuildRegions = false;  // the members' field regions are built afresh first
};

/// How RedrawField redraws.
struct RedrawOptions {
    bool clear = false;           // the field picture is filled with the background first
    bool playSound = false;       // the join sound plays at the end
    bool rebuildRegions = false;  // every element's shape and field region are rebuilt
};

/// Draws element `index` into the field picture straight from the game's picture, as its
/// ElementPixels show it, through its field region (further clipped by `extraClip`) and
/// clears `lifted`. Throws std::logic_error when the field holds no picture.
void DrawElement(Field& field, int index, const DrawOptions& options = {});

/// Erases element `index` from the field picture: its field region is filled with the
/// background, the elements around it are drawn again inside it (RedrawBeneath), and `lifted`
/// is set.
void LiftElement(Field& field, int index, const LiftOptions& options = {});

/// Redraws, bottom to top and clipped to the element's field region, every other element whose
/// core square lies strictly within 1.5 element sizes of the element's core square; block mates
/// only with Beneath::AllElements.
void RedrawBeneath(Field& field, int index, Beneath beneath);

/// Draws every other member of the element's block in index order, with invalidation.
/// Nothing for an element alone.
void DrawBlockMembers(Field& field, int index, const BlockDrawOptions& options = {});

/// Redraws the whole field picture: every element bottom to top, with its shape and field
/// region rebuilt on the way when asked, invalidated one by one unless the picture was
/// cleared. Ends by invalidating the whole client area. Busy meanwhile.
void RedrawField(Field& field, const RedrawOptions& options = {});

/// Draws the elements the assembly rules change while they lie still (a join partner, the
/// partners of a detached element); install it in the game's ElementSet.
class FieldPainter : public ElementPainter {
public:
    explicit FieldPainter(Field& field) : field_(field) {}

    void redrawElement(int index) override;

private:
    Field& field_;
};

}  // namespace tessary
