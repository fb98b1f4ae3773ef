#include "dialogs/preview_box.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessary {

PreviewBox::PreviewBox(int outerHeight, QWidget* parent) : QWidget(parent) {
    const int innerHeight = outerHeight - 2;
    const int innerWidth = static_cast<int>(std::trunc(innerHeight * 4.0 / 3.0 + 0.5));
    setFixedSize(innerWidth + 2, outerHeight);
}

void PreviewBox::setImage(const QImage& image) {
    image_ = image;
    update();
}

QRect PreviewBox::FittedRect(QSize image, const QRect& inner) {
    const double w = image.width();
    const double h = image.height();
    // s >= 1: the picture is only ever reduced.
    const double s =
        std::max(w / std::min(w, double(inner.width())), h / std::min(h, double(inner.height())));
    const int dw = static_cast<int>(std::trunc(w / s + 0.5));
    const int dh = static_cast<int>(std::trunc(h / s + 0.5));
    return {inner.left() + (inner.width() - dw) / 2, inner.top() + (inner.height() - dh) / 2, dw,
            dh};
}

void PreviewBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    const QRect outer = rect();
    painter.setPen(shadow);
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(highlight);
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());

    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.fillRect(inner, highlight);
    if (!image_.isNull() && inner.width() > 0 && inner.height() > 0) {
        // Nearest-pixel stretching, as fast as the selection changes.
        painter.drawImage(FittedRect(image_.size(), inner), image_);
        return;
    }
    const QRect cross = inner.adjusted(inner.width() / 4, inner.height() / 4, -(inner.width() / 4),
                                       -(inner.height() / 4));
    painter.setPen(QPen(shadow, 1));
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

}  // namespace tessary
