#pragma once

#include <initializer_list>
#include <vector>

#include "core/assembly_options.h"
#include "core/element_painter.h"
#include "core/element_set.h"

namespace tessary {

/// Core squares of a test game start this far apart in both directions: far beyond capture
/// range, and no multiple of S, so that a block assembled around one of them (up to six
/// columns or rows) never touches another.
inline constexpr int kTestSpacing = 3 * 64 + 37;

/// A rows x columns game at S = 64 (contour thickness 3 when 3D elements are on) with knobs and
/// offsets drawn from a fixed seed: every element alone at rotation 0 with its shape and field
/// region built, cores kTestSpacing apart in picture order.
ElementSet MakeTestGame(int rows, int columns, const AssemblyOptions& options = {});

/// Replaces the knob tables of element `index` and rebuilds its shape and region.
void SetKnobs(ElementSet& set, int index, const EdgeTable& knobs, const EdgeTable& shifts = {});

/// Whether the element's field region lies at its field rectangle, between its outline and its
/// raised outline.
bool FieldRegionFitsShape(const ElementSet& set, int index);

/// Top-left corner of the element's core square.
Point CoreCorner(const ElementSet& set, int index);

/// Turns the element on its own to `rotation` and rebuilds its field region.
void TurnTo(ElementSet& set, int index, int rotation);

/// Plays one drag step: carries g (with its block, as a drag does) so that its core lies beside
/// o's core on o's field side `sideOfO`, moved further by `offset`, then applies the join rules
/// and ends the drag. Returns the number of joins.
int DropBeside(ElementSet& set, int g, int o, Side sideOfO, Point offset = {});

/// Joins the listed elements where they belong in the picture, each dropped beside a listed
/// picture neighbour dropped before it (the first stays put). All must share one rotation.
void AssembleInPlace(ElementSet& set, const std::vector<int>& indices);

/// Turns every element to `rotation` and assembles the whole picture.
void AssembleAll(ElementSet& set, int rotation);

/// The picture indices of the elements in the block, ascending.
std::vector<int> BlockOf(const ElementSet& set, int index);

/// Records the redraws the rules ask for.
class RecordingPainter : public ElementPainter {
public:
    void redrawElement(int index) override { redrawn.push_back(index); }
    std::vector<int> redrawn;
};

}  // namespace tessary
