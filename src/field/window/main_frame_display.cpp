#include "field/window/main_frame.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "core/element_set.h"
#include "core/join_progress.h"
#include "core/program_folder.h"
#include "core/settings_file.h"
#include "dialogs/message_box.h"
#include "dialogs/my_color_dialog.h"
#include "dialogs/screen_scale.h"
#include "field/field_drawing.h"
#include "field/viewport.h"
#include "field/window/command_ids.h"
#include "field/window/field_view.h"
#include "field/window/game_assets.h"
#include "field/window/help_window.h"
#include "game/message_texts.h"

// The main window's display: full-screen mode and its menu, the background, the layout of the
// child controls (the timer and progress displays among them), settings and help.
namespace tessary {
namespace {

bool IsKeypadDigit(const QKeyEvent& key) {
    return (key.modifiers() & Qt::KeypadModifier) && key.key() >= Qt::Key_0 &&
           key.key() <= Qt::Key_9;
}

// The top-left corner of a box of `size` centred on `centre`.
QPoint CentredAt(QPoint centre, QSize size) {
    return centre - QPoint(size.width() / 2, size.height() / 2);
}

}  // namespace

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && routeCaptureEvent(event))
        return true;
    if (watched == view_ && event->type() == QEvent::Resize)
        layoutChildren();
    // A press may detach a piece and a double-click turn one out of its block: the progress
    // is counted again once the field has taken the event.
    if (watched == view_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
        QTimer::singleShot(0, this, [this] { refreshProgress(); });
    if (watched == timerDisplay_ &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        progressDisplay_->setVisible(event->type() == QEvent::ShowToParent);
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::event(QEvent* event) {
    // The keypad's digits choose no texture. Taken here, before the shortcuts see them, they
    // reach the field as plain keys, which it ignores; Qt would otherwise take each for the
    // main keyboard's digit.
    if (event->type() == QEvent::ShortcutOverride &&
        IsKeypadDigit(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    const bool isHandled = QMainWindow::event(event);
    // The children, the menu bar among them, have taken the new fonts by now.
    if (event->type() == QEvent::ApplicationFontChange)
        systemSettingsChanged();
    return isHandled;
}

void CMainFrame::layoutChildren() {
    placeTimerDisplay();
    menuButton_->setGeometry(view_->width() - ScaleX(75), 0, ScaleX(75), ScaleY(23));
}

void CMainFrame::placeTimerDisplay() {
    timerDisplay_->move(view_->width() - timerDisplay_->width(),
                        view_->height() - timerDisplay_->height());
    progressDisplay_->move(timerDisplay_->x() - progressDisplay_->width(), timerDisplay_->y());
}

void CMainFrame::refreshProgress() {
    const int percent = field_.hasElements() ? JoinProgressPercent(*field_.elements) : 0;
    progressDisplay_->setText(QStringLiteral("%1%").arg(percent));
}

void CMainFrame::applyMenuFont() {
    const QFont menuFont = QApplication::font("QMenu");
    timerDisplay_->setFont(menuFont);
    menuButton_->setFont(menuFont);
    // "000:000:000" in one line and 10 pixels more, as high as the menu bar.
    timerDisplay_->setFixedSize(
        timerDisplay_->fontMetrics().horizontalAdvance(QStringLiteral("000:000:000")) + 10,
        menuBar()->sizeHint().height());
    progressDisplay_->setFont(menuFont);
    progressDisplay_->setFixedSize(
        progressDisplay_->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 10,
        timerDisplay_->height());
}

void CMainFrame::systemSettingsChanged() {
    applyMenuFont();
    placeTimerDisplay();
    ChangeClientSize(field_, view_->width(), view_->height());
    if (game_.elementsCreated)
        view_->repaint();
}

void CMainFrame::toggleFullScreen() {
    if (!isFullScreenMode()) {
        wasMaximized_ = isMaximized();
        windowedGeometry_ = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
        menuBar()->hide();
        showFullScreen();
        settings_.fullScreen = 1;
        menuButton_->show();
    } else {
        settings_.fullScreen = 0;
        menuButton_->hide();
        menuBar()->show();
        showNormal();
        setGeometry(windowedGeometry_);
        if (wasMaximized_)
            showMaximized();
    }
    menuButton_->update();
}

void CMainFrame::popUpFullScreenMenu(bool atPointer) {
    if (!isFullScreenMode())
        return;
    if (atPointer) {
        const QSize size = fullScreenMenu_->sizeHint();
        fullScreenMenu_->popup(QCursor::pos() - QPoint(size.width(), 0));
    } else {
        fullScreenMenu_->popup(CentredAt(geometry().center(), fullScreenMenu_->sizeHint()));
    }
}

void CMainFrame::popUpBackgroundMenu() {
    backgroundMenu_->exec(CentredAt(geometry().center(), backgroundMenu_->sizeHint()));
    view_->setFocus();
}

void CMainFrame::applyBackground() {
    field_.background.isTextured = settings_.textureBackground != 0;
    field_.background.texture = LoadTexture(settings_.backgroundBitmapId);
    field_.background.colour = PixelOfColourRef(static_cast<uint32_t>(settings_.backgroundColor));
    RedrawField(field_, {.clear = true});
    if (timerDisplay_ != nullptr) {
        timerDisplay_->update();
        progressDisplay_->update();
    }
}

void CMainFrame::chooseTexture(int command) {
    const int bitmapId = TextureBitmapOfCommand(command);
    if (LoadTexture(bitmapId).isEmpty())
        return;  // a texture that cannot be loaded changes nothing
    settings_.backgroundBitmapId = bitmapId;
    settings_.textureBackground = 1;
    applyBackground();
}

void CMainFrame::chooseSolidBackground() {
    CMyColorDialog dialog(static_cast<ColourRef>(settings_.backgroundColor), this);
    dialog.SetTitle(QString::fromUtf8("Выберите цвет фона"));
    if (!dialog.run())
        return;
    settings_.backgroundColor = static_cast<int32_t>(dialog.chosenColour());
    settings_.textureBackground = 0;
    applyBackground();
}

void CMainFrame::saveSettings() {
    CreateFolderOf(SettingsFilePath());
    if (!WriteSettingsFile(SettingsFilePath(), settings_))
        ShowMessage(this, QString::fromUtf8(kSettingsFileFailedMessage), MessageIcon::Error);
}

void CMainFrame::restoreSettings() {
    ShowMessage(this, QString::fromUtf8(kDefaultSettingsMessage), MessageIcon::None);
    CreateFolderOf(SettingsFilePath());
    if (!WriteDefaultSettingsFile(SettingsFilePath()))
        ShowMessage(this, QString::fromUtf8(kSettingsFileFailedMessage), MessageIcon::Error);
}

void CMainFrame::showHelp(int topic) {
    if (help_ == nullptr)
        help_ = new HelpWindow(this);
    help_->showTopic(topic);
}

}  // namespace tessary
