#pragma once

#include <array>
#include <cstdint>

namespace tessary {

// The persisted preferences, in three groups that different parts of the program edit as
// units. Every field is a 32-bit integer; flags hold 0 or 1; colours are 0x00BBGGRR.
// Each group starts with its defaults.

/// Play group: how pieces look, assemble and scroll. The settings dialog copies it as a block.
struct PlaySettings {
    int32_t enable3DElements = 1;
    int32_t contourThickness = 3;  // 1..5 with 3D elements on; 0..5 with them off
    int32_t contourColor3D = 0x404040;
    int32_t captureRange = 5;  // 1..16 pixels
    int32_t exactAssembling = 1;
    int32_t showTimer = 1;
    int32_t enableMouseScroll = 1;
    int32_t mouseScrollArea = 20;       // 5..50 pixels
    int32_t mouseScrollSpeed = 3;       // 1..10
    int32_t keyboardScrollSpeed = 160;  // 0 and above
    int32_t wheelRotateElements = 1;
    int32_t scrollWheel = 0;

    friend bool operator==(const PlaySettings&, const PlaySettings&) = default;
};

/// Cut group: set by the cut dialog, read by the cutting plan.
struct CutSettings {
    int32_t elementSize = 64;  // one of ElementSizeChoices
    int32_t squareBase = 0;
    int32_t enableOffset = 1;
    int32_t rotateElements = 1;
    int32_t mosaic = 0;

    friend bool operator==(const CutSettings&, const CutSettings&) = default;
};

/// Background and window group, owned by the main window.
struct WindowSettings {
    int32_t textureBackground = 1;
    int32_t backgroundBitmapId = 358;  // one of BackgroundTextureIds
    int32_t backgroundColor = 0xA0C0B0;
    int32_t fullScreen = 0;

    friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

/// The one settings record of the program; fields are reached directly (settings.mosaic).
struct GameSettings : PlaySettings, CutSettings, WindowSettings {
    friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

/// Identifiers of the ten built-in background textures, in the order of their menu commands.
inline constexpr std::array<int32_t, 10> BackgroundTextureIds = {356, 357, 358, 359, 360,
                                                                 361, 362, 363, 366, 367};

/// Whether id names one of the built-in background textures.
bool IsBackgroundTextureId(int32_t id);

/// Sets the play group and the cut group to their defaults; the window group is left alone.
void ResetToDefaults(GameSettings& settings);

/// Brings hand-edited values into their allowed ranges, field by field: flags become 1 when
/// nonzero (the value every condition on a flag reads), colours lose their unused high byte,
/// ranged fields are clamped, and an element size or texture identifier outside its list falls
/// back to its default.
void RepairSettings(GameSettings& settings);

}  // namespace tessary
