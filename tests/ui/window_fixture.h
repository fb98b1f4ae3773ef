#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

#include "core/game_settings.h"
#include "dialogs/message_box.h"
#include "field/window/main_frame.h"

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

/// A main window on a 1024 x 768 screen, shown, with the message boxes answered by the test.
class UiFixture : public ::testing::Test {
protected:
    UiFixture() {
        answerer_ = std::make_unique<ScopedMessageAnswerer>([this](const MessageRequest& r) {
            questions.push_back(r.text);
            return answer;
        });
        frame = std::make_unique<CMainFrame>(settings, ScreenInfo{1024, 768, 32});
        frame->show();
    }
    ~UiFixture() override {
        answer = MessageAnswer::Yes;
        frame->close();
    }

    /// Puts a 96 x 64 `picture` in place as if opened and cut 3 x 2 at 32, without the dialogs.
    void placeCutPicture(PictureBuffer picture) {
        GameState& game = frame->game();
        game.picture = std::move(picture);
        game.pictureLoaded = true;
        game.pictureCut = true;
        game.plan.pictureWidth = 96;
        game.plan.pictureHeight = 64;
        game.plan.elementSize = 32;
        game.plan.columns = 3;
        game.plan.rows = 2;
    }

    GameSettings settings;
    std::unique_ptr<CMainFrame> frame;
    MessageAnswer answer = MessageAnswer::Yes;  // the answer to every question
    QStringList questions;                      // the texts asked, in order

private:
    std::unique_ptr<ScopedMessageAnswerer> answerer_;
};

}  // namespace tessary::testing
