#pragma once

#include <QImage>

#include "dialogs/file_dlg.h"
#include "picture/load_result.h"

class QCheckBox;
class QLabel;

namespace tessary {

class PreviewBox;

/// Decodes a file for the open dialog's preview: by extension (bmp/dib, jpeg/jpg/jfif/jfi
/// reduced for a preview box of previewWidth x previewHeight, png over black), any other
/// extension tries bitmap, JPEG and PNG in turn.
LoadResult DecodePreviewFile(const QString& path, int previewWidth, int previewHeight);

/// The information text of a decoded picture: format, width, height, bits per pixel.
QString PictureInfoText(const PictureInfo& info);

/// The open-file dialog of the load-picture command: the standard (non-native) controls, and
/// under them the "&Просмотр" box, the information frame and a preview box showing the
/// selected picture scaled down. The caller sets the title, filters and selected filter.
class COpenFileDlg : public CFileDlg {
    Q_OBJECT

public:
    explicit COpenFileDlg(QWidget* parent);

    /// The information text currently shown (empty when nothing is previewed).
    QString informationText() const;
    /// Whether the preview box holds the selected file's picture.
    bool isPreviewValid() const { return previewValid_; }
    /// Inner size of the preview box in pixels.
    QSize previewBoxSize() const;

    /// Re-reads the preview for `path` (called on every change of the selected file).
    void updatePreview(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void togglePreview(bool isOn);

    QCheckBox* previewCheck_ = nullptr;
    QLabel* infoText_ = nullptr;
    PreviewBox* previewBox_ = nullptr;
    QString currentPath_;
    bool previewValid_ = false;
};

}  // namespace tessary
