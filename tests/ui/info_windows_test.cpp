#include <QTest>
#include <QTextBrowser>

#include "field/window/command_ids.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

using InfoWindowsTest = UiFixture;

TEST_F(InfoWindowsTest, HelpCommandsOpenTheAboutAndControlsWindowsOverTheMainWindow) {
    struct Row {
        int command;
        const char* className;
    };
    for (const Row& row :
         {Row{kCmdAbout, "tessary::CAboutDlg"}, Row{kCmdControls, "tessary::CControlsDlg"}}) {
        SCOPED_TRACE(row.className);
        QString opened;
        WhenModal([this, &opened](QWidget* modal) {
            if (modal->parentWidget() == frame.get())
                opened = QLatin1String(modal->metaObject()->className());
            modal->close();
        });
        frame->runCommand(row.command);
        EXPECT_EQ(opened, QLatin1String(row.className));
    }
}

TEST_F(InfoWindowsTest, HelpOpensCentredOnTheMainWindowAndEscapeClosesIt) {
    frame->setGeometry(120, 90, 600, 420);
    frame->runCommand(kCmdHelp);
    auto* help = frame->findChild<QTextBrowser*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    const QPoint offCentre = help->frameGeometry().center() - frame->frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

}  // namespace
}  // namespace tessary::testing
