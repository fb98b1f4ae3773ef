#include "dialogs/html_ctrl.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMouseEvent>

namespace tessary {
namespace {

constexpr QLatin1String kAppPrefix("app:");

// Addresses the view cannot show itself: they belong to the desktop's browser or mail program.
bool IsExternal(const QUrl& link) {
    const QString scheme = link.scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto") || scheme == QLatin1String("ftp");
}

}  // namespace

CHtmlCtrl::CHtmlCtrl(QWidget* parent) : QTextBrowser(parent) {
    // Every link goes through followLink, so that no "app:" address ever reaches the
    // browser's own navigation or the desktop.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &CHtmlCtrl::followLink);
}

void CHtmlCtrl::followLink(const QUrl& link) {
    const QString address = link.toString();
    if (address.startsWith(kAppPrefix)) {
        const auto found = appCommands_.constFind(address.mid(kAppPrefix.size()));
        if (found != appCommands_.constEnd()) {
            // Posted, as a menu command would be: the window acts once the click is over.
            QMetaObject::invokeMethod(
                this, [this, command = *found] { Q_EMIT appCommand(command); },
                Qt::QueuedConnection);
        }
        return;
    }
    if (IsExternal(link)) {
        QDesktopServices::openUrl(link);
        return;
    }
    setSource(link);
}

bool CHtmlCtrl::isSwallowed(const QMouseEvent* event) const {
    return isContextMenuHidden_ && event->button() == Qt::RightButton;
}

void CHtmlCtrl::contextMenuEvent(QContextMenuEvent* event) {
    if (isContextMenuHidden_) {
        event->accept();
        return;
    }
    QTextBrowser::contextMenuEvent(event);
}

void CHtmlCtrl::mousePressEvent(QMouseEvent* event) {
    if (isSwallowed(event)) {
        event->accept();
        return;
    }
    QTextBrowser::mousePressEvent(event);
}

void CHtmlCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (!isSwallowed(event)) {
        QTextBrowser::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    QWidget* owner = window();
    const QPoint global = event->globalPosition().toPoint();
    QCoreApplication::postEvent(
        owner, new QContextMenuEvent(QContextMenuEvent::Mouse, owner->mapFromGlobal(global), global,
                                     event->modifiers()));
}

void CHtmlCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (isSwallowed(event)) {
        event->accept();
        return;
    }
    QTextBrowser::mouseDoubleClickEvent(event);
}

}  // namespace tessary
