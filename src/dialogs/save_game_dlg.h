#pragma once

#include <string>

#include "dialogs/base_dialog.h"

class QLineEdit;
class QPushButton;

namespace tessary {

class SavedGameList;

/// The dialog "Сохранить игру": the name of the game to save, typed or picked from the saved
/// games of `folder`. A typed name that is a listed name apart from letter case picks that
/// entry; saving over an entry asks first, and a new name is refused while the folder holds
/// kMaxSavedGames games. "&Удалить" deletes the picked game at once. F1 opens the help.
///
/// Controls carry object names for tests: name, games, save, delete, cancel.
class CSaveGameDlg : public CBaseDialog {
    Q_OBJECT

public:
    /// Opens on the games in `folder` with `proposedName` typed in (none when empty).
    CSaveGameDlg(const QString& proposedName, std::string folder, QWidget* parent);

    /// The name to save under, as typed; set when the dialog closed with OK.
    const QString& chosenName() const { return chosenName_; }
    /// The listed game the chosen name replaces: the chosen name itself, or a listed name that
    /// differs from it only in letter case; empty for a new name.
    const QString& replacedName() const { return replacedName_; }

protected:
    std::optional<HelpTopic> helpTopicAt(QPoint pos) const override;

private:
    void nameChanged(const QString& text);
    void selectionChanged();
    void saveClicked();
    void deleteClicked();

    QLineEdit* nameEdit_ = nullptr;
    SavedGameList* list_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QString chosenName_;
    QString replacedName_;
};

}  // namespace tessary
