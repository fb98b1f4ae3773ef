#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

namespace tessary {

/// The borderless window that announces a completed picture. While shown it holds the mouse
/// capture, and it closes on a left or right button press anywhere, on any key (system keys
/// included, Ctrl alone excepted), when it loses the keyboard focus and when it loses the
/// capture; but never within the first second: an earlier request is carried out when the
/// second is over.
class CompletionWindow : public QDialog {
public:
    /// The shortest time the window stays up, in milliseconds.
    static constexpr int kMinimumMilliseconds = 1000;

    /// `minimumMilliseconds`: shorter only in tests of the closing rules.
    explicit CompletionWindow(QWidget* parent, int minimumMilliseconds = kMinimumMilliseconds);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void requestClose();
    /// Takes the mouse capture once the window can be seen (a grab of a window not yet on the
    /// screen fails), and closes the window when another takes it.
    void holdCapture();

    QImage picture_;
    int minimumMilliseconds_;
    QElapsedTimer shown_;
    bool isClosePending_ = false;
    QTimer* captureWatch_;  // checks that the capture is still held
};

}  // namespace tessary
