#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/game_settings.h"
#include "dialogs/message_box.h"
#include "field/window/command_ids.h"
#include "field/window/main_frame.h"
#include "field/window/main_menus.h"
#include "picture/picture_buffer.h"

namespace tessary::testing {

/// Runs `act` on the next visible modal window of type Dialog (by default any: a dialog or
/// message box opened by a command), polling the event loop until one is up. A modal window of
/// another type, such as the one a command is still closing, is passed over.
template <class Dialog = QWidget>
void WhenModal(std::type_identity_t<std::function<void(Dialog*)>> act) {
    QTimer::singleShot(10, [act = std::move(act)] {
        auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (modal != nullptr && modal->isVisible())
            act(modal);
        else
            WhenModal<Dialog>(act);
    });
}

/// The item of `menu` that gives `command`; null when there is none.
inline QAction* ItemOf(QMenu* menu, int command) {
    for (QAction* action : menu->actions())
        if (CommandOf(action) == command)
            return action;
    return nullptr;
}

/// What `state` says of the item giving `command` in each of `menus`, each menu brought up to
/// date as it is when it opens.
inline std::vector<bool> ItemStates(const std::vector<QMenu*>& menus, int command,
                                    bool (QAction::*state)() const) {
    std::vector<bool> states;
    for (QMenu* menu : menus) {
        Q_EMIT menu->aboutToShow();
        states.push_back((ItemOf(menu, command)->*state)());
    }
    return states;
}

/// A 96 x 64 gradient, to be cut 3 x 2 at 32.
inline PictureBuffer GradientPicture() {
    PictureHeader header;
    header.width = 96;
    header.height = 64;
    PictureBuffer picture = PictureBuffer::Create(header);
    for (int y = 0; y < picture.height(); ++y) {
        std::uint8_t* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            row[3 * x] = 128;
            row[3 * x + 1] = static_cast<std::uint8_t>(4 * y);
            row[3 * x + 2] = static_cast<std::uint8_t>(2 * x);
        }
    }
    return picture;
}

/// A main window on a 1024 x 768 screen, shown, with the message boxes answered by the test.
class UiFixture : public ::testing::Test {
protected:
    UiFixture() {
        answerer_ = std::make_unique<ScopedMessageAnswerer>([this](const MessageRequest& r) {
            questions.push_back(r.text);
            icons.push_back(r.icon);
            return answer;
        });
        frame = std::make_unique<CMainFrame>(settings, ScreenInfo{1024, 768, 32});
        frame->show();
    }
    ~UiFixture() override {
        answer = MessageAnswer::Yes;
        frame->close();
    }

    /// Lets events through until `count` boxes have been shown, for at most five seconds.
    void waitForQuestions(int count) {
        QElapsedTimer waited;
        waited.start();
        while (questions.size() < count && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    /// A game made by the create-elements command from a blank `width` x `height` picture cut
    /// at 32, without rotation.
    void createGameWithoutRotation(int width, int height) {
        PictureHeader header;
        header.width = width;
        header.height = height;
        settings.rotateElements = 0;
        placeCutPicture(PictureBuffer::Create(header));
        frame->runCommand(kCmdCreateElements);
        ASSERT_TRUE(frame->game().isInProgress());
    }

    /// Puts `picture` in place as if opened and cut at `elementSize` (32 unless given), without
    /// the dialogs: a 96 x 64 picture is cut 3 x 2.
    void placeCutPicture(PictureBuffer picture, int elementSize = 32) {
        GameState& game = frame->game();
        game.plan.pictureWidth = picture.width();
        game.plan.pictureHeight = picture.height();
        game.plan.elementSize = elementSize;
        game.plan.columns = picture.width() / elementSize;
        game.plan.rows = picture.height() / elementSize;
        game.picture = std::move(picture);
        game.pictureLoaded = true;
        game.pictureCut = true;
    }

    GameSettings settings;
    std::unique_ptr<CMainFrame> frame;
    MessageAnswer answer = MessageAnswer::Yes;  // the answer to every question
    QStringList questions;                      // the texts asked, in order
    std::vector<MessageIcon> icons;             // their icons

private:
    std::unique_ptr<ScopedMessageAnswerer> answerer_;
};

}  // namespace tessary::testing
