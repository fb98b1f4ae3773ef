#include <QCheckBox>
#include <QCursor>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/extra_options_file.h"
#include "core/program_folder.h"
#include "dialogs/extra_options_dlg.h"
#include "dialogs/help_request.h"
#include "field/platform.h"
#include "field/window/command_ids.h"
#include "field/window/main_menus.h"
#include "game/message_texts.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

std::optional<std::string> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// The extra options of a window whose options file is in a folder of the test's own, as if the
// settings file were there.
class ExtraOptionsTest : public UiFixture {
protected:
    ExtraOptionsTest()
        : optionsFile(
              ExtraOptionsPathBeside(AppendFileName(folder.path().toStdString(), "settings.cfg"))),
          settingsBefore(FileBytes(SettingsFilePath())) {}

    // Opens the dialog with `trigger`, lets `act` work on it, then closes it with OK or Cancel.
    void runDialog(const std::function<void()>& trigger,
                   const std::function<void(CExtraOptionsDlg&)>& act, bool isConfirmed) {
        bool isShown = false;
        WhenModal<CExtraOptionsDlg>([&](CExtraOptionsDlg* dialog) {
            isShown = true;
            act(*dialog);
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            buttons->button(isConfirmed ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->reject();
            }
        });
        trigger();
        EXPECT_TRUE(isShown);
    }

    static QCheckBox* box(CExtraOptionsDlg& dialog, const char* name) {
        return dialog.findChild<QCheckBox*>(QLatin1String(name));
    }

    static std::vector<bool> ticks(CExtraOptionsDlg& dialog) {
        return {box(dialog, "showWholeBlock")->isChecked(),
                box(dialog, "scrollWhileCarrying")->isChecked(),
                box(dialog, "layoutWithoutOverlap")->isChecked()};
    }

    QTemporaryDir folder;
    const std::string optionsFile;
    const std::optional<std::string> settingsBefore;  // the program's settings file, if any
};

TEST_F(ExtraOptionsTest, MenuItemOpensTheDialogAndOkKeepsTheOptionsInTheirOwnFile) {
    // A damaged file is read as the defaults and stays as it is until the player saves.
    const std::string damaged("[Tessary]\nshow_whole_block=1\n\0\xff", 31);
    WriteBytes(optionsFile, damaged);
    frame->useExtraOptionsFile(optionsFile);
    EXPECT_EQ(frame->field().extraOptions, ExtraOptions{});
    EXPECT_EQ(FileBytes(optionsFile), damaged);

    // Under "&Настройки..." in the game menu and in the full-screen menu.
    QMenu* gameMenu = frame->menuBar()->actions().at(0)->menu();
    for (QMenu* menu : {gameMenu, &frame->fullScreenMenu()}) {
        QAction* item = ItemOf(menu, kCmdExtraOptions);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QString::fromUtf8("&Дополнительно..."));
        const QList<QAction*> items = menu->actions();
        EXPECT_EQ(CommandOf(items.at(items.indexOf(item) - 1)), kCmdSettings);
    }

    std::vector<int> helpTopics;
    SetHelpHandler([&helpTopics](int topic, bool) { helpTopics.push_back(topic); });
    std::vector<bool> shown;
    runDialog([gameMenu] { ItemOf(gameMenu, kCmdExtraOptions)->trigger(); },
              [&shown](CExtraOptionsDlg& dialog) {
                  shown = ticks(dialog);
                  QCheckBox* first = box(dialog, "showWholeBlock");
                  QCursor::setPos(first->mapToGlobal(first->rect().center()));
                  QTest::keyClick(&dialog, Qt::Key_F1);
                  first->click();
                  box(dialog, "layoutWithoutOverlap")->click();
              },
              true);
    SetHelpHandler({});

    EXPECT_EQ(shown, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(helpTopics, std::vector<int>{HelpTopicNumber(HelpTopic::ExtraOptions)});
    const ExtraOptions chosen{true, false, true};
    EXPECT_EQ(frame->field().extraOptions, chosen);
    EXPECT_EQ(FileBytes(optionsFile), FormatExtraOptions(chosen));
    EXPECT_EQ(FileBytes(SettingsFilePath()), settingsBefore);
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(ExtraOptionsTest, CancelChangesNothingAndWritesNothing) {
    // Not the way the program writes it, so that any rewrite would show.
    const std::string written = "[Tessary]\r\nscroll_while_carrying = 1\r\nsound=1\r\n";
    WriteBytes(optionsFile, written);
    frame->useExtraOptionsFile(optionsFile);
    const ExtraOptions read{false, true, false};
    ASSERT_EQ(frame->field().extraOptions, read);

    std::vector<bool> shown;
    runDialog([this] { frame->runCommand(kCmdExtraOptions); },
              [&shown](CExtraOptionsDlg& dialog) {
                  shown = ticks(dialog);
                  box(dialog, "showWholeBlock")->click();
                  box(dialog, "scrollWhileCarrying")->click();
              },
              false);

    EXPECT_EQ(shown, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(frame->field().extraOptions, read);
    EXPECT_EQ(FileBytes(optionsFile), written);
    EXPECT_EQ(FileBytes(SettingsFilePath()), settingsBefore);
}

TEST_F(ExtraOptionsTest, FailedWriteSaysSoAndTheOptionsHoldForTheSession) {
    const std::string unwritable =
        AppendFileName(folder.path().toStdString(), "missing/options.ini");
    frame->useExtraOptionsFile(unwritable);
    runDialog([this] { frame->runCommand(kCmdExtraOptions); },
              [](CExtraOptionsDlg& dialog) { box(dialog, "scrollWhileCarrying")->click(); }, true);

    EXPECT_EQ(frame->field().extraOptions, (ExtraOptions{false, true, false}));
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], FormatMessageText(kExtraOptionsFileFailedMessage,
                                              {QString::fromStdString(unwritable)}));
    EXPECT_EQ(icons, std::vector{MessageIcon::Error});
    EXPECT_FALSE(std::filesystem::exists(unwritable));
}

// "&Звук" in "&Вид" and the full-screen menu: checked as the file says at start-up, each
// toggle in force at once and written at once, beside the options the dialog shows, which
// leaves it alone.
TEST_F(ExtraOptionsTest, SoundItemTurnsTheSoundsOnAndOffAndKeepsThemInTheFile) {
    WriteBytes(optionsFile, "[Tessary]\nsound=0\nshow_whole_block=1\n");
    frame->useExtraOptionsFile(optionsFile);
    QMenu* viewMenu = frame->menuBar()->actions().at(2)->menu();
    const std::vector<QMenu*> menus = {viewMenu, &frame->fullScreenMenu()};
    const auto checks = [&menus] { return ItemStates(menus, kCmdSound, &QAction::isChecked); };
    for (QMenu* menu : menus) {
        QAction* item = ItemOf(menu, kCmdSound);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QString::fromUtf8("&Звук"));
        const QList<QAction*> items = menu->actions();
        EXPECT_EQ(CommandOf(items.at(items.indexOf(item) - 1)), kCmdOverview);
    }
    EXPECT_EQ(checks(), (std::vector{false, false}));

    // Every sound the player is asked to play makes its effect the first time.
    const auto effectCount = [this] { return frame->findChildren<QSoundEffect*>().size(); };
    settings.rotateElements = 0;
    placeCutPicture(GradientPicture());
    frame->runCommand(kCmdCreateElements);  // ends with the join sound
    ASSERT_TRUE(frame->game().isInProgress());
    EXPECT_EQ(effectCount(), 0);

    ItemOf(viewMenu, kCmdSound)->trigger();
    EXPECT_EQ(checks(), (std::vector{true, true}));
    EXPECT_EQ(FileBytes(optionsFile), FormatExtraOptions({.showWholeBlock = true}));
    frame->field().platform.playSound(Sound::Rotation);
    EXPECT_EQ(effectCount(), 1);

    ItemOf(&frame->fullScreenMenu(), kCmdSound)->trigger();
    EXPECT_EQ(checks(), (std::vector{false, false}));
    const ExtraOptions silent{.showWholeBlock = true, .sound = false};
    EXPECT_EQ(FileBytes(optionsFile), FormatExtraOptions(silent));
    EXPECT_NE(FileBytes(optionsFile)->find("\nsound=0\n"), std::string::npos);
    frame->field().platform.playSound(Sound::Join);
    EXPECT_EQ(effectCount(), 1);

    runDialog([this] { frame->runCommand(kCmdExtraOptions); }, [](CExtraOptionsDlg&) {}, true);
    EXPECT_EQ(frame->field().extraOptions, silent);
    EXPECT_EQ(FileBytes(optionsFile), FormatExtraOptions(silent));

    // A file that cannot be written is told of once for each toggle; the sounds follow anyway.
    const std::string unwritable =
        AppendFileName(folder.path().toStdString(), "missing/options.ini");
    frame->useExtraOptionsFile(unwritable);  // read as the defaults: the sounds on
    frame->runCommand(kCmdSound);
    EXPECT_FALSE(frame->field().extraOptions.sound);
    EXPECT_EQ(questions, QStringList{FormatMessageText(kExtraOptionsFileFailedMessage,
                                                       {QString::fromStdString(unwritable)})});
    EXPECT_EQ(FileBytes(SettingsFilePath()), settingsBefore);
}

}  // namespace
}  // namespace tessary::testing
