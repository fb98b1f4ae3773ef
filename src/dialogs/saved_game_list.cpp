#include "dialogs/saved_game_list.h"

#include <QSignalBlocker>

#include "dialogs/message_box.h"
#include "dialogs/saved_game_deletion.h"
#include "game/message_texts.h"
#include "persist/saved_game_store.h"

namespace tessary {

SavedGameList::SavedGameList(std::string folder, QWidget* parent)
    : QListWidget(parent), folder_(std::move(folder)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& name : ListSavedGames(folder_)) {
        addItem(QString::fromStdString(name));
    }
}

int SavedGameList::findName(const QString& name) const {
    int found = -1;
    for (int row = 0; row < count(); ++row) {
        const QString entry = item(row)->text();
        if (entry == name) {
            return row;
        }
        if (found < 0 && entry.compare(name, Qt::CaseInsensitive) == 0) {
            found = row;
        }
    }
    return found;
}

QString SavedGameList::selectedName() const {
    const QListWidgetItem* entry = selectedItems().value(0);
    return entry == nullptr ? QString() : entry->text();
}

void SavedGameList::selectQuietly(int row) {
    const QSignalBlocker quiet(this);
    if (row < 0) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(row);
    scrollToItem(item(row));
}

bool SavedGameList::deleteSelected() {
    QListWidgetItem* entry = selectedItems().value(0);
    if (entry == nullptr || entry->text().isEmpty() ||
        !AskYesNo(window(), FormatMessageText(kDeleteSavedGameQuestion, {entry->text()}))) {
        return false;
    }
    // A game whose game file stays on disk is still a saved game: its entry stays too.
    if (DeleteSavedGameTelling(window(), folder_, entry->text())) {
        const QSignalBlocker quiet(this);  // the dialog clears the selection itself
        delete takeItem(row(entry));
    }
    selectQuietly(-1);
    return true;
}

}  // namespace tessary
