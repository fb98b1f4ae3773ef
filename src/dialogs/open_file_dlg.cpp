#include "dialogs/open_file_dlg.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <filesystem>

#include "dialogs/help_request.h"
#include "dialogs/picture_image.h"
#include "dialogs/preview_box.h"
#include "dialogs/screen_scale.h"
#include "picture/bmp_reader.h"
#include "picture/jpeg_reader.h"
#include "picture/picture_type.h"
#include "picture/png_reader.h"

namespace tessary {
namespace {

constexpr ColourRef kBlack = 0;
constexpr int kInformationLines = 7;

std::filesystem::path FilePath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

}  // namespace

LoadResult DecodePreviewFile(const QString& path, int previewWidth, int previewHeight) {
    const std::filesystem::path file = FilePath(path);
    const PreviewSize box{previewWidth, previewHeight};
    switch (PictureTypeFromExtension(QFileInfo(path).suffix().toStdString())) {
        case kPictureTypeBmp:
            return LoadBmpFile(file);
        case kPictureTypeJpeg:
            return LoadJpegFile(file, box);
        case kPictureTypePng:
            return LoadPngFile(file, kBlack);
        case kPictureTypeUnknown:
            break;
    }
    if (LoadResult bmp = LoadBmpFile(file); bmp.isLoaded()) {
        return bmp;
    }
    if (LoadResult jpeg = LoadJpegFile(file, box); jpeg.isLoaded()) {
        return jpeg;
    }
    return LoadPngFile(file, kBlack);
}

QString PictureInfoText(const PictureInfo& info) {
    return QStringLiteral(
               "Формат     %1\n\nШирина      %2\n\nВысота      %3\n\nЦвет          %4-бит")
        .arg(QString::fromStdString(info.formatName))
        .arg(info.width)
        .arg(info.height)
        .arg(info.bitsPerPixel);
}

COpenFileDlg::COpenFileDlg(QWidget* parent) : CFileDlg(Kind::Open, parent) {
    setOption(QFileDialog::ReadOnly);
    setFileMode(QFileDialog::ExistingFile);

    auto* extra = new QWidget(this);
    previewCheck_ = new QCheckBox(QStringLiteral("&Просмотр"), extra);
    previewCheck_->setChecked(true);
    auto* frame = new QFrame(extra);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);  // etched
    frame->setMinimumSize(ScaleX(201), ScaleY(115));
    infoText_ = new QLabel(frame);
    infoText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the seven lines of the text from the start, so that the dialog is sized for it.
    infoText_->setMinimumHeight(infoText_->fontMetrics().lineSpacing() * kInformationLines);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(ScaleX(9), ScaleY(11), ScaleX(9), ScaleY(9));
    frameLayout->addWidget(infoText_);
    previewBox_ = new PreviewBox(ScaleY(143), extra);

    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(previewCheck_);
    left->addStretch();
    left->addWidget(frame);
    auto* row = new QHBoxLayout(extra);
    row->setContentsMargins(ScaleX(12), 0, 0, 0);
    row->addLayout(left);
    row->addSpacing(ScaleX(15));
    row->addWidget(previewBox_);
    row->addStretch();

    SetHelpTopic(previewCheck_, HelpTopic::OpenPreviewCheck);
    SetHelpTopic(infoText_, HelpTopic::OpenInformation);
    SetHelpTopic(previewBox_, HelpTopic::OpenPreviewBox);

    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (grid != nullptr) {
        grid->addWidget(extra, grid->rowCount(), 0, 1, grid->columnCount());
    }
    connect(this, &QFileDialog::currentChanged, this, [this](const QString& path) {
        currentPath_ = path;
        if (previewCheck_->isChecked()) {
            updatePreview(path);
        }
    });
    connect(previewCheck_, &QCheckBox::toggled, this, &COpenFileDlg::togglePreview);
}

QString COpenFileDlg::informationText() const {
    return infoText_->text();
}

QSize COpenFileDlg::previewBoxSize() const {
    return previewBox_->innerSize();
}

void COpenFileDlg::updatePreview(const QString& path) {
    currentPath_ = path;
    const QSize box = previewBoxSize();
    LoadResult decoded = path.isEmpty() || QFileInfo(path).isDir()
                             ? LoadResult{}
                             : DecodePreviewFile(path, box.width(), box.height());
    QImage image = ImageOfPicture(decoded.picture);
    previewValid_ = !image.isNull();
    infoText_->setText(previewValid_ ? PictureInfoText(decoded.info) : QString());
    previewBox_->setImage(image);
}

void COpenFileDlg::togglePreview(bool isOn) {
    if (isOn)
        SetHelpTopic(infoText_, HelpTopic::OpenInformation);
    else
        ClearHelpTopic(infoText_);
    if (isOn) {
        updatePreview(currentPath_);
        return;
    }
    previewValid_ = false;
    infoText_->clear();
    previewBox_->setImage({});
}

void COpenFileDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (const std::optional<HelpTopic> topic = HelpTopicAtPointer(this)) {
            RequestHelp(*topic, true);
        }
        event->accept();
        return;
    }
    CFileDlg::keyPressEvent(event);
}

}  // namespace tessary
