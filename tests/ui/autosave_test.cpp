#include <QDialog>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <array>
#include <vector>

#include "core/element_set.h"
#include "dialogs/restore_game_dlg.h"
#include "field/window/command_ids.h"
#include "field/window/field_view.h"
#include "game/message_texts.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

// Where every element lies: core square and place in the z-order.
using Layout = std::vector<std::array<int, 5>>;

Layout LayoutOf(const GameState& game) {
    Layout layout;
    const ElementSet& set = *game.elements;
    for (int k = 0; k < set.elementCount(); ++k) {
        const Rect& core = set.baseRects()[k];
        layout.push_back({core.left, core.top, core.right, core.bottom, set.zOrder()[k]});
    }
    return layout;
}

class AutosaveTest : public UiFixture {
protected:
    AutosaveTest() { frame->beginAutosave(slots.path().toStdString()); }

    void mouse(QEvent::Type type, Point at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget& view = frame->fieldView();
        const QPointF local(at.x, at.y);
        QMouseEvent event(type, local, view.mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }

    // Carries the topmost element by its middle `by` field pixels with the left button.
    void carryTopElement(Point by) {
        const ElementSet& set = *frame->game().elements;
        const Rect& core = set.baseRects()[set.zOrder().back()];
        const Viewport& v = frame->field().viewport;
        const Point from{(core.left + core.right) / 2 - v.scrollX,
                         (core.top + core.bottom) / 2 - v.scrollY};
        const Point to{from.x + by.x, from.y + by.y};
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, {from.x + by.x / 2, from.y + by.y / 2}, Qt::NoButton,
              Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }

    QTemporaryDir slots;
};

TEST_F(AutosaveTest, AGameDiscardedForANewOneComesBackThroughTheRestoreCommand) {
    settings.rotateElements = 0;
    placeCutPicture(GradientPicture());
    frame->game().pictureName = "gradient";
    frame->game().seedSource = [] { return 7; };
    frame->runCommand(kCmdCreateElements);
    ASSERT_TRUE(frame->game().isInProgress());
    const Layout created = LayoutOf(frame->game());
    carryTopElement({150, 90});
    const Layout played = LayoutOf(frame->game());
    ASSERT_NE(played, created) << "the carried element did not move";

    // "Создать новую игру?" Yes, then the picture open dialog cancelled: the game is gone.
    WhenModal<QDialog>([](QDialog* open) { open->reject(); });
    frame->runCommand(kCmdNewGame);
    ASSERT_EQ(questions, QStringList{QString::fromUtf8(kNewGameQuestion)});
    ASSERT_FALSE(frame->game().elementsCreated);

    QMenu& menu = frame->fullScreenMenu();
    Q_EMIT menu.aboutToShow();
    ASSERT_TRUE(ItemOf(&menu, kCmdRestoreGame)->isEnabled());

    int listed = 0;
    WhenModal<CRestoreGameDlg>([&](CRestoreGameDlg* dialog) {
        auto* games = dialog->findChild<QTreeWidget*>(QStringLiteral("games"));
        listed = games->topLevelItemCount();
        EXPECT_EQ(games->topLevelItem(0)->text(0), QStringLiteral("gradient"));
        EXPECT_EQ(games->topLevelItem(0)->text(1), QStringLiteral("6"));
        dialog->accept();
    });
    frame->runCommand(kCmdRestoreGame);
    EXPECT_EQ(listed, 1);
    ASSERT_TRUE(frame->game().isInProgress());
    EXPECT_EQ(frame->game().pictureName, "gradient");
    EXPECT_EQ(LayoutOf(frame->game()), played);
}

}  // namespace
}  // namespace tessary::testing
