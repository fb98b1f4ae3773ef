#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QUrl>

#include "core/element_set.h"
#include "dialogs/open_file_dlg.h"
#include "dialogs/pause_dlg.h"
#include "dialogs/size_part_dlg.h"
#include "field/field_drawing.h"
#include "field/window/command_ids.h"
#include "field/window/completion_window.h"
#include "field/window/field_view.h"
#include "field/window/preview_window.h"
#include "field/window/progress_window.h"
#include "game/memory_fault.h"
#include "game/message_texts.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

// A 192 x 128 picture with a gradient, which the cut dialog proposes to cut 3 x 2 at 64.
QString WriteTestPicture(const QTemporaryDir& folder) {
    QImage image(192, 128, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y * 2, 128));
    const QString path = folder.filePath(QStringLiteral("gradient.png"));
    image.save(path);
    return path;
}

// Replaces the text of the dialog's line edit `name` by typing `value`.
void TypeInto(QWidget* dialog, const char* name, int value) {
    auto* field = dialog->findChild<QLineEdit*>(QString::fromUtf8(name));
    ASSERT_NE(field, nullptr);
    field->selectAll();
    QTest::keyClicks(field, QString::number(value));
}

class NewGameTest : public UiFixture {
protected:
    // "Новая игра" through the real open and cut dialogs, confirming both.
    // `columns` and `rows`: typed into the cut dialog when not 0.
    void playNewGame(bool isRotated, int columns = 0, int rows = 0) {
        settings.rotateElements = isRotated ? 1 : 0;
        const QString path = WriteTestPicture(folder);
        WhenModal<COpenFileDlg>([path, columns, rows](COpenFileDlg* open) {
            // Typed as the player would: selectFile() leaves the name box alone while it
            // has the keyboard focus.
            auto* name = open->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(path);
            QMetaObject::invokeMethod(open, "accept");
            WhenModal<CSizePartDlg>([columns, rows](CSizePartDlg* cut) {
                if (columns != 0) {
                    TypeInto(cut, "columns", columns);
                    TypeInto(cut, "rows", rows);
                }
                cut->accept();
            });
        });
        frame->runCommand(kCmdNewGame);
        while (frame->game().workerBusy)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    const ElementSet& elements() { return *frame->game().elements; }

    // Drags element k (upright, alone) by its core so that it lands just right of element 0,
    // within the capture range, and lets go when `isReleased`.
    void dragRightOfFirst(int k, bool isReleased = true);

    // Sends a mouse event with an explicit key-and-button state to the field.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget& view = frame->fieldView();
        QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }

    QTemporaryDir folder;
};

TEST_F(NewGameTest, NewGameThroughBothDialogsCutsThreeByTwoAndPlays) {
    playNewGame(false);
    const GameState& game = frame->game();
    ASSERT_TRUE(game.isInProgress());
    EXPECT_EQ(game.pictureName, "gradient");
    EXPECT_EQ(game.plan.columns, 3);
    EXPECT_EQ(game.plan.rows, 2);
    EXPECT_EQ(elements().elementCount(), 6);
    EXPECT_TRUE(frame->isEnabled());  // the progress window gave the window back
    EXPECT_TRUE(game.clock.isRunning());
}

TEST_F(NewGameTest, RotatedGameIsCreatedThroughTheWorkersHandOver) {
    playNewGame(true);
    ASSERT_TRUE(frame->game().isInProgress());
    EXPECT_EQ(elements().elementCount(), 6);
}

TEST_F(NewGameTest, AnsweringNoToTheNewGameQuestionKeepsTheGame) {
    playNewGame(false);
    answer = MessageAnswer::No;
    frame->runCommand(kCmdLoadPicture);
    frame->runCommand(kCmdCutPicture);
    frame->runCommand(kCmdCreateElements);
    EXPECT_EQ(questions, QStringList(3, QString::fromUtf8("Создать новую игру?")));
    EXPECT_TRUE(frame->game().isInProgress());
    EXPECT_TRUE(frame->game().pictureLoaded);
}

TEST_F(NewGameTest, AnsweringYesDiscardsGameAndPictureBeforeTheOpenDialog) {
    playNewGame(false);
    answer = MessageAnswer::Yes;
    bool wasEmptyInDialog = false;
    WhenModal([&](QWidget* modal) {
        wasEmptyInDialog = !frame->game().pictureLoaded && !frame->game().elementsCreated;
        qobject_cast<QDialog*>(modal)->reject();
    });
    frame->runCommand(kCmdLoadPicture);
    EXPECT_TRUE(wasEmptyInDialog);
    EXPECT_FALSE(frame->game().pictureLoaded);
    EXPECT_EQ(frame->timerDisplay().text(), QStringLiteral("00:00:00"));
}

TEST_F(NewGameTest, ClosingAGameInProgressAsksAndNoKeepsTheWindow) {
    playNewGame(false);
    answer = MessageAnswer::No;
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(questions.last(), QString::fromUtf8("Выйти из игры?"));
    EXPECT_TRUE(frame->game().isInProgress());
}

TEST_F(NewGameTest, DraggingAPieceNextToItsNeighbourSnapsIt) {
    playNewGame(false);
    dragRightOfFirst(1);
    const ElementSet& set = elements();
    EXPECT_EQ(frame->field().heldElement, -1);  // the snap ended the drag
    EXPECT_FALSE(set.element(1).alone);
    EXPECT_EQ(set.baseRects()[1].left, set.baseRects()[0].right);
    EXPECT_EQ(set.baseRects()[1].top, set.baseRects()[0].top);
    EXPECT_FALSE(frame->game().gameComplete);
}

TEST_F(NewGameTest, TheLastJoinCompletesTheGameAndShowsTheCompletionWindowForASecond) {
    playNewGame(false, 2, 1);
    ASSERT_EQ(elements().elementCount(), 2);
    QElapsedTimer shown;
    bool wasComplete = false;
    bool isCompletionWindow = false;
    WhenModal([&](QWidget* modal) {
        shown.start();
        isCompletionWindow = dynamic_cast<CompletionWindow*>(modal) != nullptr;
        wasComplete = frame->game().gameComplete && !frame->game().clock.isRunning();
        QTest::keyClick(modal, Qt::Key_Space);  // too early: carried out after the second
    });
    dragRightOfFirst(1);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return isCompletionWindow && QApplication::activeModalWidget() == nullptr; }, 3000));
    EXPECT_TRUE(wasComplete);
    EXPECT_GE(shown.elapsed(), CompletionWindow::kMinimumMilliseconds - 50);
    EXPECT_FALSE(frame->isCommandEnabled(kCmdSaveGame));
    EXPECT_TRUE(frame->close());  // a complete game is closed without a question
    EXPECT_TRUE(questions.isEmpty());
}

struct CreationMemoryRow {
    const char* name;
    bool isRotated;        // built on the worker's hand-over
    MessageAnswer toExit;  // the answer to "Выйти из игры?"
};

// Memory runs out while the tables of a new game are built: the player is told and asked
// whether to quit; on No the program goes on with the picture cut and no game.
TEST_F(NewGameTest, RunningOutOfMemoryWhileCreatingTellsAndAsksWhetherToQuit) {
    const CreationMemoryRow rows[] = {
        {"on the main thread, staying", false, MessageAnswer::No},
        {"on the worker's hand-over, staying", true, MessageAnswer::No},
        {"quitting", false, MessageAnswer::Yes},
    };
    for (const CreationMemoryRow& row : rows) {
        SCOPED_TRACE(row.name);
        frame = std::make_unique<CMainFrame>(settings, ScreenInfo{1024, 768, 32});
        frame->show();
        questions.clear();
        icons.clear();
        settings.rotateElements = row.isRotated ? 1 : 0;
        answer = row.toExit;
        placeCutPicture(GradientPicture());
        InjectBuildMemoryFault();
        frame->runCommand(kCmdCreateElements);
        waitForQuestions(2);
        EXPECT_EQ(questions, QStringList({QString::fromUtf8(kOutOfMemoryMessage),
                                          QString::fromUtf8(kExitQuestion)}));
        EXPECT_EQ(icons, (std::vector{MessageIcon::Error, MessageIcon::Question}));
        EXPECT_FALSE(frame->game().elementsCreated);
        EXPECT_EQ(frame->isVisible(), row.toExit == MessageAnswer::No);
        if (row.toExit == MessageAnswer::Yes)
            continue;
        EXPECT_TRUE(frame->game().pictureLoaded && frame->game().pictureCut);
        // The worker may still be letting go after its report: create once it has.
        const auto waitForWorker = [&] {
            while (frame->game().workerBusy)
                QApplication::processEvents(QEventLoop::AllEvents, 10);
        };
        waitForWorker();
        frame->runCommand(kCmdCreateElements);  // the program goes on: the game can be created
        waitForWorker();
        EXPECT_TRUE(frame->game().isInProgress());
        answer = MessageAnswer::Yes;
    }
}

void NewGameTest::dragRightOfFirst(int k, bool isReleased) {
    const ElementSet& set = elements();
    const int s = frame->game().plan.elementSize;
    const Viewport& v = frame->field().viewport;
    const Rect left = set.baseRects()[0];
    const Rect right = set.baseRects()[k];
    const QPoint grab(right.left + s / 2 - v.scrollX, right.top + s / 2 - v.scrollY);
    // Where the grab point lies once the right piece's core touches the left one's right side.
    const QPoint target(left.right + s / 2 - v.scrollX + 2, left.top + s / 2 - v.scrollY + 1);
    mouse(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(frame->field().heldElement, k);
    mouse(QEvent::MouseMove, (grab + target) / 2, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, target, Qt::NoButton, Qt::LeftButton);
    if (isReleased)
        mouse(QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
}

TEST_F(NewGameTest, ThePointerShowsAgainWhenTheLastJoinOpensTheCompletionWindow) {
    playNewGame(false, 2, 1);
    bool isCompletionWindow = false;
    WhenModal([&](QWidget* modal) {
        isCompletionWindow = dynamic_cast<CompletionWindow*>(modal) != nullptr;
        qobject_cast<QDialog*>(modal)->accept();
    });
    dragRightOfFirst(1, false);  // the completion window takes the button's release
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return isCompletionWindow && QApplication::activeModalWidget() == nullptr; }, 3000));
    EXPECT_EQ(frame->fieldView().shownCursor(), CursorShape::Arrow);
    EXPECT_NE(frame->fieldView().cursor().shape(), Qt::BlankCursor);
}

TEST_F(NewGameTest, TheWorkersBusyCursorOutlastsAReleaseAndARedraw) {
    playNewGame(false);
    settings.rotateElements = 1;
    answer = MessageAnswer::Yes;
    frame->runCommand(kCmdCreateElements);
    // The worker hands over through this thread's events, which wait until the end.
    ASSERT_TRUE(frame->game().workerBusy);
    const QPoint inside(100, 100);
    mouse(QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    RedrawField(frame->field(), {.clear = true});
    EXPECT_EQ(frame->fieldView().shownCursor(), CursorShape::Busy);
    EXPECT_EQ(frame->previewWindow().cursor().shape(), Qt::BitmapCursor);

    while (frame->game().workerBusy)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(frame->game().isInProgress());
    EXPECT_EQ(frame->fieldView().shownCursor(), CursorShape::Arrow);
    EXPECT_EQ(frame->previewWindow().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(NewGameTest, ACommandGivenWhileAPieceIsCarriedLetsGoOfItFirst) {
    playNewGame(false);
    const Rect core = elements().baseRects()[2];
    const Viewport& v = frame->field().viewport;
    const QPoint grab((core.left + core.right) / 2 - v.scrollX,
                      (core.top + core.bottom) / 2 - v.scrollY);
    mouse(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(frame->field().heldElement, 2);
    frame->runCommand(kCmdShowPicture);
    EXPECT_EQ(frame->field().heldElement, 2);  // looking at the picture keeps it in hand
    frame->runCommand(kCmdArrangeElements);
    EXPECT_EQ(frame->field().heldElement, -1);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_TRUE(frame->field().dragRegion.isEmpty());
}

// What a file manager's drag carries.
std::unique_ptr<QMimeData> DraggedFiles(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

// Whether the main window takes the drag into it.
bool TakesDrag(QWidget& window, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    return enter.isAccepted();
}

TEST_F(NewGameTest, APictureDroppedOnTheWindowStartsANewGameFromIt) {
    playNewGame(false);
    QImage image(256, 128, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = folder.filePath(QStringLiteral("dropped.JPG"));
    ASSERT_TRUE(image.save(path, "JPEG"));
    const auto picture = DraggedFiles({path});
    ASSERT_TRUE(TakesDrag(*frame, *picture));

    QStringList cutDialogLabels;
    WhenModal<CSizePartDlg>([&cutDialogLabels](CSizePartDlg* cut) {
        for (const QLabel* label : cut->findChildren<QLabel*>())
            cutDialogLabels << label->text();
        cut->accept();
    });
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, picture.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    ASSERT_TRUE(QTest::qWaitFor([this] { return frame->game().pictureName == "dropped"; }));
    ASSERT_TRUE(QTest::qWaitFor([this] { return frame->game().isInProgress(); }));
    EXPECT_EQ(questions, QStringList(QString::fromUtf8("Создать новую игру?")));
    EXPECT_TRUE(cutDialogLabels.contains(QString::fromUtf8("&Ширина картинки (256)")));
    EXPECT_TRUE(cutDialogLabels.contains(QString::fromUtf8("&Высота картинки (128)")));
    EXPECT_EQ(elements().elementCount(), frame->game().plan.columns * frame->game().plan.rows);

    // Anything but one picture file is refused.
    const QString text = folder.filePath(QStringLiteral("notes.txt"));
    QFile(text).open(QIODevice::WriteOnly);
    EXPECT_FALSE(TakesDrag(*frame, *DraggedFiles({text})));
    EXPECT_FALSE(TakesDrag(*frame, *DraggedFiles({path, path})));
    EXPECT_FALSE(TakesDrag(*frame, *DraggedFiles({folder.path()})));
    QMimeData words;
    words.setText(path);
    EXPECT_FALSE(TakesDrag(*frame, words));
}

TEST_F(NewGameTest, PauseStopsTheClockUntilThePauseKeyClosesItsWindow) {
    playNewGame(false);
    bool wasRunningInPause = true;
    WhenModal([&](QWidget* modal) {
        wasRunningInPause = frame->game().clock.isRunning();
        QTest::keyClick(modal, Qt::Key_Pause);
    });
    frame->runCommand(kCmdPause);
    EXPECT_FALSE(wasRunningInPause);
    EXPECT_TRUE(frame->game().clock.isRunning());
}

// "П&ауза" in "&Действия" and in the full-screen menu, enabled as the Pause key acts: while a
// game is in progress and the timer is shown.
TEST_F(NewGameTest, PauseItemIsEnabledWhenThePauseKeyWouldActAndPauses) {
    QMenu* actionsMenu = frame->menuBar()->actions().at(1)->menu();
    const std::vector<QMenu*> menus = {actionsMenu, &frame->fullScreenMenu()};
    const auto enabled = [&menus] { return ItemStates(menus, kCmdPause, &QAction::isEnabled); };
    for (QMenu* menu : menus) {
        ASSERT_NE(ItemOf(menu, kCmdPause), nullptr);
        EXPECT_EQ(ItemOf(menu, kCmdPause)->text(), QString::fromUtf8("П&ауза\tPause"));
    }
    EXPECT_EQ(enabled(), (std::vector{false, false}));  // no game
    playNewGame(false);
    EXPECT_EQ(enabled(), (std::vector{true, true}));
    settings.showTimer = 0;
    EXPECT_EQ(enabled(), (std::vector{false, false}));
    settings.showTimer = 1;

    bool wasRunningInPause = true;
    WhenModal<CPauseDlg>([&](CPauseDlg* pause) {
        wasRunningInPause = frame->game().clock.isRunning();
        QTest::keyClick(pause, Qt::Key_Pause);
    });
    Q_EMIT actionsMenu->aboutToShow();
    ItemOf(actionsMenu, kCmdPause)->trigger();
    EXPECT_FALSE(wasRunningInPause);
    EXPECT_TRUE(frame->game().clock.isRunning());
}

TEST_F(NewGameTest, PauseDoesNothingWithTheTimerHidden) {
    playNewGame(false);
    settings.showTimer = 0;
    frame->runCommand(kCmdPause);  // a modal window would never close here
    EXPECT_TRUE(frame->game().clock.isRunning());
}

}  // namespace
}  // namespace tessary::testing
