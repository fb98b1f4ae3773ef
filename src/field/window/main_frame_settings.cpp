#include "field/window/main_frame.h"

#include <QLabel>
#include <QTimer>

#include "dialogs/param_dlg.h"
#include "field/field_drawing.h"
#include "field/window/preview_window.h"
#include "game/apply_play_settings.h"

// The settings command: the play group edited in the settings dialog and applied to the game.
namespace tessary {

void CMainFrame::settingsCommand() {
    CParamDlg dialog(this, ParamDlgHooks{[this] { repaintWindows(); },
                                         [this](ColourRef colour) { renderContour(colour); }});
    dialog.SetValues(PlaySettingsToEdit(settings_, lastValidThickness_));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (ApplyPlaySettings(game_, field_, settings_, dialog.GetValues()))
        applyTimerVisibility();
}

void CMainFrame::repaintWindows() {
    repaint();
    if (preview_->isVisible())
        preview_->repaint();
}

void CMainFrame::renderContour(std::uint32_t colour) {
    // The renderer takes the contour colour from the settings; the dialog puts the old one back
    // when it is cancelled.
    settings_.contourColor3D = static_cast<int32_t>(colour);
    RedrawField(field_);
}

void CMainFrame::applyTimerVisibility() {
    if (settings_.showTimer != 0) {
        if (!timerDisplay_->isHidden()) {
            timerDisplay_->update();
            return;
        }
        if (game_.isInProgress()) {
            gameTimer_->start();
            refreshTimer();
        }
        timerDisplay_->show();
    } else if (!timerDisplay_->isHidden()) {
        gameTimer_->stop();
        timerDisplay_->hide();
    } else {
        timerDisplay_->update();
    }
}

}  // namespace tessary
