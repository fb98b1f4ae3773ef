#include <QElapsedTimer>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTest>

#include <functional>

#include "field/window/completion_window.h"
#include "field/window/field_view.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

struct CloseRow {
    const char* name;
    std::function<void(CompletionWindow&, CMainFrame&)> act;
    bool closes;
};

// Sent straight to the window, not through QTest: the window closes before any release, and
// QTest would go on taking the button for held in every later test of the program.
void Press(CompletionWindow& window, Qt::MouseButton button, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), window.mapToGlobal(QPointF(at)),
                      button, button, Qt::NoModifier);
    QApplication::sendEvent(&window, &press);
}

using CompletionWindowTest = UiFixture;

// What the player does while the window is up, all within its shortest time (made short
// here; the game's second is tested with a completed game): a request to close is carried
// out once that time is over, and only a request closes it.
TEST_F(CompletionWindowTest, ClosesOnPressKeyFocusOrCaptureLossButNotEarly) {
    constexpr int kMinimum = 200;
    const CloseRow rows[] = {
        {"left press inside",
         [](auto& w, auto&) {
             Press(w, Qt::LeftButton, {20, 20});
         },
         true},
        {"right press outside",
         [](auto& w, auto&) {
             Press(w, Qt::RightButton, {-200, w.height() + 100});
         },
         true},
        {"middle press",
         [](auto& w, auto&) {
             Press(w, Qt::MiddleButton, {20, 20});
         },
         false},
        {"a key", [](auto& w, auto&) { QTest::keyClick(&w, Qt::Key_Space); }, true},
        {"a system key", [](auto& w, auto&) { QTest::keyClick(&w, Qt::Key_F10); }, true},
        {"Alt", [](auto& w, auto&) { QTest::keyClick(&w, Qt::Key_Alt, Qt::AltModifier); }, true},
        {"Ctrl alone",
         [](auto& w, auto&) { QTest::keyClick(&w, Qt::Key_Control, Qt::ControlModifier); }, false},
        {"focus lost",
         [](auto& w, auto&) {
             QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
             QApplication::sendEvent(&w, &out);
         },
         true},
        {"capture taken",
         [](auto&, auto& frame) {
             frame.fieldView().grabMouse();
             frame.fieldView().releaseMouse();
         },
         true},
    };
    for (const CloseRow& row : rows) {
        SCOPED_TRACE(row.name);
        CompletionWindow window(frame.get(), kMinimum);
        window.open();
        QElapsedTimer shown;
        shown.start();
        while (QWidget::mouseGrabber() != &window && shown.elapsed() < kMinimum / 2)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_EQ(QWidget::mouseGrabber(), &window) << "the window holds the capture";

        row.act(window, *frame);
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_TRUE(window.isVisible()) << "not within the shortest time";
        while (shown.elapsed() < kMinimum + 100)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(window.isVisible(), !row.closes);
        window.reject();
    }
}

}  // namespace
}  // namespace tessary::testing
