#pragma once

#include "dialogs/info_page_dlg.h"

namespace tessary {

/// The Controls window "Управление": the table of mouse actions and keys, 480 x 360 in a
/// sunken frame.
class CControlsDlg : public CInfoPageDlg {
    Q_OBJECT

public:
    explicit CControlsDlg(QWidget* parent);
};

}  // namespace tessary
