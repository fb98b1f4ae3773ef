#include "field/window/main_frame.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>

#include <vector>

#include "dialogs/message_box.h"
#include "dialogs/restore_game_dlg.h"
#include "game/message_texts.h"

// The main window's part in the automatic save: the session's start and end, the occasions it
// is given to write the game, and getting an interrupted game back.
namespace tessary {
namespace {

// How often the game is offered to the automatic save during play; it writes only when due.
constexpr int kAutosaveTimerMilliseconds = 10'000;

}  // namespace

void CMainFrame::beginAutosave(const std::filesystem::path& folder) {
    autosave_ = std::make_unique<Autosave>(folder);
    autosaveTimer_ = new QTimer(this);
    autosaveTimer_->setInterval(kAutosaveTimerMilliseconds);
    connect(autosaveTimer_, &QTimer::timeout, this,
            [this] { autosave_->writeIfDue(game_, field_, settings_); });
    autosaveTimer_->start();
    // The desktop session ends: the program may not get to its exit.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { writeBeforeDiscard(); });

    if (autosave_->beginSession() &&
        AskYesNo(this, QString::fromUtf8(kContinueInterruptedQuestion))) {
        replaceGame([this](RotationWorker::Report report) {
            return autosave_->restore(AutosaveSlot::Current, game_, field_, settings_, worker_,
                                      std::move(report));
        });
    }
}

void CMainFrame::quitBySignal() {
    if (game_.workerBusy)
        waitForWorker();
    writeBeforeDiscard();
    // Not quit(): that closes the windows, and the close request would ask its question.
    QCoreApplication::exit(0);
}

void CMainFrame::noteGameChange() {
    if (autosave_ != nullptr)
        autosave_->noteChange(game_);
}

void CMainFrame::writeBeforeDiscard() {
    if (autosave_ != nullptr)
        autosave_->writeBeforeDiscard(game_, field_, settings_);
}

void CMainFrame::endAutosave() {
    if (autosave_ != nullptr && !autosave_->endSession())
        ShowMessage(this, QString::fromUtf8(kAutosaveFailedMessage), MessageIcon::Error);
}

bool CMainFrame::hasInterruptedGame() {
    return autosave_ != nullptr && (autosave_->describe(AutosaveSlot::Current) ||
                                    autosave_->describe(AutosaveSlot::Previous));
}

void CMainFrame::restoreGameCommand() {
    if (autosave_ == nullptr)
        return;
    // The game in progress goes to its slot first, so that the list shows the slots as they
    // will be when the chosen one is loaded.
    writeBeforeDiscard();
    std::vector<InterruptedGame> games;
    for (AutosaveSlot slot : {AutosaveSlot::Current, AutosaveSlot::Previous}) {
        if (const auto summary = autosave_->describe(slot))
            games.push_back({slot, *summary});
    }
    if (games.empty())
        return;
    CRestoreGameDlg dialog(std::move(games), this);
    if (dialog.exec() != QDialog::Accepted || !game_.canChangeGame())
        return;
    const InterruptedGame chosen = dialog.chosenGame();
    replaceGame([this, chosen](RotationWorker::Report report) {
        // Writing the discarded game may have moved the chosen one to the other slot (a write
        // that failed before the list was made and succeeded now).
        AutosaveSlot slot = chosen.slot;
        for (AutosaveSlot other : {AutosaveSlot::Current, AutosaveSlot::Previous}) {
            const auto summary = autosave_->describe(other);
            if (summary && chosen.summary.gameId != 0 && summary->gameId == chosen.summary.gameId)
                slot = other;
        }
        return autosave_->restore(slot, game_, field_, settings_, worker_, std::move(report));
    });
}

}  // namespace tessary
