#include "core/game_settings.h"

#include <algorithm>

#include "core/cutting_plan.h"

namespace tessary {

namespace {

constexpr int32_t ColourMask = 0x00FFFFFF;

int32_t AsFlag(int32_t value) {
    return value != 0 ? 1 : 0;
}

}  // namespace

bool IsBackgroundTextureId(int32_t id) {
    return std::find(BackgroundTextureIds.begin(), BackgroundTextureIds.end(), id) !=
           BackgroundTextureIds.end();
}

void ResetToDefaults(GameSettings& settings) {
    static_cast<PlaySettings&>(settings) = PlaySettings{};
    static_cast<CutSettings&>(settings) = CutSettings{};
}

void RepairSettings(GameSettings& s) {
    for (int32_t* flag :
         {&s.enable3DElements, &s.exactAssembling, &s.showTimer, &s.enableMouseScroll,
          &s.wheelRotateElements, &s.scrollWheel, &s.squareBase, &s.enableOffset, &s.rotateElements,
          &s.mosaic, &s.textureBackground, &s.fullScreen}) {
        *flag = AsFlag(*flag);
    }
    s.contourColor3D &= ColourMask;
    s.backgroundColor &= ColourMask;

    // The settings command stores thickness 0 while 3D elements are off.
    s.contourThickness = std::clamp(s.contourThickness, s.enable3DElements != 0 ? 1 : 0, 5);
    s.captureRange = std::clamp(s.captureRange, 1, 16);
    s.mouseScrollArea = std::clamp(s.mouseScrollArea, 5, 50);
    s.mouseScrollSpeed = std::clamp(s.mouseScrollSpeed, 1, 10);
    s.keyboardScrollSpeed = std::max(s.keyboardScrollSpeed, 0);

    if (!IsElementSizeChoice(s.elementSize)) {
        s.elementSize = CutSettings{}.elementSize;
    }
    if (!IsBackgroundTextureId(s.backgroundBitmapId)) {
        s.backgroundBitmapId = WindowSettings{}.backgroundBitmapId;
    }
}

}  // namespace tessary
