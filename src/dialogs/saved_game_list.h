#pragma once

#include <QListWidget>

#include <string>

namespace tessary {

/// The list of saved games of both saved-game dialogs: the names ListSavedGames finds in the
/// folder when the list is made, in that order, one selectable at a time.
class SavedGameList : public QListWidget {
public:
    SavedGameList(std::string folder, QWidget* parent);

    const std::string& folder() const { return folder_; }

    /// The row of the entry that is `name` as a whole, letter case aside (an entry of exactly
    /// that spelling first); -1 for none.
    int findName(const QString& name) const;

    bool hasSelection() const { return !selectedItems().isEmpty(); }
    /// The selected entry's text; empty when none is selected.
    QString selectedName() const;

    /// Selects `row` (none for -1) without the selection-change notification: for changes the
    /// dialog makes itself, not the player.
    void selectQuietly(int row);

    /// "&Удалить": asks to delete the selected game and, on Yes, deletes its files, removes
    /// its entry (unless its game file could not be deleted) and clears the selection. True
    /// when the player confirmed.
    bool deleteSelected();

private:
    std::string folder_;
};

}  // namespace tessary
