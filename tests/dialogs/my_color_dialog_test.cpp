#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include "dialogs/custom_colors.h"
#include "dialogs/my_color_dialog.h"

namespace tessary {
namespace {

TEST(MyColorDialogTest, OffersTheSharedCustomColoursAndKeepsEditsOnCancel) {
    const std::array<ColourRef, 16> saved = CustomColors();
    CustomColors()[3] = 0x123456;
    CMyColorDialog dialog(0xA0C0B0, nullptr);
    dialog.SetTitle(QStringLiteral("Выберите цвет фона"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выберите цвет фона"));
    EXPECT_EQ(dialog.chosenColour(), ColourRef{0xA0C0B0});

    QRgb offered = 0;
    QTimer::singleShot(0, [&] {
        offered = QColorDialog::customColor(3).rgb();
        QColorDialog::setCustomColor(5, QColor(1, 2, 3));  // the player edits a custom colour
        dialog.reject();
    });
    EXPECT_FALSE(dialog.run());
    EXPECT_EQ(offered, QColorOf(0x123456).rgb());
    EXPECT_EQ(CustomColors()[5], MakeColourRef(1, 2, 3));
    CustomColors() = saved;
}

}  // namespace
}  // namespace tessary
