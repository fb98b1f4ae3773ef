#pragma once

#include <string>

#include "dialogs/base_dialog.h"

class QPushButton;

namespace tessary {

class SavedGameList;

/// The dialog "Загрузить игру": picks one of the saved games of `folder`, the first one to
/// begin with. "&Удалить" deletes the picked game at once; "&Загрузить" closes with OK even when
/// nothing is picked, and the chosen name is then empty. F1 opens the help.
///
/// Controls carry object names for tests: games, load, delete, cancel.
class CLoadGameDlg : public CBaseDialog {
    Q_OBJECT

public:
    CLoadGameDlg(std::string folder, QWidget* parent);

    /// The picked game's name once the dialog closed with OK; empty when none was picked.
    const QString& chosenName() const { return chosenName_; }

protected:
    std::optional<HelpTopic> helpTopicAt(QPoint pos) const override;

private:
    void selectionChanged();
    void loadClicked();

    SavedGameList* list_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QString chosenName_;
};

}  // namespace tessary
