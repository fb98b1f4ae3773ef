#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "dialogs/size_part_dlg.h"
#include "field/window/command_ids.h"
#include "field/window/field_view.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

// The field's input as the window receives it: wheel events of any size, the pointer resting
// at an edge and leaving the window, keys while a piece is carried.
class FieldInputTest : public UiFixture {
protected:
    // A 3 x 2 game without rotation on a 1024 x 768 field, behind a smaller client area.
    void startGame() { ASSERT_NO_FATAL_FAILURE(createGameWithoutRotation(96, 64)); }

    QWidget& view() { return frame->fieldView(); }
    Viewport& viewport() { return frame->field().viewport; }

    // One wheel event turning by `delta` eighths of a degree over the middle of the field.
    void wheel(int delta) {
        const QPointF at(view().width() / 2, view().height() / 2);
        QWheelEvent event(at, view().mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view(), &event);
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), view().mapToGlobal(QPointF(at)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&view(), &event);
    }
};

TEST_F(FieldInputTest, EachWheelEventOfANotchOrMoreIsOneStep) {
    struct Row {
        const char* name;
        std::vector<int> deltas;
        int steps;  // down the field, in bitmap sides
    };
    const Row rows[] = {
        {"one notch", {-120}, 1},
        {"two notches in one event", {-240}, 1},
        {"three events of two notches", {-240, -240, -240}, 3},
        {"a high-resolution wheel's quarter notches", {-30, -30, -30, -30}, 1},
        {"down two notches, up one", {-240, 120}, 0},
        {"quarter notches short of a notch", {-30, -30, -30}, 0},  // last: leaves a part
    };
    startGame();
    settings.wheelRotateElements = 0;
    settings.scrollWheel = 1;
    const int side = frame->game().plan.bitmapSide;
    ASSERT_GT(viewport().scrollMaxY, 3 * side);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        viewport().scrollY = 0;
        for (int delta : row.deltas)
            wheel(delta);
        EXPECT_EQ(viewport().scrollY, row.steps * side);
    }
}

TEST_F(FieldInputTest, TheWheelStepsByTheLastBitmapSideAfterTheGameIsDiscarded) {
    startGame();
    settings.wheelRotateElements = 0;
    settings.scrollWheel = 1;
    const int side = frame->game().plan.bitmapSide;
    frame->game().gameComplete = true;
    WhenModal<CSizePartDlg>([](CSizePartDlg* cut) { cut->accept(); });
    frame->runCommand(kCmdCutPicture);
    ASSERT_FALSE(frame->game().elementsCreated);
    viewport().scrollY = 0;
    wheel(-120);
    EXPECT_EQ(viewport().scrollY, side);
}

TEST_F(FieldInputTest, EdgeScrollingStopsOnceThePointerHasLeftTheWindow) {
    frame->setGeometry(40, 40, 600, 400);  // inside the offscreen screen, with room beside it
    startGame();
    QApplication::processEvents();
    const Viewport& v = viewport();
    ASSERT_GT(v.scrollMaxX, 100);
    const QPoint inRightStrip(view().width() - 2, view().height() / 2);
    QCursor::setPos(view().mapToGlobal(inRightStrip));
    mouse(QEvent::MouseMove, inRightStrip, Qt::NoButton, Qt::NoButton);
    // Resting in the strip, the field scrolls on without further moves.
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.scrollX > 3 * settings.mouseScrollSpeed; }, 2000));

    QCursor::setPos(view().mapToGlobal(QPoint(view().width() + 60, view().height() / 2)));
    QTest::qWait(50);
    const int left = v.scrollX;
    QTest::qWait(250);
    EXPECT_EQ(v.scrollX, left);
    EXPECT_LT(v.scrollX, v.scrollMaxX);
}

TEST_F(FieldInputTest, APieceHeldInTheEdgeStripKeepsScrollingTheField) {
    frame->setGeometry(40, 40, 600, 400);
    startGame();
    frame->field().extraOptions.scrollWhileCarrying = true;
    settings.enableMouseScroll = 0;  // only the carried piece scrolls
    const Viewport& v = viewport();
    ASSERT_GT(v.scrollMaxX, 100);
    const Rect core = frame->game().elements->baseRects()[0];
    const QPoint grab((core.left + core.right) / 2, (core.top + core.bottom) / 2);
    const QPoint inRightStrip(view().width() - 2, grab.y());
    // The pointer rests in the strip from here on; the move it makes there is let through
    // before the button goes down.
    QCursor::setPos(view().mapToGlobal(inRightStrip));
    QApplication::processEvents();
    mouse(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(frame->field().heldElement, 0);
    mouse(QEvent::MouseMove, inRightStrip, Qt::NoButton, Qt::LeftButton);
    // Held still in the strip, the piece goes on scrolling the field and moving with it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.scrollX > 3 * settings.mouseScrollSpeed; }, 2000));
    EXPECT_EQ(frame->game().elements->baseRects()[0].right - v.scrollX, view().width());

    mouse(QEvent::MouseButtonRelease, inRightStrip, Qt::LeftButton, Qt::NoButton);
    const int left = v.scrollX;
    QTest::qWait(200);
    EXPECT_EQ(v.scrollX, left);
}

TEST_F(FieldInputTest, SpaceIsIgnoredWhileAPieceIsCarried) {
    startGame();
    frame->runCommand(kCmdToggleFullScreen);
    QApplication::processEvents();
    const Rect core = frame->game().elements->baseRects()[0];
    const Viewport& v = viewport();
    const QPoint grab((core.left + core.right) / 2 - v.scrollX,
                      (core.top + core.bottom) / 2 - v.scrollY);
    mouse(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    const int held = frame->field().heldElement;
    ASSERT_GE(held, 0);
    QTest::keyClick(&view(), Qt::Key_Space);
    EXPECT_FALSE(frame->fullScreenMenu().isVisible());
    EXPECT_EQ(frame->field().heldElement, held);

    mouse(QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
    QTest::keyClick(&view(), Qt::Key_Space);
    EXPECT_TRUE(frame->fullScreenMenu().isVisible());
    frame->fullScreenMenu().close();
    frame->runCommand(kCmdToggleFullScreen);
}

}  // namespace
}  // namespace tessary::testing
