#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <functional>

#include "dialogs/save_file_dlg.h"
#include "field/window/command_ids.h"
#include "field/window/field_view.h"
#include "field/window/game_assets.h"
#include "file_size_cap.h"
#include "picture/jpeg_reader.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

class CaptureTest : public UiFixture {
protected:
    // Answers the next save dialog: `prepare` may change it, then `name` is typed and saved.
    void saveAs(const QString& name, std::function<void(CSaveFileDlg&)> prepare = {}) {
        WhenModal([this, name, prepare](QWidget* modal) {
            auto* dialog = qobject_cast<CSaveFileDlg*>(modal);
            if (dialog == nullptr) {
                ADD_FAILURE() << "no save dialog";
                modal->close();
                return;
            }
            EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Сохранить как"));
            dialog->setDirectory(folder.path());
            if (prepare)
                prepare(*dialog);
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->setFocus();
            QTest::keyClicks(edit, name);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget& view = frame->fieldView();
        QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }

    QImage fieldImage() { return ImageOver(frame->field().fieldPicture).copy(); }

    QStringList savedFiles() { return QDir(folder.path()).entryList(QDir::Files); }

    QTemporaryDir folder;
};

TEST_F(CaptureTest, WholeFieldUnderANameWithoutExtensionBecomesAJpegOfTheField) {
    saveAs(QStringLiteral("field"));
    frame->runCommand(kCmdCaptureField);
    EXPECT_TRUE(questions.isEmpty());
    ASSERT_EQ(savedFiles(), QStringList{QStringLiteral("field.jpg")});
    const LoadResult jpeg =
        LoadJpegFile(folder.filePath(QStringLiteral("field.jpg")).toStdString());
    ASSERT_TRUE(jpeg.isLoaded());
    EXPECT_EQ(jpeg.picture.width(), frame->field().fieldPicture.width());
    EXPECT_EQ(jpeg.picture.height(), frame->field().fieldPicture.height());
}

TEST_F(CaptureTest, RectangleDraggedUpAndLeftIsShownInvertedAndSavedAsThatPartOfTheField) {
    frame->field().viewport.scrollX = 0;
    frame->field().viewport.scrollY = 0;
    frame->runCommand(kCmdCaptureRectangle);
    EXPECT_NE(frame->fieldView().cursor().shape(), Qt::ArrowCursor);

    const QImage before = fieldImage();
    mouse(QEvent::MouseButtonPress, {300, 200}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {100, 50}, Qt::NoButton, Qt::LeftButton);
    const QImage shown = frame->fieldView().grab().toImage();
    const QRgb inside = before.pixel(150, 100);
    EXPECT_EQ(shown.pixel(150, 100) & 0xFFFFFF, ~inside & 0xFFFFFF);
    EXPECT_EQ(shown.pixel(300, 200), before.pixel(300, 200)) << "the press's own pixel is out";
    EXPECT_EQ(shown.pixel(99, 100), before.pixel(99, 100));

    saveAs(QStringLiteral("part"), [](CSaveFileDlg& dialog) {
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Up);  // BMP
    });
    mouse(QEvent::MouseButtonRelease, {100, 50}, Qt::LeftButton, Qt::NoButton);

    EXPECT_EQ(frame->fieldView().cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(frame->fieldView().grab().toImage().pixel(150, 100), inside) << "marking removed";
    ASSERT_EQ(savedFiles(), QStringList{QStringLiteral("part.bmp")});
    const QImage saved(folder.filePath(QStringLiteral("part.bmp")));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), before.copy(100, 50, 200, 150));
}

TEST_F(CaptureTest, EscapeMidRectangleRemovesTheMarkingAndSavesNothing) {
    frame->runCommand(kCmdCaptureRectangle);
    const QImage before = fieldImage();
    mouse(QEvent::MouseButtonPress, {100, 50}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {300, 200}, Qt::NoButton, Qt::LeftButton);
    QTest::keyClick(&frame->fieldView(), Qt::Key_Escape);
    // (Asserted: were the mode still on, the release below would open the save dialog.)
    ASSERT_EQ(frame->fieldView().cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(frame->fieldView().grab().toImage().pixel(150, 100), before.pixel(150, 100));
    mouse(QEvent::MouseButtonRelease, {300, 200}, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(savedFiles().isEmpty());  // no save dialog was opened either
}

TEST_F(CaptureTest, PngNameWritesNothingAndSaysWhy) {
    saveAs(QStringLiteral("field.png"));
    frame->runCommand(kCmdCaptureField);
    EXPECT_TRUE(savedFiles().isEmpty());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], QString::fromUtf8("Файл %1 не сохранен: изображение можно сохранить "
                                              "только в формате BMP или JPEG.")
                                .arg(folder.filePath(QStringLiteral("field.png"))));
}

TEST_F(CaptureTest, FailedWriteIsReportedAndKeepsTheOldFile) {
    QFile old(folder.filePath(QStringLiteral("field.jpg")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old picture");
    old.close();

    saveAs(QStringLiteral("field"), [](CSaveFileDlg& dialog) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // Qt's own question
    });
    {
        // Files of this process may not grow beyond 100 bytes, so the picture breaks off
        // half-way.
        const FileSizeCap cap(100);
        ASSERT_TRUE(cap.isInForce());
        frame->runCommand(kCmdCaptureField);
    }
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], QString::fromUtf8("Ошибка при открытии файла %1.")
                                .arg(folder.filePath(QStringLiteral("field.jpg"))));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old picture"));
}

}  // namespace
}  // namespace tessary::testing
