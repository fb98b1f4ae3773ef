#include "dialogs/controls_dlg.h"

namespace tessary {

CControlsDlg::CControlsDlg(QWidget* parent)
    : CInfoPageDlg({QStringLiteral("Управление"), QUrl(QStringLiteral("qrc:/pages/controls.html")),
                    QSize(480, 360), true, 4},
                   parent) {}

}  // namespace tessary
