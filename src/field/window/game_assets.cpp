#include "field/window/game_assets.h"

#include <QPainter>

#include "core/game_settings.h"
#include "field/window/command_ids.h"

namespace tessary {
namespace {

// Bitmaps of the texture commands 32810..32819, in command order.
constexpr int kTextureOfCommand[10] = {367, 366, 359, 358, 363, 362, 356, 357, 361, 360};

}  // namespace

int TextureBitmapOfCommand(int id) {
    const int first = id >= kCmdFirstTextureAlias ? kCmdFirstTextureAlias : kCmdFirstTexture;
    return kTextureOfCommand[id - first];
}

QString AssetPath(const QString& relative) {
    return QStringLiteral(":/assets/") + relative;
}

Bitmap32 BitmapFromImage(const QImage& image) {
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap32 bitmap(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(rgb.constScanLine(y));
        auto row = bitmap.row(y);
        for (int x = 0; x < rgb.width(); ++x)
            row[static_cast<std::size_t>(x)] = line[x] & 0x00FFFFFF;
    }
    return bitmap;
}

Bitmap32 LoadTexture(int bitmapId) {
    if (!IsBackgroundTextureId(bitmapId))
        return {};
    return BitmapFromImage(
        QImage(AssetPath(QStringLiteral("textures/texture_%1.bmp").arg(bitmapId))));
}

QPixmap TextureSwatch(int bitmapId, QSize size, QColor frame, bool isRaised) {
    QPixmap swatch(size);
    swatch.fill(frame);
    const QImage texture(AssetPath(QStringLiteral("textures/texture_%1.bmp").arg(bitmapId)));
    QPainter painter(&swatch);
    if (!texture.isNull()) {
        const QPoint origin = isRaised ? QPoint(-1, -1) : QPoint(0, 0);
        painter.drawTiledPixmap(QRect(QPoint(0, 0), size), QPixmap::fromImage(texture), -origin);
    }
    painter.setPen(frame);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return swatch;
}

QCursor AssetCursor(const QString& relative, int hotX, int hotY) {
    const QPixmap picture(AssetPath(relative));
    if (picture.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(picture, hotX, hotY);
}

}  // namespace tessary
