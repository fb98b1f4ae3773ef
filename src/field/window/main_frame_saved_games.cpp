#include "field/window/main_frame.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <filesystem>
#include <system_error>

#include "dialogs/load_game_dlg.h"
#include "dialogs/message_box.h"
#include "dialogs/save_game_dlg.h"
#include "dialogs/saved_game_deletion.h"
#include "field/window/field_view.h"
#include "field/window/game_assets.h"
#include "field/window/preview_window.h"
#include "game/message_texts.h"
#include "persist/load_game.h"
#include "persist/save_game.h"

// The main window's saved games: saving the game in progress under a name and loading a saved
// game in place of the current one.
namespace tessary {
namespace {

// A name that differs from the replaced game's only in letter case is saved under the new
// spelling; on a file system that tells case apart the old spelling's files would stay beside
// the new ones and the game would be listed twice.
void DeleteOldSpelling(QWidget* parent, const std::string& folder, const QString& saved,
                       const QString& replaced) {
    if (replaced.isEmpty() || replaced == saved)
        return;
    std::error_code error;
    const bool isSameFile =
        std::filesystem::equivalent(SavedGamePath(folder, saved.toStdString()),
                                    SavedGamePath(folder, replaced.toStdString()), error);
    if (!isSameFile && !error)
        DeleteSavedGameTelling(parent, folder, replaced);
}

}  // namespace

void CMainFrame::saveGameCommand() {
    CSaveGameDlg dialog(QString::fromStdString(game_.pictureName), savedGamesFolder_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The stored time is the play time up to this moment; the clock runs on from it, so the
    // display neither jumps nor counts the time in the dialog twice.
    if (game_.clock.isRunning())
        game_.clock.start(game_.clock.elapsedSeconds());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SaveResult result =
        SaveGame(game_, field_, settings_, savedGamesFolder_, dialog.chosenName().toStdString());
    QApplication::restoreOverrideCursor();
    if (result == SaveResult::NoGameInProgress)
        return;
    if (result != SaveResult::Saved) {
        // An earlier save of this name is left as it was.
        ShowMessage(this, QString::fromUtf8(kSaveFailedMessage), MessageIcon::Error);
        return;
    }
    DeleteOldSpelling(this, savedGamesFolder_, dialog.chosenName(), dialog.replacedName());
}

void CMainFrame::loadGameCommand() {
    CLoadGameDlg dialog(savedGamesFolder_, this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenName().isEmpty() ||
        !game_.canChangeGame())
        return;
    const std::string name = dialog.chosenName().toStdString();
    replaceGame([this, &name](RotationWorker::Report report) {
        return LoadSavedGame(game_, field_, settings_, worker_, std::move(report),
                             savedGamesFolder_, name);
    });
}

void CMainFrame::replaceGame(const std::function<LoadGameResult(RotationWorker::Report)>& load) {
    resetGame(true);  // without a question: the player chose to load
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const LoadGameResult result = load([this](GameOutcome o) { reportOutcome(o); });
    QApplication::restoreOverrideCursor();

    // The stored settings are in force now, the background among them.
    if (LoadTexture(settings_.backgroundBitmapId).isEmpty())
        settings_.backgroundBitmapId = GameSettings().backgroundBitmapId;
    applyBackground();
    // The picture stays also without a game file, ready to be cut.
    if (game_.pictureLoaded)
        showPicturePreview();
    reportOutcome(result.outcome, QString::fromStdString(result.path));
}

void CMainFrame::showPicturePreview() {
    preview_->setPicture(game_.picture);
    const QRect client(view_->mapToGlobal(QPoint(0, 0)), view_->size());
    const QSize screen(field_.viewport.screenWidth, field_.viewport.screenHeight);
    preview_->togglePreview(client, screen);
    if (!preview_->isVisible())
        preview_->togglePreview(client, screen);
    activateWindow();
}

}  // namespace tessary
