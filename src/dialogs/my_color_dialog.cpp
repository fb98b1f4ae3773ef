#include "dialogs/my_color_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include "dialogs/button_order.h"
#include "dialogs/custom_colors.h"

namespace tessary {

ColourRef ColourRefOf(const QColor& colour) {
    return MakeColourRef(colour.red(), colour.green(), colour.blue());
}

QColor QColorOf(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

CMyColorDialog::CMyColorDialog(ColourRef initial, QWidget* parent) : QColorDialog(parent) {
    // The non-native chooser: its 16 custom colours are the ones offered, and its texts
    // follow the program's translation.
    setOption(QColorDialog::DontUseNativeDialog);
    setCurrentColor(QColorOf(initial));
    for (QDialogButtonBox* buttons : findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setText(QStringLiteral("ОК"));
        }
        if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel)) {
            cancel->setText(QStringLiteral("Отмена"));
        }
        PinButtonOrder(buttons);
    }
    setWindowTitle(QStringLiteral("Выбор цвета"));
}

void CMyColorDialog::SetTitle(const QString& title) {
    if (!title.isEmpty()) {
        setWindowTitle(title);
    }
}

bool CMyColorDialog::run() {
    std::array<ColourRef, 16>& customs = CustomColors();
    for (int i = 0; i < static_cast<int>(customs.size()); ++i) {
        QColorDialog::setCustomColor(i, QColorOf(customs[i]));
    }
    const bool isAccepted = exec() == QDialog::Accepted;
    // Custom colours edited in the chooser stay edited, even when it is cancelled.
    for (int i = 0; i < static_cast<int>(customs.size()); ++i) {
        customs[i] = ColourRefOf(QColorDialog::customColor(i));
    }
    return isAccepted;
}

ColourRef CMyColorDialog::chosenColour() const {
    return ColourRefOf(selectedColor().isValid() ? selectedColor() : currentColor());
}

}  // namespace tessary
