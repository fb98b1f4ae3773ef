#include "field/window/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

#include "dialogs/message_box.h"
#include "dialogs/open_file_dlg.h"
#include "dialogs/pause_dlg.h"
#include "dialogs/size_part_dlg.h"
#include "field/field_drawing.h"
#include "field/region_blit.h"
#include "field/window/completion_window.h"
#include "field/window/field_view.h"
#include "field/window/help_window.h"
#include "field/window/overview_window.h"
#include "field/window/preview_window.h"
#include "field/window/progress_window.h"
#include "field/window/sound_player.h"
#include "field/window/window_platform.h"
#include "game/create_elements.h"
#include "game/message_texts.h"
#include "picture/load_picture_file.h"
#include "picture/resample_picture.h"

// The main window's part in the game's lifecycle: building a game through the dialogs, the
// worker's hand-over, joins and completion, the close request, the clock and pause.
namespace tessary {
namespace {

bool AsksForNewGame(QWidget* parent) {
    return AskYesNo(parent, QString::fromUtf8(kNewGameQuestion));
}

}  // namespace

bool AcceptsLowColourDisplay(QWidget* parent, const ScreenInfo& screen) {
    const QString question = FormatMessageText(
        kLowColourQuestion, {QString::number(screen.width), QString::number(screen.height),
                             QString::number(screen.bitsPerPixel)});
    return AskYesNo(parent, question, MessageIcon::Exclamation);
}

void CMainFrame::resetGame(bool discardPicture) {
    writeBeforeDiscard();
    ResetGame(game_, field_, discardPicture);
    if (discardPicture && preview_ != nullptr) {
        preview_->hide();
        preview_->setPicture(PictureBuffer());
    }
    gameTimer_->stop();
    timerDisplay_->setText(QString::fromStdString(game_.clock.displayText()));
    refreshProgress();
    RedrawField(field_, {.clear = true});
}

bool CMainFrame::loadPictureCommand(const QString& givenPath) {
    if (game_.isInProgress()) {
        if (!AsksForNewGame(this))
            return false;
        resetGame(true);
    } else if (game_.pictureLoaded) {
        resetGame(true);
    }
    const QString path = givenPath.isEmpty() ? askForPictureFile() : givenPath;
    if (path.isEmpty()) {
        game_.pictureName.clear();
        return false;
    }
    game_.pictureName = QFileInfo(path).completeBaseName().toStdString();
    LoadResult result = LoadPictureFile(path.toStdString());
    if (!result.isLoaded()) {
        game_.pictureName.clear();
        if (result.isOutOfMemory)
            ShowMessage(this, QString::fromUtf8(kOutOfMemoryMessage), MessageIcon::Error);
        else
            ShowMessage(this, FormatMessageText(kUnknownFormatMessage, {path}), MessageIcon::None);
        return false;
    }
    game_.picture = std::move(result.picture);
    game_.pictureLoaded = true;
    game_.pictureCut = false;
    game_.plan.pictureWidth = game_.picture.width();
    game_.plan.pictureHeight = game_.picture.height();
    AttachToField(game_, field_);
    showPicturePreview();
    return true;
}

QString CMainFrame::askForPictureFile() {
    COpenFileDlg dialog(this);
    dialog.setWindowTitle(QString::fromUtf8("Загрузить картинку"));
    const QStringList filters = {
        QString::fromUtf8("Все файлы (*.*)"),
        QString::fromUtf8(
            "Графические файлы - BMP, JPEG, PNG (*.bmp *.dib *.rle *.jpeg *.jpg *.jfif *.jfi "
            "*.png)"),
        QString::fromUtf8("Windows Bitmap - BMP, DIB, RLE (*.bmp *.dib)"),
        QString::fromUtf8("JPEG - JPEG, JPG, JFIF, JFI (*.jpeg *.jpg *.jfif *.jfi)"),
        QString::fromUtf8("Portable Network Graphics - PNG (*.png)"),
    };
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters[1]);
    const QString samplePictures = COpenFileDlg::SamplePicturesFolder();
    if (!samplePictures.isEmpty() && QFileInfo(samplePictures).isDir())
        dialog.setDirectory(samplePictures);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedPath();
}

bool CMainFrame::cutPictureCommand() {
    if (game_.elementsCreated) {
        if (game_.isInProgress() && !AsksForNewGame(this))
            return false;
        resetGame(false);
    }
    CSizePartDlg dialog(game_.plan, CutOptionsOf(settings_), this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool isApplied = dialog.planEditor().apply(game_.plan, settings_, dialog.cutOptions());
    if (isApplied) {
        // A picture enlarged many times over takes a while: the progress window shows it.
        progress_->setCaption(QString());  // "Секундочку..."
        game_.pictureCut = ResamplePicture(game_.picture, game_.plan.pictureWidth,
                                           game_.plan.pictureHeight, progress_.get());
        AttachToField(game_, field_);
        preview_->setPicture(game_.picture);
        preview_->fitHeightToPicture(game_.plan.pictureWidth, game_.plan.pictureHeight);
    }
    QApplication::restoreOverrideCursor();
    if (isApplied && !game_.pictureCut)
        ShowMessage(this, QString::fromUtf8(kOutOfMemoryMessage), MessageIcon::Error);
    return game_.pictureCut;
}

void CMainFrame::createElementsCommand() {
    if (game_.isInProgress() && !AsksForNewGame(this))
        return;
    game_.gameComplete = false;
    preview_->update();
    resetGame(false);
    if (settings_.rotateElements != 0) {
        game_.createAfterRotation = true;
        if (worker_.start(game_, field_, settings_,
                          [this](GameOutcome outcome) { reportOutcome(outcome); }))
            reportOutcome(GameOutcome::Rotating);
        return;
    }
    reportOutcome(CreateElements(game_, field_, settings_));
}

void CMainFrame::reportOutcome(GameOutcome outcome, const QString& path) {
    switch (outcome) {
        case GameOutcome::Created:
        case GameOutcome::Loaded:
            startTimerIfShown();
            // The keys go to the field again once the dialogs of the new game have closed.
            activateWindow();
            view_->setFocus();
            return;
        case GameOutcome::Rotating:
            workerPoll_->start();
            return;
        case GameOutcome::Busy:
        case GameOutcome::Refused:
        case GameOutcome::GameFileMissing:
            return;
        case GameOutcome::PictureUnreadable:
        case GameOutcome::UnknownFormat:
        case GameOutcome::Damaged:
            showReleasedGame();
            ShowMessage(this, FormatMessageText(kUnknownFormatMessage, {path}),
                        MessageIcon::Exclamation);
            return;
        // The worker reports these inside its hand-over: their boxes wait until it has let go,
        // so that it never waits on the player.
        case GameOutcome::LoadOutOfMemory:
            showReleasedGame();
            QTimer::singleShot(0, this, [this] {
                ShowMessage(this, QString::fromUtf8(kOutOfMemoryMessage), MessageIcon::Error);
            });
            return;
        case GameOutcome::CreationOutOfMemory:
            showReleasedGame();
            QTimer::singleShot(0, this, [this] {
                ShowMessage(this, QString::fromUtf8(kOutOfMemoryMessage), MessageIcon::Error);
                // The close request, asked although no game is in progress any more; on No the
                // program goes on with the picture cut.
                if (AskYesNo(this, QString::fromUtf8(kExitQuestion)))
                    close();
            });
            return;
    }
}

void CMainFrame::showReleasedGame() {
    resetGame(!game_.pictureLoaded);
}

void CMainFrame::waitForWorker() {
    // The worker may still have to hand over to this thread: keep the events flowing.
    while (game_.workerBusy)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker_.reap();
    workerPoll_->stop();
}

void CMainFrame::newGameCommand(const QString& picturePath) {
    if (!loadPictureCommand(picturePath) || !game_.pictureLoaded)
        return;
    if (!game_.pictureCut && !cutPictureCommand())
        return;
    if (game_.pictureCut)
        createElementsCommand();
}

void CMainFrame::openPicture(const QString& path) {
    if (game_.workerBusy)
        waitForWorker();
    letGoOfHeldElement();
    newGameCommand(QFileInfo(path).absoluteFilePath());
}

void CMainFrame::joined(JoinReaction reaction) {
    noteGameChange();
    refreshProgress();
    if (reaction == JoinReaction::Joined) {
        platform_->playSound(Sound::Join);
        return;
    }
    if (reaction == JoinReaction::CompletedNow)
        QTimer::singleShot(0, this, [this] { completed(); });
}

void CMainFrame::completed() {
    if (autosave_ != nullptr)
        autosave_->gameCompleted();
    gameTimer_->stop();
    timerDisplay_->setText(QString::fromStdString(game_.clock.displayText()));
    platform_->playSound(Sound::Completion);
    CompletionWindow window(this);
    window.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (game_.workerBusy)
        waitForWorker();
    if (game_.needsExitConfirmation() && !AskYesNo(this, QString::fromUtf8(kExitQuestion))) {
        event->ignore();
        return;
    }
    if (isFullScreenMode())
        toggleFullScreen();
    gameTimer_->stop();
    resetGame(true);
    endAutosave();
    if (help_ != nullptr)
        help_->close();
    preview_->close();
    overview_->close();
    sounds_->finishLoading();
    event->accept();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !game_.displayModeChanged)
        return;
    game_.displayModeChanged = false;
    const Viewport& v = field_.viewport;
    if (v.screenBitsPerPixel < 9 &&
        !AcceptsLowColourDisplay(this, {v.screenWidth, v.screenHeight, v.screenBitsPerPixel})) {
        game_.gameComplete = true;  // no exit question
        close();
        return;
    }
    if (game_.elementsCreated) {
        ShowMessage(this, QString::fromUtf8(kRecreateElementsMessage), MessageIcon::Information);
    } else if (game_.pictureLoaded) {
        ShowMessage(this, QString::fromUtf8(kReloadPictureMessage), MessageIcon::Information);
        RedrawField(field_, {.clear = true});
    }
}

void CMainFrame::refreshTimer() {
    refreshProgress();
    if (settings_.showTimer != 0)
        timerDisplay_->setText(QString::fromStdString(game_.clock.displayText()));
}

void CMainFrame::startTimerIfShown() {
    timerDisplay_->setVisible(settings_.showTimer != 0);
    if (settings_.showTimer != 0)
        gameTimer_->start();
    refreshTimer();
}

// Given only while the pause command is enabled (runCommand sees to it).
void CMainFrame::pause() {
    gameTimer_->stop();
    game_.clock.stop();
    FillWithBackground(field_.fieldPicture, field_.background);
    field_.notePictureReplaced();
    view_->repaint();
    CPauseDlg dialog(this);
    dialog.exec();
    game_.clock.resume();
    gameTimer_->start();
    RedrawField(field_, {.clear = true});
}

}  // namespace tessary
