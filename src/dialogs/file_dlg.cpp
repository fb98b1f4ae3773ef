#include "dialogs/file_dlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "core/program_folder.h"
#include "dialogs/button_order.h"

namespace tessary {
namespace {

// The folder of the last accepted choice of each kind, shared by every dialog of the run.
QString& LastFolder(CFileDlg::Kind kind) {
    static QString open;
    static QString save;
    return kind == CFileDlg::Kind::Open ? open : save;
}

// The sample pictures among the program's data, installed or not.
QString SamplePictures() {
    return QString::fromStdString(DataFilePath("pictures"));
}

QString FirstFolder(CFileDlg::Kind kind) {
    if (kind == CFileDlg::Kind::Open && !ProgramFiles().isInstalled)
        return SamplePictures();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

}  // namespace

CFileDlg::CFileDlg(Kind kind, QWidget* parent) : QFileDialog(parent), kind_(kind) {
    // The standard controls must be Qt's own so that the extra ones can go under them.
    setOption(QFileDialog::DontUseNativeDialog);
    const bool isOpen = kind == Kind::Open;
    setAcceptMode(isOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    setLabelText(QFileDialog::FileType,
                 isOpen ? QStringLiteral("Тип файлов:") : QStringLiteral("Тип файла:"));
    setLabelText(QFileDialog::Accept,
                 isOpen ? QStringLiteral("&Открыть") : QStringLiteral("&Сохранить"));
    setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    setDirectory(StartFolder(kind));
    if (isOpen && ProgramFiles().isInstalled) {
        // The sample pictures are one click away from wherever the dialog starts.
        QList<QUrl> places = sidebarUrls();
        places.append(QUrl::fromLocalFile(SamplePictures()));
        setSidebarUrls(places);
    }
    if (auto* buttons = findChild<QDialogButtonBox*>())
        PinButtonOrder(buttons);
}

QString CFileDlg::selectedPath() const {
    if (result() != QDialog::Accepted || selectedFiles().isEmpty())
        return {};
    return selectedFiles().constFirst();
}

QString CFileDlg::SamplePicturesFolder() {
    return ProgramFiles().isInstalled ? QString() : SamplePictures();
}

QString CFileDlg::StartFolder(Kind kind) {
    const QString& last = LastFolder(kind);
    return last.isEmpty() ? FirstFolder(kind) : last;
}

void CFileDlg::done(int result) {
    if (result == QDialog::Accepted && !selectedFiles().isEmpty())
        LastFolder(kind_) = QFileInfo(selectedFiles().constFirst()).absolutePath();
    QFileDialog::done(result);
}

}  // namespace tessary
