#include "field/window/field_view.h"
#include "field/window/main_frame.h"
#include "field/window/overview_window.h"

// The overview window's command.
namespace tessary {

void CMainFrame::overviewCommand() {
    overview_->toggleOverview(QRect(view_->mapToGlobal(QPoint(0, 0)), view_->size()));
    activateWindow();
}

}  // namespace tessary
