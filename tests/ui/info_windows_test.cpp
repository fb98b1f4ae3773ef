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

}  // namespace
}  // namespace tessary::testing
