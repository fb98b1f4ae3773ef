#include "field/window/progress_window.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace tessary {

ProgressWindow::~ProgressWindow() {
    end();
}

void ProgressWindow::begin(int range) {
    range_ = range > 0 ? range : 1;
    position_ = 0;
    started_.start();
    if (owner_ != nullptr && owner_->isEnabled()) {
        owner_->setEnabled(false);
        isOwnerDisabled_ = true;
    }
}

void ProgressWindow::step() {
    QCoreApplication::processEvents();
    if (position_ < range_)
        ++position_;
    if (dialog_ == nullptr && started_.elapsed() > kShowAfterMilliseconds)
        show();
    if (dialog_ == nullptr)
        return;
    bar_->setValue(position_);
    const QString newText = text();
    if (label_->text() != newText)
        label_->setText(newText);
}

void ProgressWindow::end() {
    delete dialog_;
    dialog_ = nullptr;
    label_ = nullptr;
    bar_ = nullptr;
    if (isOwnerDisabled_ && owner_ != nullptr)
        owner_->setEnabled(true);
    isOwnerDisabled_ = false;
}

QString ProgressWindow::text() const {
    int percent = position_ * 100 / range_;
    if (percent != 100)
        percent %= 100;
    return QString::fromUtf8("Завершено %1%").arg(percent);
}

void ProgressWindow::show() {
    dialog_ = new QDialog(owner_, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog_->setWindowTitle(caption_.isEmpty() ? QString::fromUtf8("Секундочку...") : caption_);
    auto* layout = new QVBoxLayout(dialog_);
    label_ = new QLabel(QString::fromUtf8("Выполнено 0%"), dialog_);
    bar_ = new QProgressBar(dialog_);
    bar_->setRange(0, range_);
    bar_->setTextVisible(false);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    dialog_->setFixedWidth(280);
    dialog_->setEnabled(true);
    dialog_->show();
}

}  // namespace tessary
