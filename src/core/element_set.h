#pragma once

#include <span>
#include <vector>

#include "assembly_options.h"
#include "element.h"
#include "geometry.h"
#include "outline.h"
#include "region.h"

namespace tessary {

class ElementPainter;
struct CuttingPlan;

/// The elements of one game and the game-wide tables keyed by element index: `elementTable`,
/// `zOrder` (position 0 topmost), `fieldRegions` (each element's visible shape in field
/// coordinates) and `baseRects` (each element's S x S core square on the field). The tables
/// keep their size for the life of the set.
class ElementSet {
public:
    /// rows x columns elements, every one alone at rotation 0 with its bitmap at the field
    /// origin, no shape yet, stacked 0, 1, 2, ... from the top. Needs columns, rows >= 1.
    ElementSet(const CuttingPlan& plan, const OutlineGeometry& geometry,
               const AssemblyOptions& options);

    int elementCount() const { return static_cast<int>(elementTable_.size()); }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int cellMargin() const { return cellMargin_; }
    int elementSize() const { return geometry_.S; }
    const OutlineGeometry& geometry() const { return geometry_; }
    /// Takes a new geometry (a changed contour thickness); shapes are rebuilt by their users.
    void setGeometry(const OutlineGeometry& geometry) { geometry_ = geometry; }
    const AssemblyOptions& options() const { return options_; }
    void setOptions(const AssemblyOptions& options) { options_ = options; }
    /// Receives the redraws the rules ask for; null while nothing is drawn (creation, tests).
    ElementPainter* painter() const { return painter_; }
    void setPainter(ElementPainter* painter) { painter_ = painter; }

    std::span<Element> elementTable() { return elementTable_; }
    std::span<const Element> elementTable() const { return elementTable_; }
    std::span<int> zOrder() { return zOrder_; }
    std::span<const int> zOrder() const { return zOrder_; }
    std::span<Region> fieldRegions() { return fieldRegions_; }
    std::span<const Region> fieldRegions() const { return fieldRegions_; }
    std::span<Rect> baseRects() { return baseRects_; }
    std::span<const Rect> baseRects() const { return baseRects_; }

    // 0 <= index < elementCount()
    Element& element(int index) { return elementTable_[index]; }
    const Element& element(int index) const { return elementTable_[index]; }
    /// Index of the element cut from the picture at (row, column).
    int indexAt(int row, int column) const { return row * columns_ + column; }
    /// The element beside `index` in the picture on its picture side `side`, -1 at the border.
    int pictureNeighbour(int index, Side side) const;

    /// Puts the element's bitmap with its top-left corner at `topLeft`; its field rectangle
    /// and core square follow, its field region is left alone.
    void placeElement(int index, Point topLeft);
    /// Moves the element's field rectangle, core square and field region by (dx, dy).
    void moveElement(int index, int dx, int dy);

    /// The element's block, itself included, ascending.
    const MemberList& members(int index) const { return *elementTable_[index].members; }
    bool isSameBlock(int a, int b) const {
        return elementTable_[a].members == elementTable_[b].members;
    }
    /// Makes the listed elements one block; `indices` ascending, without repeats. Other
    /// elements keep their lists, so the caller regroups every member of the old blocks.
    void assignBlock(MemberList indices);
    /// Leaves the element a block of its own; the rest of its block stays one block.
    void separateFromBlock(int index);

private:
    int columns_ = 0;
    int rows_ = 0;
    int cellMargin_ = 0;
    OutlineGeometry geometry_;
    AssemblyOptions options_;
    ElementPainter* painter_ = nullptr;

    std::vector<Element> elementTable_;
    std::vector<int> zOrder_;
    std::vector<Region> fieldRegions_;
    std::vector<Rect> baseRects_;
};

/// Moves every other member of the element's block by (dx, dy): field rectangles, core squares
/// and field regions. Nothing for an element that is alone.
void MoveBlockMembers(ElementSet& set, int index, int dx, int dy);

}  // namespace tessary
