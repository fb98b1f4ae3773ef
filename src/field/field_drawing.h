#pragma once

#include "core/element_painter.h"

namespace tessary {

class Region;
struct Field;

/// Draws element `index` into the field picture from its image through its field region,
/// further clipped by `extraClip` when given, and clears `lifted`. With `rebuildRegion` the
/// field region is built afresh first; with `invalidate` its area is invalidated on screen.
void DrawElement(Field& field, int index, bool rebuildRegion, bool invalidate,
                 const Region* extraClip = nullptr);

/// Erases element `index` from the field picture: its field region is filled with the
/// background (invalidated with `invalidate`), the elements around it are drawn again inside
/// it (its block mates only with `beneathAll`), and `lifted` is set.
void LiftElement(Field& field, int index, bool invalidate, bool beneathAll);

/// Redraws, bottom to top and clipped to the element's field region, every other element whose
/// core square lies strictly within 1.5 element sizes of the element's core square; block mates
/// are left out unless `beneathAll`.
void RedrawBeneath(Field& field, int index, bool beneathAll);

/// Draws every other member of the element's block in index order, with invalidation;
/// `rebuildRegion` builds their field regions afresh first. Nothing for an element alone.
void DrawBlockMembers(Field& field, int index, bool rebuildRegion);

/// Redraws the whole field picture: `clear` fills it with the background first; then every
/// element bottom to top, with its shape and field region rebuilt (`rebuildRegions`) and its
/// image rendered (`renderImages`) on the way, invalidated one by one unless `clear`. Ends by
/// playing the join sound (`playSound`) and invalidating the whole client area.
void RedrawField(Field& field, bool clear, bool playSound, bool renderImages, bool rebuildRegions);

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
