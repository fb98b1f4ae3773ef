#pragma once

#include <vector>

#include "dialogs/base_dialog.h"
#include "persist/autosave_slots.h"

class QTreeWidget;

namespace tessary {

/// A game the automatic save keeps, as the restore dialog lists it.
struct InterruptedGame {
    AutosaveSlot slot = AutosaveSlot::Current;
    AutosaveSlotSummary summary;
};

/// The dialog "Вернуть прерванную игру": lists the interrupted games, one a row, with their
/// picture name, piece count, time played and when they were interrupted (local time), the
/// first one picked to begin with. OK, or a double click on a row, closes with the picked game;
/// "Отмена" closes without one. F1 opens its help.
///
/// Controls carry object names for tests: games.
class CRestoreGameDlg : public CBaseDialog {
    Q_OBJECT

public:
    CRestoreGameDlg(std::vector<InterruptedGame> games, QWidget* parent);

    /// The picked game once the dialog closed with OK.
    const InterruptedGame& chosenGame() const;

protected:
    std::optional<HelpTopic> helpTopicAt(QPoint pos) const override;

private:
    std::vector<InterruptedGame> games_;
    QTreeWidget* list_ = nullptr;
};

}  // namespace tessary
