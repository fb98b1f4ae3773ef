#pragma once

#include <array>
#include <cstdint>

#include "core/bitmap32.h"
#include "core/game_settings.h"
#include "core/geometry.h"
#include "core/region.h"

namespace tessary {

class ElementSet;
class PictureBuffer;
class Platform;

/// The part of the field the window shows, and the field's size.
/// Invariant: 0 <= scrollX <= scrollMaxX and 0 <= scrollY <= scrollMaxY.
struct Viewport {
    int screenWidth = 0;
    int screenHeight = 0;
    int screenBitsPerPixel = 32;
    int fieldWidth = 0;
    int fieldHeight = 0;
    Rect clientRect;  // (0, 0, client width, client height)
    int scrollX = 0;
    int scrollY = 0;
    int scrollMaxX = 0;
    int scrollMaxY = 0;
    // The side of the last game's element bitmaps: the wheel's step once that game is
    // discarded, until elements exist again.
    int bitmapSide = 0;

    Point toField(Point client) const { return {client.x + scrollX, client.y + scrollY}; }
    Point toClient(Point field) const { return {field.x - scrollX, field.y - scrollY}; }
};

/// What fills the field behind the pieces: a texture tiled from the field origin, or one colour.
struct Background {
    bool isTextured = false;
    Bitmap32 texture;
    std::uint32_t colour = 0;  // a pixel value, 0x00RRGGBB
};

/// The cut picture turned by 0, 1, 2 and 3 quarter turns counter-clockwise, which element
/// images are rendered from. Not owned; null entries while the pictures do not exist.
using RenderSource = std::array<const PictureBuffer*, 4>;

/// The playing field: the field picture with everything lying still on it, the viewport, and
/// the held piece. The main window owns one; the engine's operations take it as their context.
struct Field {
    Field(const GameSettings& settings, Platform& platform)
        : settings(settings), platform(platform) {}

    const GameSettings& settings;
    Platform& platform;

    Viewport viewport;
    Bitmap32 fieldPicture;  // fieldWidth x fieldHeight
    Background background;

    ElementSet* elements = nullptr;  // the game's elements; null while none exist
    RenderSource pictures{};

    int heldElement = -1;         // the element held by the pointer, -1 none
    Region dragRegion;            // the held element's field region in client coordinates
    Point lastCursor;             // the last pointer position, in field coordinates
    bool isCaptureArmed = false;  // a capture rectangle is being chosen: no edge scrolling

    bool hasElements() const { return elements != nullptr; }
};

/// A colour reference 0x00BBGGRR as a pixel value 0x00RRGGBB.
constexpr std::uint32_t PixelOfColourRef(std::uint32_t colour) {
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

}  // namespace tessary
