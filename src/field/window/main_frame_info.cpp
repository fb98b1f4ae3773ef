#include "field/window/main_frame.h"

#include "dialogs/about_dlg.h"
#include "dialogs/controls_dlg.h"

// The information windows of the Help menu.
namespace tessary {

void CMainFrame::aboutCommand() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::controlsCommand() {
    CControlsDlg dialog(this);
    dialog.exec();
}

}  // namespace tessary
