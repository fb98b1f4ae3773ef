#include "field/window/help_window.h"

#include <QFileInfo>
#include <QKeyEvent>
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
    return QString::fromStdString(DataFilePath("help/tessary.html"));
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
    if (!isVisible()) {
        // Opens centred on the main window; once open it stays where the player put it.
        const QRect owner = parentWidget()->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

}  // namespace tessary
