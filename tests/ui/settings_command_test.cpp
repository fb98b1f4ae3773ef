#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

#include "core/element_set.h"
#include "dialogs/my_color_dialog.h"
#include "dialogs/param_dlg.h"
#include "field/window/command_ids.h"
#include "picture/picture_buffer.h"
#include "window_fixture.h"

namespace tessary::testing {
namespace {

// The colour the field shows around the shape of the topmost element, which nothing covers:
// its contour.
std::uint32_t ContourOfTopElement(const GameState& game, const Field& field) {
    const ElementSet& set = *game.elements;
    const int top = set.zOrder()[0];
    const Element& e = set.element(top);
    for (int y = e.fieldRect.top; y < e.fieldRect.bottom; ++y)
        for (int x = e.fieldRect.left; x < e.fieldRect.right; ++x)
            if (set.fieldRegions()[top].contains(x, y) &&
                !e.outline.contains(x - e.fieldRect.left, y - e.fieldRect.top))
                return field.fieldPicture.pixel(x, y);
    return 0;
}

class SettingsCommandTest : public UiFixture {
protected:
    // A game of 3 x 2 elements of 32 made by the create-elements command, without rotation.
    void startGame() { ASSERT_NO_FATAL_FAILURE(createGameWithoutRotation(96, 64)); }

    // Runs the settings command; `edit` acts on the open dialog, which is then closed with OK
    // (or Cancel). A dialog still open after that is cancelled, so that no test can hang.
    void runSettings(const std::function<void(CParamDlg&)>& edit, bool isConfirmed = true) {
        WhenModal([edit, isConfirmed](QWidget* modal) {
            auto* dialog = qobject_cast<CParamDlg*>(modal);
            if (dialog == nullptr) {
                ADD_FAILURE() << "not the settings dialog";
                modal->close();
                return;
            }
            edit(*dialog);
            if (isConfirmed)
                dialog->accept();
            else
                dialog->reject();
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->reject();
            }
        });
        frame->runCommand(kCmdSettings);
    }

    static QLineEdit* edit(CParamDlg& dialog, const char* name) {
        return dialog.findChild<QLineEdit*>(QLatin1String(name));
    }
};

TEST_F(SettingsCommandTest, ContourChangesReachEveryElementAndAStoredZeroOpensAsTheLastThickness) {
    startGame();
    const int side = frame->game().plan.bitmapSide;
    QString shown;
    runSettings([&shown](CParamDlg& dialog) {
        shown = edit(dialog, "contourThickness")->text();
        edit(dialog, "contourThickness")->setText(QStringLiteral("4"));
    });
    EXPECT_EQ(shown, QStringLiteral("3"));
    EXPECT_EQ(settings.contourThickness, 4);
    for (const Element& e : frame->game().elements->elementTable()) {
        EXPECT_EQ(e.fieldRect.right - e.fieldRect.left, side + 1) << e.index;
    }

    auto toggle3D = [](CParamDlg& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("enable3DElements"))->click();
    };
    runSettings(toggle3D);
    EXPECT_EQ(settings.contourThickness, 0);
    const Element& e = frame->game().elements->element(0);
    EXPECT_EQ(e.raisedOutline, e.outline) << "flat pieces";

    // Reopened and confirmed unchanged: the stored 0 is not refused.
    runSettings([&shown](CParamDlg& dialog) { shown = edit(dialog, "contourThickness")->text(); });
    EXPECT_EQ(shown, QStringLiteral("4"));
    EXPECT_EQ(settings.contourThickness, 0);

    runSettings(toggle3D);
    EXPECT_EQ(settings.contourThickness, 4);
    EXPECT_NE(e.raisedOutline, e.outline);
    EXPECT_TRUE(questions.isEmpty()) << questions.join(u'|').toStdString();
}

TEST_F(SettingsCommandTest, TheTimerDisplayFollowsShowTimer) {
    startGame();
    ASSERT_FALSE(frame->timerDisplay().isHidden());
    runSettings([](CParamDlg& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("showTimer"))->click();
    });
    EXPECT_EQ(settings.showTimer, 0);
    EXPECT_TRUE(frame->timerDisplay().isHidden());
    runSettings([](CParamDlg& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("showTimer"))->click();
    });
    EXPECT_FALSE(frame->timerDisplay().isHidden());
}

TEST_F(SettingsCommandTest, CancelAfterAColourChoiceRestoresTheOldContour) {
    startGame();
    const std::int32_t old = settings.contourColor3D;
    const ColourRef chosen = MakeColourRef(250, 0, 0);
    std::uint32_t contourWhileOpen = 0;
    runSettings(
        [&](CParamDlg& dialog) {
            WhenModal([chosen](QWidget* modal) {
                auto* chooser = qobject_cast<CMyColorDialog*>(modal);
                if (chooser == nullptr) {
                    ADD_FAILURE() << "not the colour chooser";
                    modal->close();
                    return;
                }
                chooser->setCurrentColor(QColorOf(chosen));
                chooser->accept();
            });
            dialog.findChild<QPushButton*>(QStringLiteral("contourColor"))->click();
            contourWhileOpen = ContourOfTopElement(frame->game(), frame->field());
        },
        false);
    EXPECT_EQ(contourWhileOpen, PixelOfColourRef(chosen)) << "shown while the dialog is open";
    EXPECT_EQ(settings.contourColor3D, old);
    EXPECT_EQ(ContourOfTopElement(frame->game(), frame->field()), PixelOfColourRef(old));
}

}  // namespace
}  // namespace tessary::testing
