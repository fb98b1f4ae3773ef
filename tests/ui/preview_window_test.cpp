#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include "field/window/preview_window.h"
#include "picture/picture_buffer.h"

namespace tessary {
namespace {

const QSize kScreen(1024, 768);
const QRect kOwnerClient(100, 80, 900, 600);  // the main window's client area on the screen

PictureBuffer BlankPicture(int width, int height) {
    PictureHeader header;
    header.width = width;
    header.height = height;
    header.bitsPerPixel = 24;
    return PictureBuffer::Create(header);
}

void SendMouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, w.mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

class PreviewWindowTest : public ::testing::Test {
protected:
    QWidget owner;
    PicturePreviewWindow preview{&owner, kScreen};
};

TEST_F(PreviewWindowTest, CreatedHiddenAtAThirdOfTheScreen) {
    EXPECT_FALSE(preview.isVisible());
    EXPECT_EQ(preview.geometry(), QRect(341, 256, 341, 256));
}

TEST_F(PreviewWindowTest, ShowsAtTheClientsTopRightCornerSizedToThePicture) {
    preview.setPicture(BlankPicture(800, 600));
    preview.togglePreview(kOwnerClient, kScreen);
    ASSERT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.geometry(), QRect(1000 - 341, 80, 341, 255));
    EXPECT_NE(QApplication::activeWindow(), &preview) << "the main window keeps the keys";

    const QWidget* grip = preview.findChild<QWidget*>("sizeGrip");
    ASSERT_NE(grip, nullptr);
    EXPECT_EQ(grip->size(), QSize(15, 15));
    EXPECT_LE(grip->geometry().right(), preview.width() - 1);
    EXPECT_GE(grip->geometry().right(), preview.width() - 5);

    preview.togglePreview(kOwnerClient, kScreen);
    EXPECT_FALSE(preview.isVisible());
}

TEST_F(PreviewWindowTest, ReopensWithTheComputedSizeAfterAResizeByHand) {
    preview.setPicture(BlankPicture(600, 900));
    preview.togglePreview(kOwnerClient, kScreen);
    preview.resize(400, 100);
    preview.togglePreview(kOwnerClient, kScreen);
    preview.togglePreview(kOwnerClient, kScreen);
    EXPECT_EQ(preview.geometry(), QRect(1000 - 170, 80, 170, 256));
}

TEST_F(PreviewWindowTest, HeightFollowsTheWidthAfterACut) {
    preview.setPicture(BlankPicture(800, 600));
    preview.togglePreview(kOwnerClient, kScreen);
    preview.fitHeightToPicture(640, 320);
    EXPECT_EQ(preview.geometry(), QRect(1000 - 341, 80, 341, 171));  // 170.5 rounds up
}

TEST_F(PreviewWindowTest, DraggingTheInsideMovesTheWindow) {
    preview.setPicture(BlankPicture(800, 600));
    preview.togglePreview(kOwnerClient, kScreen);
    const QPoint start = preview.pos();
    SendMouse(preview, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton);
    SendMouse(preview, QEvent::MouseMove, {60, 55}, Qt::LeftButton);
    SendMouse(preview, QEvent::MouseMove, {80, 70}, Qt::LeftButton);
    SendMouse(preview, QEvent::MouseButtonRelease, {80, 70}, Qt::NoButton);
    // Offscreen there is no window system to take the move over: the window moves itself.
    EXPECT_EQ(preview.pos(), start + QPoint(30, 20));
    EXPECT_EQ(preview.size(), QSize(341, 255));
}

TEST_F(PreviewWindowTest, TheFrameResizes) {
    preview.setPicture(BlankPicture(800, 600));
    preview.togglePreview(kOwnerClient, kScreen);
    const QPoint corner(340, 254);
    SendMouse(preview, QEvent::MouseButtonPress, corner, Qt::LeftButton);
    SendMouse(preview, QEvent::MouseMove, corner + QPoint(20, 10), Qt::LeftButton);
    SendMouse(preview, QEvent::MouseButtonRelease, corner + QPoint(20, 10), Qt::NoButton);
    EXPECT_EQ(preview.size(), QSize(361, 265));
    EXPECT_EQ(preview.pos(), QPoint(1000 - 341, 80));
}

}  // namespace
}  // namespace tessary
