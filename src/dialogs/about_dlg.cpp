#include "dialogs/about_dlg.h"

namespace tessary {

CAboutDlg::CAboutDlg(QWidget* parent)
    : CInfoPageDlg({QStringLiteral("О программе"), QUrl(QStringLiteral("qrc:/pages/about.html")),
                    QSize(460, 280), false, 0},
                   parent) {}

}  // namespace tessary
