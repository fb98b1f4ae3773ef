#pragma once

#include <QImage>
#include <QWidget>

namespace tessary {

/// The cut dialog's sample: one picture stretched over the whole widget, or nothing.
class SampleView : public QWidget {
    Q_OBJECT

public:
    explicit SampleView(QWidget* parent) : QWidget(parent) {}

    /// The picture shown; null shows nothing. Not owned: it must outlive the view's use.
    void setImage(const QImage* image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* image_ = nullptr;
};

}  // namespace tessary
