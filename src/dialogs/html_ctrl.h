#pragma once

#include <QHash>
#include <QTextBrowser>

namespace tessary {

/// The HTML view the information windows show their pages in.
///
/// Links: an address "app:<name>" never navigates; when <name> is in the command table, its
/// command is posted (appCommand, queued). Web and mail addresses open in the desktop's own
/// browser or mail program, since the view shows only the program's pages; any other address
/// (another page of the program, an anchor) is shown in the view.
class CHtmlCtrl : public QTextBrowser {
    Q_OBJECT

public:
    explicit CHtmlCtrl(QWidget* parent);

    /// Switches the view's own context menu off (or on again). While it is off, right-button
    /// presses, releases and double-clicks and context-menu requests are swallowed, and a
    /// right-button release reaches the window as a context-menu request.
    void setContextMenuHidden(bool isHidden) { isContextMenuHidden_ = isHidden; }
    bool isContextMenuHidden() const { return isContextMenuHidden_; }

    /// The commands "app:<name>" addresses run, by name; empty unless set.
    void setAppCommands(QHash<QString, int> commands) { appCommands_ = std::move(commands); }

Q_SIGNALS:
    /// An "app:" address of the command table was followed.
    void appCommand(int command);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void followLink(const QUrl& link);
    /// Whether a mouse event is a right-button one to be swallowed.
    bool isSwallowed(const QMouseEvent* event) const;

    bool isContextMenuHidden_ = false;
    QHash<QString, int> appCommands_;
};

}  // namespace tessary
