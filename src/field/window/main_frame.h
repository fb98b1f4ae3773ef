#pragma once

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <memory>

#include "core/completion.h"
#include "core/game_settings.h"
#include "field/capture_selection.h"
#include "field/field.h"
#include "game/game_state.h"
#include "game/rotation_worker.h"
#include "persist/autosave.h"
#include "persist/saved_game_store.h"

class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace tessary {

class FieldView;
class HelpWindow;
class OverviewWindow;
class PicturePreviewWindow;
class ProgressWindow;
class SoundPlayer;
class WindowPlatform;

/// The screen the program starts on.
struct ScreenInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
};

/// The question before the program runs on a display of 8 bits per pixel or less, asked at
/// start-up (`parent` null) and after a display-mode change; true when the player goes on.
bool AcceptsLowColourDisplay(QWidget* parent, const ScreenInfo& screen);

/// The program's one window: the playing field with its menus and accelerators, the timer
/// display, the full-screen menu button and the picture preview. It owns the game and routes
/// commands and events into the engine, which decides everything.
class CMainFrame : public QMainWindow {
public:
    /// Builds the window for `screen`: settings read from the settings file, the field at the
    /// screen's size with its background, the hidden preview, the timer display and the menu
    /// button; full-screen mode when the settings say so. Not shown yet.
    CMainFrame(GameSettings& settings, const ScreenInfo& screen);
    ~CMainFrame() override;

    /// Shows the window, full-screen when the settings say so.
    void showConfigured();

    /// A new game from the picture at `path`, named on the command line or dropped on the
    /// window: as "Новая игра", with the picture already chosen.
    void openPicture(const QString& path);

    /// Runs a command of the command table; a command that is disabled now does nothing.
    void runCommand(int id);
    /// Whether a command is enabled in the current state.
    bool isCommandEnabled(int id) const;
    /// The text a relabelled item shows now; empty for items that keep their text.
    QString relabelledText(int id) const;

    GameState& game() { return game_; }
    Field& field() { return field_; }
    FieldView& fieldView() { return *view_; }
    PicturePreviewWindow& previewWindow() { return *preview_; }
    OverviewWindow& overviewWindow() { return *overview_; }
    QMenu& fullScreenMenu() { return *fullScreenMenu_; }
    QLabel& timerDisplay() { return *timerDisplay_; }
    QLabel& progressDisplay() { return *progressDisplay_; }
    bool isFullScreenMode() const { return settings_.fullScreen != 0; }

    /// Where the saved games are kept: SavedGamesFolder(), unless a test points elsewhere.
    const std::string& savedGamesFolder() const { return savedGamesFolder_; }
    void setSavedGamesFolder(std::string folder) { savedGamesFolder_ = std::move(folder); }

    /// Where the player's extra options are kept: ExtraOptionsFilePath(), unless a test points
    /// elsewhere. Pointing reads the options from there into the field, as at start-up.
    const std::string& extraOptionsFile() const { return extraOptionsFile_; }
    void useExtraOptionsFile(std::string path);

    /// Starts the automatic save of the games in `folder` (main: AutosaveFolder(); a test: a
    /// folder of its own; without it nothing is saved by itself). When the last session there
    /// ended without the exit command, asks whether to continue its game and loads it on Yes.
    void beginAutosave(const std::filesystem::path& folder = AutosaveFolder());
    /// A signal asks the program to end: the game goes to the automatic save and the program
    /// quits without the exit question, leaving the session unfinished so that the next start
    /// offers the game.
    void quitBySignal();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    /// A picture file dragged from a file manager is taken when a new picture could be loaded
    /// now; anything else is refused without a word.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;  // the keypad digits, a change of the system fonts
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildAccelerators();
    void updateMenu(QMenu* menu);
    void watchMenus(QMenu* menu);
    void layoutChildren();
    void placeTimerDisplay();  // at the client area's bottom-right corner, progress to its left
    // The share of joins made, after every change of the blocks; 0% without a game.
    void refreshProgress();
    // The menu font made afresh from the system's, given to the timer and progress displays
    // (sized for it) and the menu button.
    void applyMenuFont();
    // A change of the system's fonts: the menu font again, then the layout but for the menu
    // button's place.
    void systemSettingsChanged();

    // The game's lifecycle.
    /// Loads the picture at `givenPath`, or at the path the player chooses in the open dialog
    /// when it is empty.
    bool loadPictureCommand(const QString& givenPath = {});
    QString askForPictureFile();
    bool cutPictureCommand();
    void createElementsCommand();
    /// Load, cut and create in turn; the picture as loadPictureCommand() takes it.
    void newGameCommand(const QString& picturePath = {});
    /// Lets go of a carried piece where it is, before a command or a new picture changes the game.
    void letGoOfHeldElement();
    void resetGame(bool discardPicture);
    /// The one place where how building a game ended becomes what the player sees and what
    /// happens next; `path` is the file a format message names.
    void reportOutcome(GameOutcome outcome, const QString& path = QString());
    /// Brings the window in line with a game the engine has released, and with its picture
    /// when that went too.
    void showReleasedGame();
    void waitForWorker();
    void joined(JoinReaction reaction);
    void completed();

    // Display, pause and timer.
    void refreshTimer();
    void startTimerIfShown();
    void pause();

    // Window modes and background.
    void toggleFullScreen();
    void popUpFullScreenMenu(bool atPointer);
    void popUpBackgroundMenu();
    void chooseTexture(int command);
    void chooseSolidBackground();
    void applyBackground();

    // Zoom: one step larger or smaller, or 100 %, about the centre of the view.
    bool canZoom(int command) const;
    void zoomCommand(int command);

    void saveSettings();
    void restoreSettings();
    void showHelp(int topic);

    // Capture of the field, whole or a dragged rectangle, as a picture file.
    void captureFieldCommand();
    void captureRectangleCommand();
    /// Gives a mouse event of the field, or Escape, to the capture mode; true when the mode
    /// took it.
    bool routeCaptureEvent(QEvent* event);
    void saveCapture(const CaptureRect& box);

    // The settings command, and what its dialog asks of the window while it is open.
    void settingsCommand();
    void repaintWindows();
    void renderContour(std::uint32_t colour);
    void applyTimerVisibility();

    // The extra options command: the dialog, then the options into the field and their file.
    void extraOptionsCommand();
    // The sound item: the sounds on or off, kept in the extra options file at once.
    void soundCommand();
    // The options in force from now on: in the field, and the sounds on or off.
    void adoptExtraOptions(const ExtraOptions& options);
    // Adopts options the player chose and writes them to their file; a failed write is told.
    void keepExtraOptions(const ExtraOptions& options);

    // Saved games: the save-game and load-game commands.
    void saveGameCommand();
    void loadGameCommand();
    /// Puts the game `load` builds in place of the current one, as the load-game command does:
    /// the current game is discarded first, the loaded settings come into force, and the
    /// outcome is reported.
    void replaceGame(const std::function<LoadGameResult(RotationWorker::Report)>& load);

    // The automatic save: what the window tells it, and the restore command.
    /// The pieces moved, joined or turned.
    void noteGameChange();
    /// The game in progress is about to be discarded, or the program to end.
    void writeBeforeDiscard();
    /// At the exit command, after the game is written: the session ends cleanly, and a failed
    /// last write is told once.
    void endAutosave();
    /// Whether a slot holds a game, asked when a menu with the restore item opens.
    bool hasInterruptedGame();
    void restoreGameCommand();
    /// Shows the preview with the game's new picture, sized to it afresh (after loading a
    /// picture or a saved game).
    void showPicturePreview();

    // The overview window: shown and hidden by its command.
    void overviewCommand();

    // The information windows: About and Controls.
    void aboutCommand();
    void controlsCommand();

    GameSettings& settings_;
    SoundPlayer* sounds_;
    std::unique_ptr<ProgressWindow> progress_;
    FieldView* view_ = nullptr;
    std::unique_ptr<WindowPlatform> platform_;
    Field field_;
    // Observes the field: made after it and gone before it.
    std::unique_ptr<OverviewWindow> overview_;
    GameState game_;
    RotationWorker worker_;
    QTimer* workerPoll_ = nullptr;  // reaps the finished worker without blocking the GUI
    QTimer* gameTimer_ = nullptr;   // refreshes the timer display once a second
    QLabel* timerDisplay_ = nullptr;
    QLabel* progressDisplay_ = nullptr;  // the share of joins made, beside the timer display
    QPushButton* menuButton_ = nullptr;
    QMenu* fullScreenMenu_ = nullptr;
    QMenu* backgroundMenu_ = nullptr;
    PicturePreviewWindow* preview_ = nullptr;
    HelpWindow* help_ = nullptr;
    QRect windowedGeometry_;  // the normal geometry saved when full-screen mode is entered
    bool wasMaximized_ = false;
    bool isClosing_ = false;
    std::string savedGamesFolder_ = SavedGamesFolder();
    std::string extraOptionsFile_;
    int32_t lastValidThickness_ = 0;  // shown by the settings dialog for a stored 0; 0 none yet
    // The capture-rectangle mode.
    CaptureSelection capture_;
    // The automatic save, once begun, and the timer that offers it the game every few seconds.
    std::unique_ptr<Autosave> autosave_;
    QTimer* autosaveTimer_ = nullptr;
};

}  // namespace tessary
