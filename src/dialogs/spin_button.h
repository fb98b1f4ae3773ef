#pragma once

#include <QWidget>

#include <cstdint>

class QLineEdit;
class QToolButton;

namespace tessary {

/// The number a spin moves to from `value` by `step` (+1 or -1) within [minimum, maximum]: a
/// value outside the range first counts as its nearer end, and a step past an end wraps around
/// to the other end.
int32_t SpinStep(int32_t value, int step, int32_t minimum, int32_t maximum);

/// The up-down control of a number edit: two arrow buttons at the edit's right edge (inside its
/// frame), and the Up and Down keys in the edit, step the number the edit shows by one within a
/// range, wrapping around at its ends. Text that is no number steps from the last position.
class CSpinButton : public QWidget {
    Q_OBJECT

public:
    /// Attaches to `buddy` and becomes its child; `minimum` <= `maximum`.
    CSpinButton(QLineEdit* buddy, int32_t minimum, int32_t maximum);

    /// Steps the buddy's number by +1 (up) or -1 (down).
    void stepBy(int step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeAtRightEdge();

    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int32_t minimum_;
    int32_t maximum_;
    int32_t position_;
};

}  // namespace tessary
