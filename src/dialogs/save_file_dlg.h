#pragma once

#include <QStringList>

#include "dialogs/file_dlg.h"
#include "picture/jpeg_writer.h"

class QPushButton;

namespace tessary {

/// The save dialog of the capture commands: the standard (non-native) save controls, asking
/// before a file is replaced, and a strip under them with the button "Параметры", kept under
/// the Cancel button, which edits the JPEG options in CSaveOptionDlg. The extension of the
/// chosen file type is added to a name typed without one. The caller sets the title, the
/// filters, their extensions and the preselected filter.
class CSaveFileDlg : public CFileDlg {
    Q_OBJECT

public:
    explicit CSaveFileDlg(QWidget* parent);

    /// The JPEG options the "Параметры" button edits; the defaults at construction.
    void setJpegOptions(const JpegOptions& options) { jpegOptions_ = options; }
    const JpegOptions& jpegOptions() const { return jpegOptions_; }

    /// The default extensions (without dot), one per type filter in filter order.
    void setExtensions(const QStringList& extensions) { extensions_ = extensions; }

    /// The extension that decides how the chosen file is written: the path's own, or the
    /// selected type's when the path has none.
    QString chosenExtension() const;

    /// The "Параметры" button.
    QPushButton* optionsButton() const { return optionsButton_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void useExtensionOf(const QString& filter);
    void placeOptionsButton();
    void editOptions();

    JpegOptions jpegOptions_;
    QStringList extensions_;
    QPushButton* optionsButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;  // the standard Cancel, which optionsButton_ sits under
};

}  // namespace tessary
