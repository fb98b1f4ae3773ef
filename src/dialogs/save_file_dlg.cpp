#include "dialogs/save_file_dlg.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QPushButton>

#include "dialogs/save_option_dlg.h"

namespace tessary {
namespace {

constexpr int kGapUnderCancel = 6;

}  // namespace

CSaveFileDlg::CSaveFileDlg(QWidget* parent) : CFileDlg(Kind::Save, parent) {
    setFileMode(QFileDialog::AnyFile);
    setSizeGripEnabled(true);

    optionsButton_ = new QPushButton(QStringLiteral("Параметры"), this);
    optionsButton_->setObjectName(QStringLiteral("options"));
    optionsButton_->setAutoDefault(false);
    connect(optionsButton_, &QPushButton::clicked, this, &CSaveFileDlg::editOptions);

    connect(this, &QFileDialog::filterSelected, this, &CSaveFileDlg::useExtensionOf);

    // Qt's own dialog: a grid whose last column holds the buttons, Cancel under Save.
    auto* buttons = findChild<QDialogButtonBox*>();
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (buttons == nullptr || grid == nullptr ||
        buttons->button(QDialogButtonBox::Cancel) == nullptr)
        return;
    cancelButton_ = buttons->button(QDialogButtonBox::Cancel);
    buttons->installEventFilter(this);
    cancelButton_->installEventFilter(this);
    // The strip only makes room; the button is placed by hand, under Cancel.
    auto* strip = new QWidget(this);
    strip->setFixedHeight(cancelButton_->sizeHint().height() + kGapUnderCancel);
    grid->addWidget(strip, grid->rowCount(), 0, 1, grid->columnCount());
    optionsButton_->raise();  // over the strip, which would take its clicks
}

QString CSaveFileDlg::chosenExtension() const {
    const QString own = QFileInfo(selectedPath()).suffix();
    if (!own.isEmpty())
        return own;
    const qsizetype type = nameFilters().indexOf(selectedNameFilter());
    return type >= 0 && type < extensions_.size() ? extensions_.at(type) : QString();
}

void CSaveFileDlg::showEvent(QShowEvent* event) {
    // A default extension given before the dialog opened stands.
    if (defaultSuffix().isEmpty())
        useExtensionOf(selectedNameFilter());
    CFileDlg::showEvent(event);
    placeOptionsButton();
}

bool CSaveFileDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        placeOptionsButton();
    return CFileDlg::eventFilter(watched, event);
}

void CSaveFileDlg::useExtensionOf(const QString& filter) {
    const qsizetype type = nameFilters().indexOf(filter);
    if (type >= 0 && type < extensions_.size())
        setDefaultSuffix(extensions_.at(type));
}

void CSaveFileDlg::placeOptionsButton() {
    if (cancelButton_ == nullptr)
        return;
    const QPoint topLeft = cancelButton_->mapTo(this, QPoint(0, 0));
    optionsButton_->setGeometry(topLeft.x(),
                                topLeft.y() + cancelButton_->height() + kGapUnderCancel,
                                cancelButton_->width(), cancelButton_->height());
}

void CSaveFileDlg::editOptions() {
    CSaveOptionDlg dialog(jpegOptions_, this);
    if (dialog.exec() == QDialog::Accepted)
        jpegOptions_ = dialog.options();
}

}  // namespace tessary
