#include "dialogs/pause_dlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessary {

CPauseDlg::CPauseDlg(QWidget* parent) : CBaseDialog(QString(), parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(200, 40);
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    bold.setPointSize(12);
    setFont(bold);
    if (parent != nullptr)
        move(parent->geometry().center() - rect().center());
}

void CPauseDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));  // the thin border
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter, QString::fromUtf8("ПАУЗА"));
}

void CPauseDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Pause:
        case Qt::Key_Escape:
        case Qt::Key_Space:
            reject();
            return;
        default:
            CBaseDialog::keyPressEvent(event);
    }
}

void CPauseDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        reject();
}

}  // namespace tessary
