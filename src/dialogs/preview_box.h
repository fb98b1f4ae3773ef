#pragma once

#include <QImage>
#include <QWidget>

namespace tessary {

/// The open dialog's preview box: a one-pixel sunken edge around the picture, scaled down to
/// fit (never enlarged) and centred on the highlight colour, or a cross in the shadow colour
/// when there is nothing to show.
class PreviewBox : public QWidget {
    Q_OBJECT

public:
    /// `outerHeight`: the box's height with its edge; the inner width follows as 4 : 3.
    PreviewBox(int outerHeight, QWidget* parent);

    /// Inner size, fixed when the box is made.
    QSize innerSize() const { return {width() - 2, height() - 2}; }

    /// The picture shown, or a null image for the cross.
    void setImage(const QImage& image);

    /// Where the image of size `image` lies inside an inner rectangle `inner`.
    static QRect FittedRect(QSize image, const QRect& inner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace tessary
