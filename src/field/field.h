#pragma once

#include <cstdint>
#include <vector>

#include "core/bitmap32.h"
#include "core/extra_options.h"
#include "core/game_settings.h"
#include "core/geometry.h"
#include "core/region.h"
#include "field/carried_image_cache.h"
#include "field/cursor_modes.h"
#include "field/zoom_scale.h"

namespace tessary {

class ElementSet;
class PictureBuffer;
class Platform;

/// The part of the field the window shows, and the field's size. The engine works in field
/// pixels: its client coordinates are field coordinates less the origin (scrollX, scrollY), and
/// clientRect is the client area in them. The window shows the field scaled by `zoom` (screen
/// pixel x shows scaled pixel zoom.scaledFloor(scrollX) + x) and converts between its screen
/// pixels and client coordinates; at 100 % the two are the same.
/// Invariant: 0 <= scrollX <= scrollMaxX and 0 <= scrollY <= scrollMaxY.
struct Viewport {
    int screenWidth = 0;
    int screenHeight = 0;
    int screenBitsPerPixel = 32;
    int fieldWidth = 0;
    int fieldHeight = 0;
    // (0, 0, client width, client height) in field pixels: the field pixels the screen's client
    // area shows, zoom.fieldCeil of its size in screen pixels.
    Rect clientRect;
    int scrollX = 0;
    int scrollY = 0;
    int scrollMaxX = 0;
    int scrollMaxY = 0;
    // The side of the last game's element bitmaps: the wheel's step once that game is
    // discarded, until elements exist again.
    int bitmapSide = 0;

    ZoomScale zoom;          // the scale the window shows the field at
    Point screenClientSize;  // the client area in screen pixels

    Point toField(Point client) const { return {client.x + scrollX, client.y + scrollY}; }
    Point toClient(Point field) const { return {field.x - scrollX, field.y - scrollY}; }

    /// The scaled pixel at the screen's top-left client pixel.
    Point scaledOrigin() const { return {zoom.scaledFloor(scrollX), zoom.scaledFloor(scrollY)}; }
    /// The client point of the field pixel a screen pixel shows: the one that holds the centre
    /// of the screen pixel's scaled pixel.
    Point clientOfScreen(Point screen) const;
    /// The screen pixel whose scaled pixel holds the centre of a client point's field pixel;
    /// clientOfScreen(screenOfClient(p)) lies in the same scaled pixel as p, and
    /// screenOfClient(clientOfScreen(s)) == s.
    Point screenOfClient(Point client) const;
    /// The screen pixels whose scaled pixels read any field pixel of a client rectangle; empty
    /// for an empty one.
    Rect screenCover(const Rect& client) const;
    /// A length in screen pixels as field pixels, rounded, and at least 1 when positive.
    int fieldLength(int screenPixels) const;
};

/// What fills the field behind the pieces: a texture tiled from the field origin, or one colour.
struct Background {
    bool isTextured = false;
    Bitmap32 texture;
    std::uint32_t colour = 0;  // a pixel value, 0x00RRGGBB
};

/// Told of every change of the field picture, so that what is made from it (a scaled view, the
/// overview) can follow without looking at the whole picture again.
class FieldPictureObserver {
public:
    virtual ~FieldPictureObserver() = default;
    /// Pixels within `area` (field coordinates) may have changed.
    virtual void fieldPictureChanged(const Rect& area) = 0;
    /// The picture was resized or painted over as a whole.
    virtual void fieldPictureReplaced() = 0;
};

/// The playing field: the field picture with everything lying still on it, the viewport, and
/// the held piece. The main window owns one; the engine's operations take it as their context.
struct Field {
    Field(const GameSettings& settings, Platform& platform)
        : settings(settings), platform(platform) {}

    const GameSettings& settings;
    Platform& platform;
    ExtraOptions extraOptions;  // the window copies them in whenever the player changes them

    Viewport viewport;
    Bitmap32 fieldPicture;  // fieldWidth x fieldHeight
    Background background;

    ElementSet* elements = nullptr;  // the game's elements; null while none exist
    // The game's cut picture, upright, that every piece shows turned as it lies; not owned,
    // there while elements exist.
    const PictureBuffer* picture = nullptr;

    int heldElement = -1;  // the element held by the pointer, -1 none
    Region dragRegion;     // the held element's field region in client coordinates
    Point lastCursor;      // the last pointer position, in field coordinates
    CursorModes cursor;    // the modes whose cursor the window shows
    // The images of what the pointer carries, made as they are first drawn (CarriedImages).
    mutable CarriedImageCache carriedImages;

    std::vector<FieldPictureObserver*> pictureObservers;  // not owned; each removes itself

    bool hasElements() const { return elements != nullptr; }

    /// Tells the observers that pixels within `area` (field coordinates) may have changed.
    void notePictureChanged(const Rect& area) const {
        for (FieldPictureObserver* o : pictureObservers)
            o->fieldPictureChanged(area);
    }
    /// Tells the observers that the picture was resized or painted over as a whole.
    void notePictureReplaced() const {
        for (FieldPictureObserver* o : pictureObservers)
            o->fieldPictureReplaced();
    }
};

/// A colour reference 0x00BBGGRR as a pixel value 0x00RRGGBB.
constexpr std::uint32_t PixelOfColourRef(std::uint32_t colour) {
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

}  // namespace tessary
