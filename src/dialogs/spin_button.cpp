#include "dialogs/spin_button.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

#include "dialogs/screen_scale.h"

namespace tessary {
namespace {

constexpr int kSpinWidth = 16;
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 60;

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kRepeatDelayMs);
    button->setAutoRepeatInterval(kRepeatIntervalMs);
    return button;
}

}  // namespace

int32_t SpinStep(int32_t value, int step, int32_t minimum, int32_t maximum) {
    const int64_t from = std::clamp(value, minimum, maximum);
    const int64_t to = from + step;
    if (to > maximum)
        return minimum;
    if (to < minimum)
        return maximum;
    return static_cast<int32_t>(to);
}

CSpinButton::CSpinButton(QLineEdit* buddy, int32_t minimum, int32_t maximum)
    : QWidget(buddy),
      buddy_(buddy),
      up_(MakeArrow(Qt::UpArrow, this)),
      down_(MakeArrow(Qt::DownArrow, this)),
      minimum_(minimum),
      maximum_(maximum),
      position_(minimum) {
    setCursor(Qt::ArrowCursor);
    buddy_->setTextMargins(0, 0, ScaleX(kSpinWidth), 0);
    buddy_->installEventFilter(this);
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
    placeAtRightEdge();
}

void CSpinButton::stepBy(int step) {
    bool isNumber = false;
    const int value = buddy_->text().trimmed().toInt(&isNumber);
    position_ = SpinStep(isNumber ? value : position_, step, minimum_, maximum_);
    buddy_->setText(QString::number(position_));
}

bool CSpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_) {
        if (event->type() == QEvent::Resize) {
            placeAtRightEdge();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                stepBy(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CSpinButton::placeAtRightEdge() {
    // Inside the edit's frame, so that the two read as one control.
    const int frame = 1;
    const int width = ScaleX(kSpinWidth);
    const int height = buddy_->height() - 2 * frame;
    setGeometry(buddy_->width() - frame - width, frame, width, height);
    up_->setGeometry(0, 0, width, height / 2);
    down_->setGeometry(0, height / 2, width, height - height / 2);
}

}  // namespace tessary
