#include "field/window/main_frame.h"

#include "core/extra_options_file.h"
#include "dialogs/extra_options_dlg.h"
#include "dialogs/message_box.h"
#include "game/message_texts.h"

// The extra options command and the file that keeps the options between runs.
namespace tessary {

void CMainFrame::useExtraOptionsFile(std::string path) {
    extraOptionsFile_ = std::move(path);
    field_.extraOptions = ReadExtraOptionsFile(extraOptionsFile_);
}

void CMainFrame::extraOptionsCommand() {
    CExtraOptionsDlg dialog(this);
    dialog.SetValues(field_.extraOptions);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The options take effect even when they cannot be kept: the player chose them.
    field_.extraOptions = dialog.GetValues();
    if (!WriteExtraOptionsFile(extraOptionsFile_, field_.extraOptions))
        ShowMessage(this,
                    FormatMessageText(kExtraOptionsFileFailedMessage,
                                      {QString::fromStdString(extraOptionsFile_)}),
                    MessageIcon::Error);
}

}  // namespace tessary
