#pragma once

#include <array>
#include <cstdint>

#include "core/game_settings.h"

namespace tessary {

/// How the picture is divided into elements, and the geometry fixed from it at element creation.
/// After a cut the picture is exactly columns x elementSize by rows x elementSize pixels.
struct CuttingPlan {
    int32_t pictureWidth = 0;
    int32_t pictureHeight = 0;
    int32_t elementSize = 0;  // S; 0 until the first cut or game load
    int32_t columns = 0;
    int32_t rows = 0;
    int32_t elementCount = 0;  // rows x columns, set at element creation

    // Derived geometry (ComputePlanGeometry), fixed for the whole game.
    int32_t knobDepth = 0;   // depth of a knob
    int32_t knobReach = 0;   // far edge of the core square in the knob layout
    int32_t shiftUnit = 0;   // bend of a side's straight parts, or depth of a mosaic point
    int32_t cellMargin = 0;  // inset of the S x S core square inside the element's bitmap
    int32_t cellSize = 0;    // side of the square that holds one element with all its knobs
    int32_t bitmapSide = 0;  // cellSize + contour thickness: side of an element's bitmap
    int32_t offsetStep = 0;  // half width of a knob's neck, and the step of a knob offset
    int32_t knobRadius = 0;  // half width of a knob's head

    friend bool operator==(const CuttingPlan&, const CuttingPlan&) = default;
};

/// The only element sizes the cut dialog offers, in its order.
inline constexpr std::array<int32_t, 25> ElementSizeChoices = {
    16,  24,  32,  40,  48,  56,  64,  72,  80,  88,  96,  112, 128,
    144, 160, 176, 192, 208, 224, 240, 256, 272, 288, 304, 320};

/// Position of size in ElementSizeChoices, or -1 when it is not offered.
int ElementSizeChoiceIndex(int32_t size);

/// Whether size is one of ElementSizeChoices.
bool IsElementSizeChoice(int32_t size);

/// trunc(x + 0.5) in double precision, the rounding of the cut computations. Results beyond the
/// 32-bit range saturate at its ends; NaN gives 0.
int32_t RoundHalfUp(double x);

/// The four cut options of the cut dialog; they live in GameSettings, not in the plan.
struct CutOptions {
    bool rotateElements = false;
    bool mosaic = false;
    bool enableOffset = false;
    bool squareBase = false;
};

/// The cut options as GameSettings holds them.
CutOptions CutOptionsOf(const GameSettings& settings);

/// The dialog field a refused plan points at.
enum class PlanField { None, Columns, Rows };

/// Why a plan cannot be applied: the first offending field, columns before rows.
struct PlanRefusal {
    PlanField field = PlanField::None;  // None: the plan is acceptable
    bool isTooLarge = false;  // false: not a positive count; true: the picture or count overflows

    bool isAccepted() const { return field == PlanField::None; }
};

/// The cut dialog's model: target picture size, element size and grid, kept consistent the way
/// the dialog's fields are. Edits of empty fields are the dialog's to ignore.
class PlanEditor {
public:
    /// Proposal: W and H from the plan's picture, S from its element size (0 taken as 64),
    /// aspect ratio W / H fixed for the editor's life, ratio kept, grid rounded from W/S and H/S.
    explicit PlanEditor(const CuttingPlan& plan);

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t elementSize() const { return elementSize_; }
    int32_t columns() const { return columns_; }
    int32_t rows() const { return rows_; }
    bool keepsRatio() const { return keepsRatio_; }
    double aspectRatio() const { return aspectRatio_; }

    /// Index of the current element size in ElementSizeChoices, or -1 (no entry selected).
    int selectedSizeIndex() const { return ElementSizeChoiceIndex(elementSize_); }
    /// Resulting picture width, columns x S (64-bit: columns has no upper limit).
    int64_t resultWidth() const { return int64_t{columns_} * elementSize_; }
    /// Resulting picture height, rows x S.
    int64_t resultHeight() const { return int64_t{rows_} * elementSize_; }

    /// Width field edited: with the ratio kept the height follows; the grid is recomputed.
    void editWidth(int32_t width);
    /// Height field edited: with the ratio kept the width follows; the grid is recomputed.
    void editHeight(int32_t height);
    /// Element size confirmed in the list; indexes outside 0..24 are ignored (returns false).
    bool chooseElementSize(int index);
    /// Columns field edited: only the resulting width changes.
    void editColumns(int32_t columns) { columns_ = columns; }
    /// Rows field edited: only the resulting height changes.
    void editRows(int32_t rows) { rows_ = rows; }
    /// Keep-ratio box toggled: nothing is recomputed, the original ratio stays.
    void setKeepRatio(bool keep) { keepsRatio_ = keep; }

    /// Acceptance: columns >= 1, then rows >= 1; then the resulting picture sides and the element
    /// count must fit 32 bits, or nothing downstream could hold them.
    PlanRefusal refusal() const;

    /// Replaces the plan with the accepted grid (picture columns*S x rows*S, geometry cleared
    /// until element creation) and stores the cut options. The caller then resamples the picture
    /// to plan.pictureWidth x plan.pictureHeight. Refused plans change nothing (returns false).
    [[nodiscard]] bool apply(CuttingPlan& plan, GameSettings& settings,
                             const CutOptions& options) const;

private:
    void recomputeGrid();

    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t elementSize_ = 0;
    int32_t columns_ = 0;
    int32_t rows_ = 0;
    bool keepsRatio_ = true;
    double aspectRatio_ = 0.0;
};

/// Computes the derived geometry from plan.elementSize and the settings' squareBase, mosaic and
/// contourThickness. Returns false, leaving the plan unchanged, when S < 1 or a value would not
/// fit 32 bits.
[[nodiscard]] bool ComputePlanGeometry(CuttingPlan& plan, const GameSettings& settings);

/// Fixes the plan at the start of element creation: mosaic with square base forces exact
/// assembling on, elementCount = rows x columns, settings.elementSize = S, and the geometry.
/// Returns false, changing nothing, for an empty grid, an element count beyond 32 bits or a
/// geometry that ComputePlanGeometry refuses.
[[nodiscard]] bool DerivePlan(CuttingPlan& plan, GameSettings& settings);

}  // namespace tessary
