#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>

namespace tessary {

/// The borderless window that announces a completed picture. It closes on a button press, a
/// key (Ctrl alone excepted), or when it loses the focus, but never within the first second:
/// an earlier request is carried out when the second is over.
class CompletionWindow : public QDialog {
public:
    explicit CompletionWindow(QWidget* parent);

    /// The shortest time the window stays up, in milliseconds.
    static constexpr int kMinimumMilliseconds = 1000;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void requestClose();

    QImage picture_;
    QElapsedTimer shown_;
    bool isClosePending_ = false;
};

}  // namespace tessary
