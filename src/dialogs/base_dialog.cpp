#include "dialogs/base_dialog.h"

#include <QCursor>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

#include "dialogs/button_order.h"
#include "dialogs/help_request.h"

namespace tessary {

CBaseDialog::CBaseDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
}

QDialogButtonBox* CBaseDialog::makeOkCancelButtons() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("ОК"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    PinButtonOrder(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

std::optional<HelpTopic> CBaseDialog::helpTopicAt(QPoint /*pos*/) const {
    return std::nullopt;
}

void CBaseDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_F1) {
        QDialog::keyPressEvent(event);
        return;
    }
    std::optional<HelpTopic> topic = HelpTopicAtPointer(this);
    if (!topic) {
        topic = helpTopicAt(mapFromGlobal(QCursor::pos()));
    }
    if (topic) {
        RequestHelp(*topic, true);
    }
    event->accept();
}

}  // namespace tessary
