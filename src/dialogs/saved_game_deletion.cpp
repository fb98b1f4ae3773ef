#include "dialogs/saved_game_deletion.h"

#include <filesystem>
#include <system_error>

#include "dialogs/message_box.h"
#include "game/message_texts.h"
#include "persist/saved_game_store.h"

namespace tessary {

bool DeleteSavedGameTelling(QWidget* parent, const std::string& folder, const QString& name) {
    const std::string stem = name.toStdString();
    for (const std::string& file : DeleteSavedGame(folder, stem)) {
        ShowMessage(parent, FormatMessageText(kDeleteFailedMessage, {QString::fromStdString(file)}),
                    MessageIcon::Exclamation);
    }
    std::error_code error;
    return !std::filesystem::exists(SavedGamePath(folder, stem), error);
}

}  // namespace tessary
