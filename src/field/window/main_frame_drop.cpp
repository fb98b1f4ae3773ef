#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

#include "field/window/command_ids.h"
#include "field/window/dropped_picture.h"
#include "field/window/main_frame.h"

// The main window as a drop target for picture files from a file manager.
namespace tessary {

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (isCommandEnabled(kCmdLoadPicture) && !DroppedPicturePath(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = DroppedPicturePath(*event->mimeData());
    if (path.isEmpty() || !isCommandEnabled(kCmdLoadPicture))
        return;
    event->acceptProposedAction();
    // The file manager waits until the drop is answered: the questions and dialogs of the new
    // game come after it.
    QTimer::singleShot(0, this, [this, path] { openPicture(path); });
}

}  // namespace tessary
