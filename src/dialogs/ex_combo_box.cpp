#include "dialogs/ex_combo_box.h"

#include <QAbstractItemView>

namespace tessary {

CExComboBox::CExComboBox(QWidget* parent) : QComboBox(parent) {}

void CExComboBox::showPopup() {
    QComboBox::showPopup();
    if (dropDownHeight_ < 0) {
        return;
    }
    // The list's container is a top-level popup: keep its top edge, set its height.
    QWidget* popup = view()->window();
    popup->setGeometry(popup->x(), popup->y(), popup->width(), dropDownHeight_);
}

}  // namespace tessary
