#include "field/window/help_window.h"

#include <QFileInfo>
#include <QUrl>

#include "core/program_folder.h"

namespace tessary {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QString::fromUtf8("Справка Tessary"));
    setOpenExternalLinks(true);
    resize(640, 520);
}

QString HelpWindow::documentPath() {
    return QString::fromStdString(AppendFileName(ProgramFolder(), "help/tessary.html"));
}

void HelpWindow::showTopic(int topic) {
    const QString path = documentPath();
    if (QFileInfo::exists(path)) {
        QUrl url = QUrl::fromLocalFile(path);
        url.setFragment(QString::number(topic));
        setSource(url);
    } else {
        setPlainText(QString::fromUtf8("Файл справки %1 не найден.").arg(path));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace tessary
