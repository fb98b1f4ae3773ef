#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "core/bitmap32.h"

namespace tessary {

/// The resource path of a generated asset, given relative to the asset folder
/// ("textures/texture_358.bmp").
QString AssetPath(const QString& relative);

/// A picture as the engine's 32-bit pixels (0x00RRGGBB); empty for a null image.
Bitmap32 BitmapFromImage(const QImage& image);

/// The background texture with bitmap identifier `bitmapId`; empty when there is none.
Bitmap32 LoadTexture(int bitmapId);

/// A texture swatch: `size` filled with the texture tiled from its origin, framed by one pixel
/// of `frame`; `isRaised` shifts the tiling one pixel up and left (a selected item).
QPixmap TextureSwatch(int bitmapId, QSize size, QColor frame, bool isRaised);

/// A cursor from a generated 32 x 32 picture with its hot spot; the arrow when it is missing.
QCursor AssetCursor(const QString& relative, int hotX, int hotY);

/// Wraps an engine picture for painting without copying; valid while `bitmap` is unchanged.
inline QImage ImageOver(const Bitmap32& bitmap) {
    return QImage(reinterpret_cast<const uchar*>(bitmap.pixels().data()), bitmap.width(),
                  bitmap.height(), static_cast<qsizetype>(bitmap.width()) * 4,
                  QImage::Format_RGB32);
}

}  // namespace tessary
