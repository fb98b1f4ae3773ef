#include "persist/saved_game_header.h"

#include "core/cutting_plan.h"
#include "core/game_settings.h"

namespace tessary {

namespace {

// The header's 32-bit fields in file order; the elapsed seconds take the last two places.
constexpr std::array<std::int32_t SavedGameHeader::*, 24> kFields = {
    &SavedGameHeader::rows,
    &SavedGameHeader::columns,
    &SavedGameHeader::backgroundColor,
    &SavedGameHeader::contourColor3D,
    &SavedGameHeader::elementSize,
    &SavedGameHeader::captureRange,
    &SavedGameHeader::contourThickness,
    &SavedGameHeader::mouseScrollArea,
    &SavedGameHeader::mouseScrollSpeed,
    &SavedGameHeader::keyboardScrollSpeed,
    &SavedGameHeader::enable3DElements,
    &SavedGameHeader::enableMouseScroll,
    &SavedGameHeader::showTimer,
    &SavedGameHeader::knobbed,
    &SavedGameHeader::enableOffset,
    &SavedGameHeader::rotateElements,
    &SavedGameHeader::mosaic,
    &SavedGameHeader::exactAssembling,
    &SavedGameHeader::fieldWidth,
    &SavedGameHeader::fieldHeight,
    &SavedGameHeader::textureBackground,
    &SavedGameHeader::fullScreen,
    &SavedGameHeader::backgroundBitmapId,
    &SavedGameHeader::reserved,
};

}  // namespace

std::array<std::int32_t, 26> SavedGameHeader::values() const {
    std::array<std::int32_t, 26> values{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        values[i] = this->*kFields[i];
    }
    const auto elapsed = static_cast<std::uint64_t>(elapsedSeconds);
    values[24] = static_cast<std::int32_t>(static_cast<std::uint32_t>(elapsed));
    values[25] = static_cast<std::int32_t>(static_cast<std::uint32_t>(elapsed >> 32));
    return values;
}

SavedGameHeader SavedGameHeader::FromValues(const std::array<std::int32_t, 26>& values) {
    SavedGameHeader header;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        header.*kFields[i] = values[i];
    }
    const std::uint64_t elapsed = static_cast<std::uint32_t>(values[24]) |
                                  std::uint64_t{static_cast<std::uint32_t>(values[25])} << 32;
    header.elapsedSeconds = static_cast<std::int64_t>(elapsed);
    return header;
}

SavedGameHeader MakeSavedGameHeader(const CuttingPlan& plan, const GameSettings& settings,
                                    Point fieldSize, std::int64_t elapsedSeconds) {
    SavedGameHeader header;
    header.rows = plan.rows;
    header.columns = plan.columns;
    header.backgroundColor = settings.backgroundColor;
    header.contourColor3D = settings.contourColor3D;
    header.elementSize = plan.elementSize;
    header.captureRange = settings.captureRange;
    header.contourThickness = settings.contourThickness;
    header.mouseScrollArea = settings.mouseScrollArea;
    header.mouseScrollSpeed = settings.mouseScrollSpeed;
    header.keyboardScrollSpeed = settings.keyboardScrollSpeed;
    header.enable3DElements = settings.enable3DElements;
    header.enableMouseScroll = settings.enableMouseScroll;
    header.showTimer = settings.showTimer;
    header.knobbed = settings.squareBase != 0 ? 0 : 1;
    header.enableOffset = settings.enableOffset;
    header.rotateElements = settings.rotateElements;
    header.mosaic = settings.mosaic;
    header.exactAssembling = settings.exactAssembling;
    header.fieldWidth = fieldSize.x;
    header.fieldHeight = fieldSize.y;
    header.textureBackground = settings.textureBackground;
    header.fullScreen = settings.fullScreen;
    header.backgroundBitmapId = settings.backgroundBitmapId;
    header.elapsedSeconds = elapsedSeconds;
    return header;
}

void RestoreSavedGameSettings(const SavedGameHeader& header, CuttingPlan& plan,
                              GameSettings& settings) {
    plan.rows = header.rows;
    plan.columns = header.columns;
    plan.elementSize = header.elementSize;
    plan.pictureWidth = header.columns * header.elementSize;
    plan.pictureHeight = header.rows * header.elementSize;
    settings.backgroundColor = header.backgroundColor;
    settings.contourColor3D = header.contourColor3D;
    settings.elementSize = header.elementSize;
    settings.captureRange = header.captureRange;
    settings.contourThickness = header.contourThickness;
    settings.mouseScrollArea = header.mouseScrollArea;
    settings.mouseScrollSpeed = header.mouseScrollSpeed;
    settings.keyboardScrollSpeed = header.keyboardScrollSpeed;
    settings.enable3DElements = header.enable3DElements;
    settings.enableMouseScroll = header.enableMouseScroll;
    settings.showTimer = header.showTimer;
    settings.squareBase = header.knobbed != 0 ? 0 : 1;
    settings.enableOffset = header.enableOffset;
    settings.rotateElements = header.rotateElements;
    settings.mosaic = header.mosaic;
    settings.exactAssembling = header.exactAssembling;
    settings.textureBackground = header.textureBackground;
    settings.backgroundBitmapId = header.backgroundBitmapId;
    RepairSettings(settings);
}

}  // namespace tessary
