#pragma once

#include "dialogs/info_page_dlg.h"

namespace tessary {

/// The About window "О программе": the program's page with its logo, name, version, maker
/// and acknowledgements, 460 x 280 without a frame.
class CAboutDlg : public CInfoPageDlg {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace tessary
