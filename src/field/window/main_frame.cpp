#include "field/window/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "core/extra_options_file.h"
#include "core/program_folder.h"
#include "core/settings_file.h"
#include "dialogs/help_request.h"
#include "dialogs/message_box.h"
#include "field/arrange.h"
#include "field/collect_border.h"
#include "field/dragging.h"
#include "field/field_drawing.h"
#include "field/viewport.h"
#include "field/window/command_ids.h"
#include "field/window/field_view.h"
#include "field/window/game_assets.h"
#include "field/window/help_window.h"
#include "field/window/main_menus.h"
#include "field/window/overview_window.h"
#include "field/window/preview_window.h"
#include "field/window/progress_window.h"
#include "field/window/sound_player.h"
#include "field/window/window_platform.h"

namespace tessary {
namespace {

constexpr int kGameTimerMilliseconds = 1000;

struct Accelerator {
    int command;
    QKeySequence keys;
};

}  // namespace

CMainFrame::CMainFrame(GameSettings& settings, const ScreenInfo& screen)
    : settings_(settings),
      sounds_(new SoundPlayer(this)),
      progress_(std::make_unique<ProgressWindow>(this)),
      view_(new FieldView(field_, game_, this)),
      platform_(std::make_unique<WindowPlatform>(*this, *view_, *sounds_, *progress_)),
      field_(settings, *platform_) {
    setWindowTitle(QString::fromUtf8("Tessary from Kelvandor"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(AssetPath(QStringLiteral("icons/tessary_%1.png").arg(size)));
    setWindowIcon(icon);
    setCentralWidget(view_);
    setAcceptDrops(true);
    view_->installEventFilter(this);
    view_->onJoinReaction = [this](JoinReaction reaction) { joined(reaction); };
    view_->onSpaceKey = [this] { popUpFullScreenMenu(false); };
    view_->onPiecesMoved = [this] { noteGameChange(); };

    ResetToDefaults(settings_);
    LoadStartupSettings(SettingsFilePath(), settings_);
    useExtraOptionsFile(ExtraOptionsFilePath());
    SetHelpHandler([this](int topic, bool) { showHelp(topic); });

    Viewport& v = field_.viewport;
    v.screenWidth = screen.width;
    v.screenHeight = screen.height;
    v.screenBitsPerPixel = screen.bitsPerPixel;
    v.fieldWidth = screen.width;
    v.fieldHeight = screen.height;
    field_.fieldPicture = Bitmap32(screen.width, screen.height);
    applyBackground();

    preview_ = new PicturePreviewWindow(this, QSize(screen.width, screen.height));
    overview_ = std::make_unique<OverviewWindow>(this, field_);
    platform_->onRepaintAsked = [this](std::optional<Rect> box) {
        overview_->viewRepaintAsked(box);
    };
    field_.cursor.onChange = [this] { view_->refreshCursor(); };
    view_->onBusyChanged = [this](bool isBusy) {
        const QCursor busy = QCursorOf(CursorShape::Busy);
        preview_->setCursorOverride(isBusy ? &busy : nullptr);
    };

    timerDisplay_ = new QLabel(QStringLiteral("00:00:00"), view_);
    timerDisplay_->setAlignment(Qt::AlignCenter);
    timerDisplay_->setFrameStyle(QFrame::Box | QFrame::Plain);
    timerDisplay_->setAutoFillBackground(true);
    timerDisplay_->setVisible(settings_.showTimer != 0);
    progressDisplay_ = new QLabel(view_);
    progressDisplay_->setAlignment(Qt::AlignCenter);
    progressDisplay_->setFrameStyle(QFrame::Box | QFrame::Plain);
    progressDisplay_->setAutoFillBackground(true);
    progressDisplay_->setVisible(!timerDisplay_->isHidden());
    timerDisplay_->installEventFilter(this);  // the progress display is shown and hidden with it
    refreshProgress();

    menuButton_ = new QPushButton(QString::fromUtf8("Меню"), view_);
    menuButton_->setFocusPolicy(Qt::NoFocus);
    menuButton_->hide();
    connect(menuButton_, &QPushButton::clicked, this, [this] { runCommand(kCmdMenuButton); });

    const CommandSink run = [this](int id) { runCommand(id); };
    BuildMainMenu(menuBar(), run);
    for (QAction* action : menuBar()->actions())
        watchMenus(action->menu());
    fullScreenMenu_ = BuildFullScreenMenu(this, run);
    watchMenus(fullScreenMenu_);
    backgroundMenu_ = BuildBackgroundMenu(this, run);
    watchMenus(backgroundMenu_);
    buildAccelerators();
    applyMenuFont();  // once the menu bar holds the menus: the timer display is as high

    gameTimer_ = new QTimer(this);
    gameTimer_->setInterval(kGameTimerMilliseconds);
    connect(gameTimer_, &QTimer::timeout, this, [this] { refreshTimer(); });
    workerPoll_ = new QTimer(this);
    workerPoll_->setInterval(20);
    connect(workerPoll_, &QTimer::timeout, this, [this] {
        if (!game_.workerBusy && worker_.reap())
            workerPoll_->stop();
    });

    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        connect(primary, &QScreen::geometryChanged, this, [this, primary](const QRect& r) {
            if (ChangeDisplayMode(field_, primary->depth(), r.width(), r.height()))
                game_.displayModeChanged = true;
        });
    }

    resize(screen.width * 2 / 3, screen.height * 2 / 3);
    move(screen.width / 6, screen.height / 6);
}

CMainFrame::~CMainFrame() {
    SetHelpHandler(nullptr);
    waitForWorker();
    resetGame(true);
    view_->dropScaledCopy();  // the view outlives the field it observes
}

void CMainFrame::showConfigured() {
    if (settings_.fullScreen != 0) {
        settings_.fullScreen = 0;
        toggleFullScreen();
    } else {
        show();
    }
    view_->setFocus();
}

void CMainFrame::buildAccelerators() {
    const Accelerator table[] = {
        {kCmdLoadGame, Qt::Key_F3},
        {kCmdNewGame, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {kCmdLoadPicture, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {kCmdCutPicture, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {kCmdCreateElements, Qt::Key_Return},
        {kCmdCreateElements, Qt::Key_Enter},
        {kCmdSaveGame, Qt::Key_F2},
        {kCmdSettings, QKeySequence(Qt::CTRL | Qt::Key_T)},
        {kCmdSaveSettings, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {kCmdArrangeElements, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {kCmdShowAllElements, QKeySequence(Qt::CTRL | Qt::Key_A)},
        {kCmdCollectBorder, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {kCmdToggleFullScreen, QKeySequence(Qt::CTRL | Qt::Key_M)},
        {kCmdShowPicture, QKeySequence(Qt::CTRL | Qt::Key_P)},
        // The keypad's + and - reach these too; = is + without Shift on US keyboards.
        {kCmdZoomIn, Qt::Key_Plus},
        {kCmdZoomIn, Qt::Key_Equal},
        {kCmdZoomOut, Qt::Key_Minus},
        {kCmdOverview, QKeySequence(Qt::CTRL | Qt::Key_W)},
        {kCmdHelp, Qt::Key_F1},
        {kCmdControls, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {kCmdBackgroundMenu, QKeySequence(Qt::CTRL | Qt::Key_B)},
        {kCmdFullScreenMenu, Qt::Key_F10},
        {kCmdPause, Qt::Key_Pause},
        {kCmdDrawCaptionFrames, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
    };
    auto add = [this](int id, const QKeySequence& keys) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        addAction(action);
    };
    for (const Accelerator& a : table)
        add(a.command, a.keys);
    // The digits of the main keyboard choose the textures: 1..9, then 0 for the tenth (the
    // keypad's are kept from them in event()).
    for (int i = 0; i < 10; ++i)
        add(kCmdFirstTexture + i, QKeySequence(i < 9 ? Qt::Key_1 + i : Qt::Key_0));
}

void CMainFrame::watchMenus(QMenu* menu) {
    if (menu == nullptr)
        return;
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenu(menu); });
    for (QAction* action : menu->actions())
        watchMenus(action->menu());
}

void CMainFrame::updateMenu(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        const int id = CommandOf(action);
        if (id == 0)
            continue;
        // Whether a slot holds a game is read from the disk, so only as the menu opens.
        action->setEnabled(isCommandEnabled(id) && (id != kCmdRestoreGame || hasInterruptedGame()));
        if (id == kCmdOverview)
            action->setChecked(overview_->isVisible());
        if (id == kCmdSound)
            action->setChecked(field_.extraOptions.sound);
        const QString text = relabelledText(id);
        if (!text.isEmpty())
            action->setText(text);
    }
}

bool CMainFrame::isCommandEnabled(int id) const {
    switch (id) {
        case kCmdLoadGame:
            return game_.canLoadGame(!ListSavedGames(savedGamesFolder_).empty());
        case kCmdRestoreGame:
            return autosave_ != nullptr && game_.canChangeGame();
        case kCmdNewGame:
            return game_.canStartNewGame();
        case kCmdLoadPicture:
            return game_.canLoadPicture();
        case kCmdCutPicture:
            return game_.canCutPicture();
        case kCmdCreateElements:
            return game_.canCreateElements();
        case kCmdSaveGame:
            return game_.canSaveGame();
        case kCmdArrangeElements:
        case kCmdShowAllElements:
        case kCmdCollectBorder:
            return game_.canArrangeElements();
        case kCmdShowPicture:
            return game_.canShowPicture();
        case kCmdZoomIn:
        case kCmdZoomOut:
        case kCmdZoom100:
            return canZoom(id);
        case kCmdPause:
            return game_.canPause(settings_.showTimer != 0);
        default:
            return true;
    }
}

QString CMainFrame::relabelledText(int id) const {
    if (id == kCmdToggleFullScreen)
        return isFullScreenMode() ? QString::fromUtf8("&Оконный режим")
                                  : QString::fromUtf8("П&олноэкранный режим");
    if (id == kCmdShowPicture)
        return preview_->isVisible() ? QString::fromUtf8("Спрятать &картинку")
                                     : QString::fromUtf8("Показать &картинку");
    return {};
}

void CMainFrame::letGoOfHeldElement() {
    if (field_.heldElement < 0)
        return;
    ReleaseElement(field_);
    noteGameChange();
}

void CMainFrame::runCommand(int id) {
    if (!isCommandEnabled(id))
        return;
    // A command given from the keyboard while a piece is carried lets go of it where it is
    // first: its dialogs take the mouse, so the release would never reach the field, and its
    // redraws would paint the piece into the field while it is still being carried. Only the
    // picture window, which touches neither, can be shown with the piece in hand.
    if (id != kCmdShowPicture)
        letGoOfHeldElement();
    if (IsTextureCommand(id)) {
        chooseTexture(id);
        return;
    }
    switch (id) {
        case kCmdNewGame:
            newGameCommand();
            return;
        case kCmdLoadPicture:
            loadPictureCommand();
            return;
        case kCmdCutPicture:
            cutPictureCommand();
            return;
        case kCmdCreateElements:
            createElementsCommand();
            return;
        case kCmdSaveGame:
            saveGameCommand();
            return;
        case kCmdLoadGame:
            loadGameCommand();
            return;
        case kCmdRestoreGame:
            restoreGameCommand();
            return;
        case kCmdSettings:
            settingsCommand();
            return;
        case kCmdExtraOptions:
            extraOptionsCommand();
            return;
        case kCmdSaveSettings:
            saveSettings();
            return;
        case kCmdRestoreSettings:
            restoreSettings();
            return;
        case kCmdExit:
            close();
            return;
        case kCmdArrangeElements:
            ArrangeElements(field_);
            noteGameChange();
            return;
        case kCmdShowAllElements:
            ShowAllElements(field_);
            noteGameChange();
            return;
        case kCmdCollectBorder:
            CollectBorderPieces(field_);
            noteGameChange();
            return;
        case kCmdToggleFullScreen:
            toggleFullScreen();
            return;
        case kCmdShowPicture:
            preview_->togglePreview(
                QRect(view_->mapToGlobal(QPoint(0, 0)), view_->size()),
                QSize(field_.viewport.screenWidth, field_.viewport.screenHeight));
            activateWindow();
            return;
        case kCmdOverview:
            overviewCommand();
            return;
        case kCmdSound:
            soundCommand();
            return;
        case kCmdSolidBackground:
            chooseSolidBackground();
            return;
        case kCmdZoomIn:
        case kCmdZoomOut:
        case kCmdZoom100:
            zoomCommand(id);
            return;
        case kCmdHelp:
            showHelp(HelpTopicNumber(HelpTopic::Contents));
            return;
        case kCmdBackgroundMenu:
            popUpBackgroundMenu();
            return;
        case kCmdFullScreenMenu:
            popUpFullScreenMenu(false);
            return;
        case kCmdMenuButton:
            popUpFullScreenMenu(true);
            return;
        case kCmdPause:
            pause();
            return;
        case kCmdDrawCaptionFrames:
            view_->showCaptionFramesOnce();
            return;
        case kCmdCaptureField:
            captureFieldCommand();
            return;
        case kCmdCaptureRectangle:
            captureRectangleCommand();
            return;
        case kCmdAbout:
            aboutCommand();
            return;
        case kCmdControls:
            controlsCommand();
            return;
    }
}

}  // namespace tessary
