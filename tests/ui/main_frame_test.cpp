#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "core/program_folder.h"
#include "field/window/command_ids.h"
#include "field/window/field_view.h"
#include "field/window/game_assets.h"
#include "field/window/main_menus.h"
#include "field/window/preview_window.h"
#include "game/message_texts.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

using MainFrameTest = UiFixture;

// The "&Фон" submenu of "&Вид"; null when it is missing.
QMenu* BackgroundSubmenu(QMenuBar* bar) {
    for (QAction* a : bar->actions().at(2)->menu()->actions()) {
        if (a->text() == QString::fromUtf8("&Фон"))
            return a->menu();
    }
    return nullptr;
}

struct StateRow {
    const char* name;
    bool pictureLoaded;
    bool pictureCut;
    bool elementsCreated;
    bool gameComplete;
    // Expected enabling of: cut, create, save game, arrange, show all, show picture.
    bool cut, create, saveGame, arrange, showAll, showPicture;
};

const StateRow kStates[] = {
    {"empty", false, false, false, false, false, false, false, false, false, false},
    {"picture loaded", true, false, false, false, true, false, false, false, false, true},
    {"cut", true, true, false, false, true, true, false, false, false, true},
    {"playing", true, true, true, false, true, true, true, true, true, true},
    {"complete", true, true, true, true, true, true, false, true, true, true},
    {"empty after a completed game", false, true, false, true, false, false, false, false, false,
     false},
};

TEST_F(MainFrameTest, CommandsAreEnabledByTheGameState) {
    for (const StateRow& row : kStates) {
        SCOPED_TRACE(row.name);
        GameState& game = frame->game();
        game.pictureLoaded = row.pictureLoaded;
        game.pictureCut = row.pictureCut;
        game.elementsCreated = row.elementsCreated;
        game.gameComplete = row.gameComplete;
        EXPECT_EQ(frame->isCommandEnabled(kCmdCutPicture), row.cut);
        EXPECT_EQ(frame->isCommandEnabled(kCmdCreateElements), row.create);
        EXPECT_EQ(frame->isCommandEnabled(kCmdSaveGame), row.saveGame);
        EXPECT_EQ(frame->isCommandEnabled(kCmdArrangeElements), row.arrange);
        EXPECT_EQ(frame->isCommandEnabled(kCmdShowAllElements), row.showAll);
        EXPECT_EQ(frame->isCommandEnabled(kCmdShowPicture), row.showPicture);
        EXPECT_TRUE(frame->isCommandEnabled(kCmdNewGame));
        EXPECT_TRUE(frame->isCommandEnabled(kCmdLoadPicture));
    }
    frame->game().elementsCreated = false;
}

// The "&Вид" menu's items as it shows them, after its about-to-show evaluation.
QList<QAction*> ViewMenuItems(QMenuBar* bar) {
    QMenu* view = bar->actions().at(2)->menu();
    Q_EMIT view->aboutToShow();
    return view->actions();
}

TEST_F(MainFrameTest, MenuItemsAreRelabelledAndDisabledWhenTheMenuOpens) {
    const QList<QAction*> before = frame->menuBar()->actions().at(2)->menu()->actions();
    EXPECT_EQ(before.at(0)->text(), QString::fromUtf8("П&олноэкранный режим\tCtrl+M"));
    EXPECT_EQ(before.at(1)->text(), QString::fromUtf8("Показать &картинку\tCtrl+P"));

    const QList<QAction*> items = ViewMenuItems(frame->menuBar());
    EXPECT_EQ(CommandOf(items.at(1)), kCmdShowPicture);
    EXPECT_EQ(items.at(0)->text(), QString::fromUtf8("П&олноэкранный режим"));
    EXPECT_EQ(items.at(1)->text(), QString::fromUtf8("Показать &картинку"));
    EXPECT_FALSE(items.at(1)->isEnabled());

    frame->runCommand(kCmdToggleFullScreen);
    Q_EMIT frame->fullScreenMenu().aboutToShow();
    for (QAction* item : frame->fullScreenMenu().actions()) {
        if (CommandOf(item) == kCmdToggleFullScreen) {
            EXPECT_EQ(item->text(), QString::fromUtf8("&Оконный режим"));
        }
    }
    frame->runCommand(kCmdToggleFullScreen);
}

TEST_F(MainFrameTest, MainMenuHasItsFourMenusAndTheTextureSwatches) {
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{QString::fromUtf8("&Игра"), QString::fromUtf8("&Действия"),
                                   QString::fromUtf8("&Вид"), QString::fromUtf8("&Справка")}));
    QMenu* background = BackgroundSubmenu(frame->menuBar());
    ASSERT_NE(background, nullptr);
    const QList<QAction*> items = background->actions();
    ASSERT_EQ(items.size(), 12);
    EXPECT_EQ(CommandOf(items.at(0)), kCmdFirstTexture);
    EXPECT_EQ(CommandOf(items.at(9)), kCmdLastTexture);
    EXPECT_TRUE(items.at(10)->isSeparator());
    EXPECT_EQ(items.at(11)->text(), QString::fromUtf8("Од&нотонный..."));
}

TEST_F(MainFrameTest, TextureKeysChooseTheTextureOfTheTable) {
    frame->runCommand(kCmdFirstTexture + 3);  // "4"
    EXPECT_EQ(settings.backgroundBitmapId, 358);
    frame->runCommand(kCmdFirstTexture + 9);  // "0"
    EXPECT_EQ(settings.backgroundBitmapId, 360);
    frame->runCommand(kCmdFirstTextureAlias);  // handled like "1"
    EXPECT_EQ(settings.backgroundBitmapId, 367);
    EXPECT_EQ(settings.textureBackground, 1);
    EXPECT_FALSE(frame->field().background.texture.isEmpty());
}

TEST_F(MainFrameTest, OnlyTheMainKeyboardsDigitsChooseTextures) {
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    ASSERT_EQ(settings.backgroundBitmapId, 358);
    QTest::keyClick(&frame->fieldView(), Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(settings.backgroundBitmapId, 358);
    QTest::keyClick(&frame->fieldView(), Qt::Key_1);
    EXPECT_EQ(settings.backgroundBitmapId, 367);
}

// The background submenu, the last item of "&Вид", popped up away from the pointer.
QMenu* PopUpBackgroundMenu(QMenuBar* bar) {
    QMenu* background = BackgroundSubmenu(bar);
    QCursor::setPos(0, 0);
    background->popup(QPoint(200, 100));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(background));
    return background;
}

// Whether the texture item of `command` shows its selected look (the tiling shifted).
bool IsDrawnSelected(QMenu* menu, int command) {
    const int index = command - kCmdFirstTexture;
    QWidget* swatch = menu->childAt(menu->actionGeometry(menu->actions().at(index)).center());
    EXPECT_NE(swatch, nullptr);
    if (swatch == nullptr)
        return false;
    const QImage drawn = swatch->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor frame = swatch->palette().color(QPalette::Window);
    const int bitmapId = TextureBitmapOfCommand(command);
    const QImage selected = TextureSwatch(bitmapId, swatch->size(), frame, true)
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
    return drawn == selected;
}

TEST_F(MainFrameTest, ATextureItemChosenWithTheKeysIsDrawnSelected) {
    QMenu* background = PopUpBackgroundMenu(frame->menuBar());
    QTest::keyClick(background, Qt::Key_Down);
    ASSERT_EQ(CommandOf(background->activeAction()), kCmdFirstTexture);
    EXPECT_TRUE(IsDrawnSelected(background, kCmdFirstTexture));
    QTest::keyClick(background, Qt::Key_Down);
    EXPECT_FALSE(IsDrawnSelected(background, kCmdFirstTexture));
    EXPECT_TRUE(IsDrawnSelected(background, kCmdFirstTexture + 1));
    // The pointer selects the item under it; the keys then move on from there, and the item
    // under the pointer no longer looks selected.
    const QRect fifth = background->actionGeometry(background->actions().at(4));
    QTest::mouseMove(background->childAt(fifth.center()), QPoint(10, 10));
    EXPECT_TRUE(IsDrawnSelected(background, kCmdFirstTexture + 4));
    EXPECT_FALSE(IsDrawnSelected(background, kCmdFirstTexture + 1));
    QTest::keyClick(background, Qt::Key_Down);
    EXPECT_FALSE(IsDrawnSelected(background, kCmdFirstTexture + 4));
    EXPECT_TRUE(IsDrawnSelected(background, kCmdFirstTexture + 5));
    background->close();
}

TEST_F(MainFrameTest, FullScreenRoundTripRestoresTheWindowedGeometry) {
    const QRect windowed(120, 90, 600, 420);
    frame->setGeometry(windowed);
    frame->runCommand(kCmdToggleFullScreen);
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_FALSE(frame->menuBar()->isVisible());
    EXPECT_TRUE(frame->isFullScreenMode());
    frame->runCommand(kCmdToggleFullScreen);
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_TRUE(frame->menuBar()->isVisible());
    EXPECT_EQ(frame->geometry(), windowed);
}

TEST_F(MainFrameTest, FullScreenRoundTripKeepsAMaximisedWindowMaximised) {
    frame->showMaximized();
    frame->runCommand(kCmdToggleFullScreen);
    frame->runCommand(kCmdToggleFullScreen);
    EXPECT_TRUE(frame->isMaximized());
}

TEST_F(MainFrameTest, TimerDisplaySitsAtTheBottomRightCorner) {
    QApplication::processEvents();
    const QWidget& view = frame->fieldView();
    const QLabel& display = frame->timerDisplay();
    EXPECT_TRUE(display.isVisible());
    EXPECT_GT(display.height(), 10);
    EXPECT_EQ(display.geometry().bottomRight(), view.rect().bottomRight());
    EXPECT_EQ(display.text(), QStringLiteral("00:00:00"));
}

TEST_F(MainFrameTest, ANewSystemFontReachesTheTimerDisplayAndTheMenuButton) {
    const QFont original = QApplication::font();
    QFont larger = original;
    larger.setPointSizeF(original.pointSizeF() * 2);
    QApplication::setFont(larger);
    QApplication::processEvents();
    const QLabel& display = frame->timerDisplay();
    const QFont menuFont = QApplication::font("QMenu");
    EXPECT_EQ(display.font(), menuFont);
    EXPECT_EQ(display.width(),
              QFontMetrics(menuFont).horizontalAdvance(QStringLiteral("000:000:000")) + 10);
    EXPECT_EQ(display.geometry().bottomRight(), frame->fieldView().rect().bottomRight());
    auto* menuButton = frame->fieldView().findChild<QPushButton*>();
    ASSERT_NE(menuButton, nullptr);
    EXPECT_EQ(menuButton->font(), menuFont);
    QApplication::setFont(original);
    QApplication::processEvents();
}

TEST(MainFrameConstructionTest, ThePlayAndCutGroupsStartFromTheirDefaults) {
    ASSERT_FALSE(std::filesystem::exists(SettingsFilePath()));  // no file to read them from
    GameSettings settings;
    settings.captureRange = 9;
    settings.scrollWheel = 1;
    settings.elementSize = 128;
    settings.mosaic = 1;
    settings.backgroundColor = 0x123456;
    CMainFrame frame(settings, ScreenInfo{1024, 768, 32});
    EXPECT_EQ(static_cast<PlaySettings&>(settings), PlaySettings{});
    EXPECT_EQ(static_cast<CutSettings&>(settings), CutSettings{});
    EXPECT_EQ(settings.backgroundColor, 0x123456);  // the window group is not reset
}

}  // namespace
}  // namespace tessary::testing

namespace tessary::testing {
namespace {

// Activated after the display changed to 8 bits per pixel, the window asks with the
// exclamation icon; No ends the program without the exit question, even during a game.
TEST_F(MainFrameTest, LowColourDisplayAfterAModeChangeAsksWithTheExclamationIcon) {
    settings.rotateElements = 0;
    placeCutPicture(GradientPicture());
    frame->runCommand(kCmdCreateElements);
    ASSERT_TRUE(frame->game().isInProgress());
    frame->field().viewport.screenBitsPerPixel = 8;
    frame->game().displayModeChanged = true;
    answer = MessageAnswer::No;
    frame->activateWindow();
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(frame.get(), &activation);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], FormatMessageText(kLowColourQuestion, {"1024", "768", "8"}));
    EXPECT_EQ(icons, std::vector{MessageIcon::Exclamation});
    EXPECT_FALSE(frame->isVisible());
}

}  // namespace
}  // namespace tessary::testing
