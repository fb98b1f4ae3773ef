#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include "core/element_set.h"
#include "field/dragging.h"
#include "field/scale_down.h"
#include "field/window/command_ids.h"
#include "field/window/field_view.h"
#include "field/window/main_menus.h"
#include "field/window/overview_window.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

// The overview window in the main window: its command, what it shows as the field changes,
// and a press in it that moves the view.
class OverviewWindowTest : public UiFixture {
protected:
    // A 3 x 2 game without rotation on a 1024 x 768 field, behind a smaller client area.
    void startGame() {
        settings.rotateElements = 0;
        placeCutPicture(GradientPicture());
        frame->runCommand(kCmdCreateElements);
        ASSERT_TRUE(frame->game().isInProgress());
    }

    QWidget& view() { return frame->fieldView(); }
    Field& field() { return frame->field(); }
    OverviewWindow& overview() { return frame->overviewWindow(); }

    void mouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&w, &event);
    }

    // The overview item of "&Вид" as the menu shows it when it opens.
    QAction* overviewItem() {
        QMenu* menu = frame->menuBar()->actions().at(2)->menu();
        Q_EMIT menu->aboutToShow();
        for (QAction* a : menu->actions()) {
            if (CommandOf(a) == kCmdOverview)
                return a;
        }
        return nullptr;
    }

    // What the overview window shows on the screen now, once its pending repaints are done.
    QImage shown() {
        QApplication::processEvents();
        return overview()
            .screen()
            ->grabWindow(overview().winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The window point that shows scaled pixel `scaled`.
    QPoint windowPointOf(Point scaled) {
        const Rect area = overview().layout().fieldArea;
        return overview().insideRect().topLeft() +
               QPoint(area.left + scaled.x, area.top + scaled.y);
    }

    // The scaled field picture's pixel `scaled`, worked out from the field picture itself.
    QRgb scaledFieldPixel(Point scaled) {
        const Bitmap32& picture = field().fieldPicture;
        Bitmap32 out(1, 1);
        ScaleDownArea(picture, {0, 0}, {picture.width(), picture.height()},
                      overview().layout().scale, {scaled.x, scaled.y, scaled.x + 1, scaled.y + 1},
                      out, {0, 0});
        return 0xFF000000 | out.pixel(0, 0);
    }

    // The scaled pixel at the middle of element `e`'s core square.
    Point scaledCentreOf(int e) {
        const Rect core = frame->game().elements->baseRects()[e];
        const ZoomScale scale = overview().layout().scale;
        return {scale.scaledFloor((core.left + core.right) / 2),
                scale.scaledFloor((core.top + core.bottom) / 2)};
    }
};

TEST_F(OverviewWindowTest, ShowsTheFieldFollowsADragAndMovesTheView) {
    startGame();
    QTest::keyClick(&view(), Qt::Key_W, Qt::ControlModifier);
    ASSERT_TRUE(overview().isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&overview()));
    EXPECT_TRUE(overviewItem()->isChecked());
    EXPECT_NE(QApplication::activeWindow(), &overview()) << "the main window keeps the keys";
    const Viewport& v = field().viewport;
    ASSERT_GT(v.scrollMaxX, 0);
    ASSERT_GT(v.scrollMaxY, 0);

    // An element's middle, scaled, as the field picture has it.
    const Point before = scaledCentreOf(0);
    EXPECT_EQ(shown().pixel(windowPointOf(before)), scaledFieldPixel(before));

    // One drag step of the element: the overview shows it where it is carried to at once,
    // and the field where it was.
    const Rect core = frame->game().elements->baseRects()[0];
    const QPoint grab((core.left + core.right) / 2 - v.scrollX,
                      (core.top + core.bottom) / 2 - v.scrollY);
    mouse(view(), QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(field().heldElement, 0);
    mouse(view(), QEvent::MouseMove, grab + QPoint(90, 60), Qt::NoButton, Qt::LeftButton);
    const Point after = scaledCentreOf(0);
    ASSERT_NE(after, before);
    const QImage carried = shown();
    mouse(view(), QEvent::MouseButtonRelease, grab + QPoint(90, 60), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(field().heldElement, -1);
    EXPECT_EQ(carried.pixel(windowPointOf(after)), scaledFieldPixel(after));
    EXPECT_EQ(carried.pixel(windowPointOf(before)), scaledFieldPixel(before));
    EXPECT_NE(scaledFieldPixel(after), scaledFieldPixel(before)) << "the element moved";

    // A press near the bottom-right corner scrolls the view to the end; the frame follows.
    const QPoint corner = overview().insideRect().bottomRight() - QPoint(2, 2);
    mouse(overview(), QEvent::MouseButtonPress, corner, Qt::LeftButton, Qt::LeftButton);
    mouse(overview(), QEvent::MouseButtonRelease, corner, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ((Point{v.scrollX, v.scrollY}), (Point{v.scrollMaxX, v.scrollMaxY}));
    const Rect framed = overview().layout().overviewRectOf(VisibleFieldPart(v));
    EXPECT_EQ(shown().pixel(windowPointOf({framed.left, framed.top})), qRgb(255, 255, 255));

    // A drag from the middle centres the view on the field point under the pointer.
    const QPoint middle = overview().insideRect().center();
    mouse(overview(), QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
    mouse(overview(), QEvent::MouseMove, middle + QPoint(3, 2), Qt::NoButton, Qt::LeftButton);
    const QPoint inInside = middle + QPoint(3, 2) - overview().insideRect().topLeft();
    const Point centre = overview().layout().fieldPointAt({inInside.x(), inInside.y()});
    EXPECT_EQ((Point{v.scrollX + v.clientRect.right / 2, v.scrollY + v.clientRect.bottom / 2}),
              centre);
    mouse(overview(), QEvent::MouseButtonRelease, middle, Qt::LeftButton, Qt::NoButton);

    QTest::keyClick(&view(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(overview().isVisible());
    EXPECT_FALSE(overviewItem()->isChecked());
}

}  // namespace
}  // namespace tessary::testing
