#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "field/viewport.h"
#include "field/window/command_ids.h"
#include "field/window/field_view.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

// Zoom as the window takes it: Ctrl and the wheel, the + and - keys, and a drag at 25 %.
class ZoomWindowTest : public UiFixture {
protected:
    // A 3 x 2 game without rotation on a 1024 x 768 field, behind a smaller client area.
    void startGame() {
        settings.rotateElements = 0;
        settings.wheelRotateElements = 0;
        settings.scrollWheel = 1;
        placeCutPicture(GradientPicture());
        frame->runCommand(kCmdCreateElements);
        ASSERT_TRUE(frame->game().isInProgress());
    }

    QWidget& view() { return frame->fieldView(); }
    Viewport& viewport() { return frame->field().viewport; }
    std::string zoom() {
        return std::to_string(viewport().zoom.numerator) + "/" +
               std::to_string(viewport().zoom.denominator);
    }

    void wheel(int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(view().width() / 2, view().height() / 2);
        QWheelEvent event(at, view().mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view(), &event);
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), view().mapToGlobal(QPointF(at)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&view(), &event);
    }
};

TEST_F(ZoomWindowTest, CtrlWheelAndThePlusAndMinusKeysStepThroughTheScales) {
    startGame();
    // The field fits the client area between 75 % and 50 %: the steps are 100 %, 75 %, the
    // whole field, 50 %, 33 % and 25 %.
    const std::string whole = [&] {
        const ZoomScale fit =
            FitScale({viewport().fieldWidth, viewport().fieldHeight}, viewport().screenClientSize);
        return std::to_string(fit.numerator) + "/" + std::to_string(fit.denominator);
    }();
    ASSERT_LT(
        FitScale({viewport().fieldWidth, viewport().fieldHeight}, viewport().screenClientSize),
        (ZoomScale{3, 4}));
    ASSERT_LT((ZoomScale{1, 2}), FitScale({viewport().fieldWidth, viewport().fieldHeight},
                                          viewport().screenClientSize));
    EXPECT_FALSE(frame->isCommandEnabled(kCmdZoomIn));
    EXPECT_FALSE(frame->isCommandEnabled(kCmdZoom100));

    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(zoom(), "3/4");
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(zoom(), whole);
    wheel(-120, Qt::ControlModifier | Qt::ShiftModifier);  // not Ctrl alone: the rules as before
    EXPECT_EQ(zoom(), whole);
    for (const char* level : {"1/2", "1/3", "1/4"}) {
        wheel(-120, Qt::ControlModifier);
        EXPECT_EQ(zoom(), level);
    }
    EXPECT_FALSE(frame->isCommandEnabled(kCmdZoomOut));
    for (const std::string& level : {std::string("1/3"), std::string("1/2"), whole}) {
        wheel(120, Qt::ControlModifier);
        EXPECT_EQ(zoom(), level);
    }
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(zoom(), "3/4");

    QTest::keyClick(&view(), Qt::Key_Plus);
    EXPECT_EQ(zoom(), "1/1");
    QTest::keyClick(&view(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(zoom(), "3/4");
    QTest::keyClick(&view(), Qt::Key_Equal);
    EXPECT_EQ(zoom(), "1/1");
    QTest::keyClick(&view(), Qt::Key_Minus);
    QTest::keyClick(&view(), Qt::Key_Minus);
    EXPECT_EQ(zoom(), whole);
    QTest::keyClick(&view(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(zoom(), "3/4");
    frame->runCommand(kCmdZoom100);
    EXPECT_EQ(zoom(), "1/1");
}

TEST_F(ZoomWindowTest, ADragAt25PercentMovesThePieceFourFieldPixelsPerScreenPixel) {
    startGame();
    SetZoom(frame->field(), ZoomScale{1, 4}, {0, 0});
    const Rect before = frame->game().elements->baseRects()[0];
    const Viewport& v = viewport();
    const Point grip = v.screenOfClient(
        v.toClient({(before.left + before.right) / 2, (before.top + before.bottom) / 2}));
    const QPoint at(grip.x, grip.y);
    mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(frame->field().heldElement, 0);
    mouse(QEvent::MouseMove, at + QPoint(10, 5), Qt::NoButton, Qt::LeftButton);
    const QImage carried = view().grab().toImage();
    mouse(QEvent::MouseButtonRelease, at + QPoint(10, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(frame->game().elements->baseRects()[0], before.translated(40, 20));
    // Put down, the piece shows where it was carried.
    EXPECT_EQ(view().grab().toImage(), carried);
}

}  // namespace
}  // namespace tessary::testing
