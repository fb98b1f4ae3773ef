#include "core/cutting_plan.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tessary {

namespace {

constexpr int32_t ProposedElementSize = 64;
constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();

bool FitsInt32(int64_t value) {
    return value >= std::numeric_limits<int32_t>::min() && value <= Int32Max;
}

}  // namespace

int ElementSizeChoiceIndex(int32_t size) {
    const auto* found = std::find(ElementSizeChoices.begin(), ElementSizeChoices.end(), size);
    return found == ElementSizeChoices.end() ? -1
                                             : static_cast<int>(found - ElementSizeChoices.begin());
}

bool IsElementSizeChoice(int32_t size) {
    return ElementSizeChoiceIndex(size) >= 0;
}

int32_t RoundHalfUp(double x) {
    const double rounded = std::trunc(x + 0.5);
    if (std::isnan(rounded)) {
        return 0;
    }
    // Converting an out-of-range double to an integer is undefined, so clamp first.
    if (rounded >= static_cast<double>(Int32Max)) {
        return std::numeric_limits<int32_t>::max();
    }
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(rounded);
}

CutOptions CutOptionsOf(const GameSettings& settings) {
    return {.rotateElements = settings.rotateElements != 0,
            .mosaic = settings.mosaic != 0,
            .enableOffset = settings.enableOffset != 0,
            .squareBase = settings.squareBase != 0};
}

PlanEditor::PlanEditor(const CuttingPlan& plan)
    : width_(plan.pictureWidth),
      height_(plan.pictureHeight),
      elementSize_(plan.elementSize == 0 ? ProposedElementSize : plan.elementSize),
      // A picture of height 0 gives an infinite or NaN ratio; RoundHalfUp saturates both.
      aspectRatio_(static_cast<double>(plan.pictureWidth) / plan.pictureHeight) {
    recomputeGrid();
}

void PlanEditor::recomputeGrid() {
    columns_ = RoundHalfUp(static_cast<double>(width_) / elementSize_);
    rows_ = RoundHalfUp(static_cast<double>(height_) / elementSize_);
}

void PlanEditor::editWidth(int32_t width) {
    width_ = width;
    if (keepsRatio_) {
        height_ = RoundHalfUp(width_ / aspectRatio_);
    }
    recomputeGrid();
}

void PlanEditor::editHeight(int32_t height) {
    height_ = height;
    if (keepsRatio_) {
        width_ = RoundHalfUp(height_ * aspectRatio_);
    }
    recomputeGrid();
}

bool PlanEditor::chooseElementSize(int index) {
    if (index < 0 || index >= static_cast<int>(ElementSizeChoices.size())) {
        return false;
    }
    elementSize_ = ElementSizeChoices[static_cast<size_t>(index)];
    recomputeGrid();
    return true;
}

PlanRefusal PlanEditor::refusal() const {
    if (columns_ < 1) {
        return {PlanField::Columns, false};
    }
    if (rows_ < 1) {
        return {PlanField::Rows, false};
    }
    if (resultWidth() > Int32Max) {
        return {PlanField::Columns, true};
    }
    if (resultHeight() > Int32Max || int64_t{columns_} * rows_ > Int32Max) {
        return {PlanField::Rows, true};
    }
    return {};
}

bool PlanEditor::apply(CuttingPlan& plan, GameSettings& settings, const CutOptions& options) const {
    if (!refusal().isAccepted()) {
        return false;
    }
    plan = CuttingPlan{};
    plan.pictureWidth = static_cast<int32_t>(resultWidth());
    plan.pictureHeight = static_cast<int32_t>(resultHeight());
    plan.elementSize = elementSize_;
    plan.columns = columns_;
    plan.rows = rows_;

    settings.rotateElements = options.rotateElements ? 1 : 0;
    settings.mosaic = options.mosaic ? 1 : 0;
    settings.enableOffset = options.enableOffset ? 1 : 0;
    settings.squareBase = options.squareBase ? 1 : 0;
    return true;
}

bool ComputePlanGeometry(CuttingPlan& plan, const GameSettings& settings) {
    const int64_t s = plan.elementSize;
    if (s < 1) {
        return false;
    }
    const bool isSquareBase = settings.squareBase != 0;
    const bool isMosaic = settings.mosaic != 0;

    const int64_t knobDepth = s / 4;
    int64_t shiftUnit = 0;
    int64_t cellMargin = s / 4;
    // 1.5 * S is exact in double for every 32-bit S.
    int64_t cellSize = static_cast<int64_t>(std::trunc(1.5 * static_cast<double>(s)));
    if (isSquareBase && isMosaic) {
        cellMargin = 0;
        cellSize = s;
    } else if (isMosaic) {
        shiftUnit = s / 4;
        cellSize = s + 2 * (s / 4);
    } else if (!isSquareBase) {
        shiftUnit = s / 20;
    }
    const int64_t bitmapSide = cellSize + settings.contourThickness;
    const int64_t knobReach = s + knobDepth;
    if (!FitsInt32(cellSize) || !FitsInt32(bitmapSide) || !FitsInt32(knobReach)) {
        return false;
    }

    plan.knobDepth = static_cast<int32_t>(knobDepth);
    plan.knobReach = static_cast<int32_t>(knobReach);
    plan.shiftUnit = static_cast<int32_t>(shiftUnit);
    plan.cellMargin = static_cast<int32_t>(cellMargin);
    plan.cellSize = static_cast<int32_t>(cellSize);
    plan.bitmapSide = static_cast<int32_t>(bitmapSide);
    plan.offsetStep = static_cast<int32_t>((s + 8) / 16);  // nearest to S / 16, halves up
    plan.knobRadius = static_cast<int32_t>(s / 8);
    return true;
}

bool DerivePlan(CuttingPlan& plan, GameSettings& settings) {
    const int64_t elementCount = int64_t{plan.rows} * plan.columns;
    if (plan.rows < 1 || plan.columns < 1 || elementCount > Int32Max) {
        return false;
    }
    CuttingPlan derived = plan;
    GameSettings adjusted = settings;
    if (adjusted.mosaic != 0 && adjusted.squareBase != 0) {
        adjusted.exactAssembling = 1;  // square elements are defined for exact assembly only
    }
    derived.elementCount = static_cast<int32_t>(elementCount);
    adjusted.elementSize = derived.elementSize;
    if (!ComputePlanGeometry(derived, adjusted)) {
        return false;
    }
    plan = derived;
    settings = adjusted;
    return true;
}

}  // namespace tessary
