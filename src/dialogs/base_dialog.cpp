#include "dialogs/base_dialog.h"

#include <QCursor>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

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
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

int CBaseDialog::helpTopicAt(QPoint /*pos*/) const {
    return 0;
}

void CBaseDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_F1) {
        QDialog::keyPressEvent(event);
        return;
    }
    int topic = HelpTopicAtPointer(this);
    if (topic == 0) {
        topic = helpTopicAt(mapFromGlobal(QCursor::pos()));
    }
    if (topic != 0) {
        RequestHelp(topic, true);
    }
    event->accept();
}

}  // namespace tessary
