#include "field/window/main_frame.h"

#include "core/extra_options_file.h"
#include "core/program_folder.h"
#include "dialogs/extra_options_dlg.h"
#include "dialogs/message_box.h"
#include "field/window/sound_player.h"
#include "game/message_texts.h"

// The extra options: their dialog, the sound item, and the file that keeps them between runs.
namespace tessary {

void CMainFrame::useExtraOptionsFile(std::string path) {
    extraOptionsFile_ = std::move(path);
    adoptExtraOptions(ReadExtraOptionsFile(extraOptionsFile_));
}

void CMainFrame::extraOptionsCommand() {
    CExtraOptionsDlg dialog(this);
    dialog.SetValues(field_.extraOptions);  // what it does not show, it hands back as it was
    if (dialog.exec() != QDialog::Accepted)
        return;
    keepExtraOptions(dialog.GetValues());
}

void CMainFrame::soundCommand() {
    ExtraOptions options = field_.extraOptions;
    options.sound = !options.sound;
    keepExtraOptions(options);
}

void CMainFrame::adoptExtraOptions(const ExtraOptions& options) {
    field_.extraOptions = options;
    sounds_->setOn(options.sound);
}

void CMainFrame::keepExtraOptions(const ExtraOptions& options) {
    // The options take effect even when they cannot be kept: the player chose them.
    adoptExtraOptions(options);
    CreateFolderOf(SettingsFilePath());  // where the options file lives
    if (!WriteExtraOptionsFile(extraOptionsFile_, field_.extraOptions))
        ShowMessage(this,
                    FormatMessageText(kExtraOptionsFileFailedMessage,
                                      {QString::fromStdString(extraOptionsFile_)}),
                    MessageIcon::Error);
}

}  // namespace tessary
