#include "field/viewport.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/element_set.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "field/platform.h"

namespace tessary {
namespace {

int FieldSideFor(int cells, int bitmapSide, int screen, int clientOfFullScreen) {
    const std::int64_t side = std::int64_t{cells} * bitmapSide + (screen - clientOfFullScreen) + 50;
    return static_cast<int>(
        std::clamp<std::int64_t>(side, screen, std::numeric_limits<int>::max()));
}

// A client area larger than the field would make a limit negative; the origin then stays 0
// and the uncovered part of the client area shows nothing of the field.
int ScrollLimit(int fieldSide, int clientSide) {
    return std::max(0, fieldSide - clientSide);
}

// The origin on one axis for a new limit, keeping its place relative to the old one.
void RescaleAxis(int& scroll, int& scrollMax, int newMax) {
    if (newMax == scrollMax)
        return;
    if (scrollMax != 0) {
        const double q = static_cast<double>(std::int64_t{scroll} * newMax) / scrollMax;
        scroll = static_cast<int>(q >= 0 ? std::trunc(q + 0.5) : std::trunc(q - 0.5));
    } else {
        scroll = 0;
    }
    scrollMax = newMax;
    scroll = std::min(scroll, newMax);
}

// The field pixel that holds the centre of scaled pixel `scaled`: floor((scaled + 1/2) * d / n).
int FieldAtCentreOf(int scaled, const ZoomScale& zoom) {
    return static_cast<int>(FloorDivide((2 * std::int64_t{scaled} + 1) * zoom.denominator,
                                        2 * std::int64_t{zoom.numerator}));
}

// The scaled pixel that holds the centre of field pixel `field`: floor((field + 1/2) * n / d).
int ScaledAtCentreOf(int field, const ZoomScale& zoom) {
    return static_cast<int>(FloorDivide((2 * std::int64_t{field} + 1) * zoom.numerator,
                                        2 * std::int64_t{zoom.denominator}));
}

}  // namespace

Point Viewport::clientOfScreen(Point screen) const {
    const Point origin = scaledOrigin();
    return {FieldAtCentreOf(origin.x + screen.x, zoom) - scrollX,
            FieldAtCentreOf(origin.y + screen.y, zoom) - scrollY};
}

Point Viewport::screenOfClient(Point client) const {
    const Point origin = scaledOrigin();
    return {ScaledAtCentreOf(client.x + scrollX, zoom) - origin.x,
            ScaledAtCentreOf(client.y + scrollY, zoom) - origin.y};
}

Rect Viewport::screenCover(const Rect& client) const {
    if (client.isEmpty())
        return {};
    const Point origin = scaledOrigin();
    return zoom.scaledCover(client.translated(scrollX, scrollY)).translated(-origin.x, -origin.y);
}

int Viewport::fieldLength(int screenPixels) const {
    if (screenPixels <= 0 || zoom.isIdentity())
        return screenPixels;
    const std::int64_t n = zoom.numerator;
    return static_cast<int>(std::max<std::int64_t>(
        1, (2 * std::int64_t{screenPixels} * zoom.denominator + n) / (2 * n)));
}

Point FieldSizeForGrid(const Field& field, int columns, int rows, int bitmapSide) {
    const Point client = field.platform.fullScreenClientSize();
    const Viewport& v = field.viewport;
    return {FieldSideFor(columns, bitmapSide, v.screenWidth, client.x),
            FieldSideFor(rows, bitmapSide, v.screenHeight, client.y)};
}

void SetFieldSize(Field& field, int width, int height) {
    Viewport& v = field.viewport;
    v.fieldWidth = width;
    v.fieldHeight = height;
    // The caller paints every pixel, so a picture of the same size is kept as it is and a new
    // one is not cleared; the old picture goes before the new one is allocated.
    if (field.fieldPicture.width() != width || field.fieldPicture.height() != height) {
        field.fieldPicture = Bitmap32();
        field.fieldPicture = Bitmap32::Uninitialised(width, height);
    }
    if (!v.zoom.isIdentity()) {
        v.zoom = ZoomScale();
        v.clientRect = {0, 0, v.screenClientSize.x, v.screenClientSize.y};
    }
    v.scrollMaxX = ScrollLimit(width, v.clientRect.right);
    v.scrollMaxY = ScrollLimit(height, v.clientRect.bottom);
    v.scrollX = 0;
    v.scrollY = 0;
    RefreshDragRegion(field);
    field.notePictureReplaced();
}

void ChangeClientSize(Field& field, int width, int height) {
    Viewport& v = field.viewport;
    if (!v.zoom.isIdentity()) {
        // The whole field stays in view once chosen; a fixed level stays as it is.
        const Point fieldSize{v.fieldWidth, v.fieldHeight};
        if (v.zoom == FitScale(fieldSize, v.screenClientSize))
            v.zoom = FitScale(fieldSize, {width, height});
    }
    v.screenClientSize = {width, height};
    const int clientWidth = v.zoom.fieldCeil(width), clientHeight = v.zoom.fieldCeil(height);
    v.clientRect = {0, 0, clientWidth, clientHeight};
    if (!field.hasElements())
        return;
    RescaleAxis(v.scrollX, v.scrollMaxX, ScrollLimit(v.fieldWidth, clientWidth));
    RescaleAxis(v.scrollY, v.scrollMaxY, ScrollLimit(v.fieldHeight, clientHeight));
    RefreshDragRegion(field);
}

bool ChangeDisplayMode(Field& field, int bitsPerPixel, int width, int height) {
    Viewport& v = field.viewport;
    if (width != v.fieldWidth || height != v.fieldHeight) {
        int fieldWidth = width, fieldHeight = height;
        if (field.hasElements()) {
            fieldWidth = std::max(fieldWidth, v.fieldWidth);
            fieldHeight = std::max(fieldHeight, v.fieldHeight);
        }
        SetFieldSize(field, fieldWidth, fieldHeight);
        RedrawField(field, {.clear = true});
    }
    // The screen size is taken even when the field already had it: the next game's field is
    // sized from it.
    v.screenWidth = width;
    v.screenHeight = height;
    if (bitsPerPixel == v.screenBitsPerPixel)
        return false;
    v.screenBitsPerPixel = bitsPerPixel;
    return true;
}

void SetZoom(Field& field, ZoomScale zoom, Point anchor) {
    Viewport& v = field.viewport;
    if (zoom == v.zoom)
        return;
    const Point kept = v.toField(v.clientOfScreen(anchor));
    v.zoom = zoom;
    v.clientRect = {0, 0, zoom.fieldCeil(v.screenClientSize.x),
                    zoom.fieldCeil(v.screenClientSize.y)};
    v.scrollMaxX = ScrollLimit(v.fieldWidth, v.clientRect.right);
    v.scrollMaxY = ScrollLimit(v.fieldHeight, v.clientRect.bottom);
    // The scaled pixel that holds the kept point goes under the anchor: the origin becomes the
    // first field pixel of the scaled pixel that must be at the screen's left (top) edge.
    v.scrollX =
        std::clamp(zoom.fieldCeil(ScaledAtCentreOf(kept.x, zoom) - anchor.x), 0, v.scrollMaxX);
    v.scrollY =
        std::clamp(zoom.fieldCeil(ScaledAtCentreOf(kept.y, zoom) - anchor.y), 0, v.scrollMaxY);
    RefreshDragRegion(field);
    field.platform.invalidateAll();
}

void RefreshDragRegion(Field& field) {
    if (field.heldElement < 0 || !field.hasElements())
        return;
    field.dragRegion = field.elements->fieldRegions()[field.heldElement].translated(
        -field.viewport.scrollX, -field.viewport.scrollY);
}

}  // namespace tessary
