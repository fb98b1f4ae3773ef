#include "field/window/main_frame.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <cmath>
#include <filesystem>

#include "dialogs/message_box.h"
#include "dialogs/save_file_dlg.h"
#include "field/window/field_view.h"
#include "field/window/progress_window.h"
#include "field/window/sound_player.h"
#include "game/message_texts.h"
#include "picture/bmp_writer.h"
#include "picture/jpeg_writer.h"
#include "picture/picture_type.h"

// The main window's capture commands: the whole field or a rectangle dragged over it, saved
// as a Windows bitmap or a JPEG file through the save dialog.
namespace tessary {
namespace {

Point ViewPixel(const QMouseEvent& event) {
    return {static_cast<int>(std::floor(event.position().x())),
            static_cast<int>(std::floor(event.position().y()))};
}

}  // namespace

void CMainFrame::captureFieldCommand() {
    saveCapture(CaptureRect{0, 0, field_.fieldPicture.width(), field_.fieldPicture.height()});
}

void CMainFrame::captureRectangleCommand() {
    ArmCaptureRectangle(field_, capture_);
}

bool CMainFrame::routeCaptureEvent(QEvent* event) {
    if (capture_.captureState == CaptureState::Normal)
        return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress)
        return static_cast<const QKeyEvent&>(*event).key() == Qt::Key_Escape &&
               CancelCapture(field_, capture_);
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    const bool isLeft = mouse.button() == Qt::LeftButton;
    const Point client = view_->clientOf(ViewPixel(mouse));
    if (type == QEvent::MouseButtonPress)
        return CaptureMouseDown(field_, capture_, isLeft, client);
    if (type == QEvent::MouseMove)
        return CaptureMouseMove(field_, capture_, client);
    const CaptureRelease release = CaptureMouseUp(field_, capture_, isLeft, client);
    if (!release.box.isEmpty())
        saveCapture(release.box);
    return release.isConsumed;
}

void CMainFrame::saveCapture(const CaptureRect& box) {
    sounds_->play(Sound::Capture);
    CSaveFileDlg dialog(this);
    dialog.setWindowTitle(QString::fromUtf8("Сохранить как"));
    const QStringList filters = {QString::fromUtf8("BMP - Windows Bitmap (*.bmp *.dib)"),
                                 QString::fromUtf8("JPG - JPEG (*.jpeg *.jpg *.jfif *.jfi)")};
    dialog.setNameFilters(filters);
    dialog.setExtensions({QStringLiteral("bmp"), QStringLiteral("jpg")});
    dialog.selectNameFilter(filters[1]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedPath().isEmpty())
        return;

    const QString path = dialog.selectedPath();
    const std::filesystem::path file(path.toStdString());
    const PixelView32 pixels = FieldPixels(field_.fieldPicture);
    progress_->setCaption(QString());  // "Секундочку..."
    bool isWritten = false;
    switch (PictureTypeFromExtension(dialog.chosenExtension().toStdString())) {
        case kPictureTypeBmp:
            isWritten = WriteFieldBmp(file, pixels, box, progress_.get());
            break;
        case kPictureTypeJpeg:
            isWritten = WriteFieldJpeg(file, dialog.jpegOptions(), pixels, box, progress_.get());
            break;
        case kPictureTypePng:
        case kPictureTypeUnknown:
            ShowMessage(this, FormatMessageText(kCaptureFormatMessage, {path}),
                        MessageIcon::Exclamation);
            return;
    }
    // The writers replace a file only once it is whole, so a failure leaves nothing half
    // written and an old file of that name as it was.
    if (!isWritten)
        ShowMessage(this, FormatMessageText(kCaptureFailedMessage, {path}), MessageIcon::Error);
}

}  // namespace tessary
