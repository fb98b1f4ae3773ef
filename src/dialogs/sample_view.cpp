#include "dialogs/sample_view.h"

#include <QPainter>

namespace tessary {

void SampleView::setImage(const QImage* image) {
    image_ = image;
    update();
}

void SampleView::paintEvent(QPaintEvent* /*event*/) {
    if (image_ == nullptr || image_->isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(rect(), *image_);
}

}  // namespace tessary
