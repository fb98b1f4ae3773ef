#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "core/element_set.h"
#include "field/block_layout.h"
#include "field/window/command_ids.h"
#include "field/window/field_view.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

// "Собрать края" from its key, and the share of joins beside the timer.
class CollectBorderTest : public UiFixture {
protected:
    // A 4 x 3 game at 32 without rotation: 5 and 6 inside, the ten others on the border.
    void startGame() { ASSERT_NO_FATAL_FAILURE(createGameWithoutRotation(128, 96)); }

    const ElementSet& set() { return *frame->game().elements; }

    // The client point over the centre of element i's core square.
    QPoint coreCentre(int i) {
        const Viewport& v = frame->field().viewport;
        const Rect& core = set().baseRects()[i];
        return {(core.left + core.right) / 2 - v.scrollX, (core.top + core.bottom) / 2 - v.scrollY};
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget& view = frame->fieldView();
        QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
        QApplication::processEvents();
    }
};

TEST_F(CollectBorderTest, CtrlEBringsTheBorderIntoViewAndTheDisplayCountsJoinsAndDetaches) {
    startGame();
    Viewport& v = frame->field().viewport;
    v.scrollX = v.scrollMaxX;
    v.scrollY = v.scrollMaxY;
    const Rect inner[] = {set().element(5).fieldRect, set().element(6).fieldRect};
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));

    QTest::keyClick(&frame->fieldView(), Qt::Key_E, Qt::ControlModifier);
    const Rect view = VisibleFieldArea(v);
    for (int i : {0, 1, 2, 3, 4, 7, 8, 9, 10, 11}) {
        const Rect& box = set().element(i).fieldRect;
        EXPECT_TRUE(box.left >= view.left && box.top >= view.top && box.right <= view.right &&
                    box.bottom <= view.bottom)
            << "element " << i;
    }
    EXPECT_EQ(set().element(5).fieldRect, inner[0]);
    EXPECT_EQ(set().element(6).fieldRect, inner[1]);

    const QLabel& progress = frame->progressDisplay();
    const QLabel& timer = frame->timerDisplay();
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.geometry().right() + 1, timer.geometry().left());
    EXPECT_EQ(progress.geometry().top(), timer.geometry().top());
    EXPECT_EQ(progress.text(), QStringLiteral("0%"));

    // 1 carried to the right of 0 snaps: one join of eleven.
    const int s = frame->game().plan.elementSize;
    const QPoint grab = coreCentre(1);
    const QPoint target = coreCentre(0) + QPoint(s + 2, 1);
    mouse(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, (grab + target) / 2, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, target, Qt::NoButton, Qt::LeftButton);
    ASSERT_FALSE(set().element(1).alone);
    EXPECT_EQ(progress.text(), QStringLiteral("9%"));

    // The middle button pulls it out again.
    mouse(QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, coreCentre(1), Qt::MiddleButton, Qt::MiddleButton);
    mouse(QEvent::MouseButtonRelease, coreCentre(1), Qt::MiddleButton, Qt::NoButton);
    ASSERT_TRUE(set().element(1).alone);
    EXPECT_EQ(progress.text(), QStringLiteral("0%"));

    frame->timerDisplay().hide();
    EXPECT_TRUE(progress.isHidden());
}

}  // namespace
}  // namespace tessary::testing
