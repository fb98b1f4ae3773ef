#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "dialogs/html_ctrl.h"

namespace tessary {
namespace {

// The window a CHtmlCtrl sits in; counts the context-menu requests that reach it.
class HostWindow : public QWidget {
public:
    HostWindow() : view(new CHtmlCtrl(this)) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(view);
        resize(320, 240);
    }

    CHtmlCtrl* view;
    int contextMenuRequests = 0;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        ++contextMenuRequests;
        event->accept();
    }
};

// Takes the addresses handed to the desktop's browser or mail program.
class DesktopRecorder : public QObject {
    Q_OBJECT

public:
    DesktopRecorder() {
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~DesktopRecorder() override {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    QStringList opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url.toString()); }

private:
    static constexpr const char* kSchemes[] = {"app", "http", "https", "mailto"};
};

void CloseAnyPopup() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

struct RightButtonRow {
    const char* name;
    bool isContextMenuHidden;
    bool isMenuShown;      // the view's own menu pops up
    int requestsToWindow;  // context-menu requests the window gets
};

TEST(HtmlCtrlTest, HiddenContextMenuSwallowsTheRightButtonAndTellsTheWindowOnRelease) {
    const RightButtonRow rows[] = {
        {"menu on: the view's own menu", false, true, 0},
        {"menu off: swallowed, one request on release", true, false, 1},
    };
    for (const RightButtonRow& row : rows) {
        SCOPED_TRACE(row.name);
        HostWindow host;
        host.view->setHtml(QStringLiteral("<p>Текст страницы</p>"));
        host.view->setContextMenuHidden(row.isContextMenuHidden);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));

        // Through the window, as the platform delivers them: the press also brings the
        // context-menu request of the platform.
        const QPoint onText = host.view->viewport()->mapTo(&host, QPoint(20, 10));
        QTest::mouseClick(host.windowHandle(), Qt::RightButton, {}, onText);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activePopupWidget() != nullptr, row.isMenuShown);
        CloseAnyPopup();
        EXPECT_EQ(host.contextMenuRequests, row.requestsToWindow);
        if (!row.isContextMenuHidden)
            continue;

        // Neither a double-click nor the keyboard's menu key brings the menu up.
        QTest::mouseDClick(host.windowHandle(), Qt::RightButton, {}, onText);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                  host.view->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(host.view, &menuKey);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        CloseAnyPopup();
    }
}

struct LinkRow {
    const char* name;
    const char* href;
    int command;                // posted by the view; 0 none
    const char* toDesktop;      // handed to the desktop; "" none
    const char* pageAfterward;  // the page the view shows after the click
};

TEST(HtmlCtrlTest, AppAddressesNeverNavigateAndOtherLinksGoWhereTheyCanBeShown) {
    const LinkRow rows[] = {
        {"app address in the table: its command", "app:controls", 32797, "", "first.html"},
        {"app address not in the table: nothing", "app:unknown", 0, "", "first.html"},
        {"web address: the desktop's browser", "https://www.kelvandor.example/", 0,
         "https://www.kelvandor.example/", "first.html"},
        {"mail address: the desktop's mail program", "mailto:tessary@kelvandor.example", 0,
         "mailto:tessary@kelvandor.example", "first.html"},
        {"another page of the program: shown in the view", "second.html", 0, "", "second.html"},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile second(folder.filePath(QStringLiteral("second.html")));
    ASSERT_TRUE(second.open(QIODevice::WriteOnly));
    second.write("<p>Second page</p>");
    second.close();

    for (const LinkRow& row : rows) {
        SCOPED_TRACE(row.name);
        QFile first(folder.filePath(QStringLiteral("first.html")));
        ASSERT_TRUE(first.open(QIODevice::WriteOnly | QIODevice::Truncate));
        first.write(QStringLiteral("<p><a href=\"%1\">follow this link</a></p>")
                        .arg(QLatin1String(row.href))
                        .toUtf8());
        first.close();

        DesktopRecorder desktop;
        HostWindow host;
        host.view->setAppCommands({{QStringLiteral("controls"), 32797}});
        QSignalSpy commands(host.view, &CHtmlCtrl::appCommand);
        host.view->setSource(QUrl::fromLocalFile(first.fileName()));
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));

        QTextCursor link = host.view->document()->find(QStringLiteral("follow this link"));
        ASSERT_FALSE(link.isNull());
        link.setPosition(link.selectionStart() + 3);
        const QPoint onLink = host.view->cursorRect(link).center();
        QTest::mouseClick(host.view->viewport(), Qt::LeftButton, {}, onLink);
        // A command is posted, not sent: it arrives once the click is over.
        EXPECT_TRUE(commands.isEmpty());
        QApplication::processEvents();

        if (row.command != 0) {
            ASSERT_EQ(commands.size(), 1);
            EXPECT_EQ(commands.at(0).at(0).toInt(), row.command);
        } else {
            EXPECT_TRUE(commands.isEmpty());
        }
        EXPECT_EQ(desktop.opened.join(QLatin1Char(' ')), QLatin1String(row.toDesktop));
        EXPECT_EQ(host.view->source().fileName(), QLatin1String(row.pageAfterward));
    }
}

}  // namespace
}  // namespace tessary

#include "html_ctrl_test.moc"
