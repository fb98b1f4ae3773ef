#pragma once

#include "dialogs/base_dialog.h"

namespace tessary {

/// The pause window: a small captionless box reading "ПАУЗА". Enter, Pause, Esc and Space or a
/// double-click of the left or right button close it (as a cancel).
class CPauseDlg : public CBaseDialog {
    Q_OBJECT

public:
    explicit CPauseDlg(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace tessary
