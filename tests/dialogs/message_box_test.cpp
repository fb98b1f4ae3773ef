#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "dialogs/message_box.h"
#include "message_recorder.h"

namespace tessary {
namespace {

TEST(MessageBoxTest, AnswererDecidesConfirmationsAndSeesTheRequest) {
    {
        MessageRecorder recorder(MessageAnswer::Yes);
        EXPECT_TRUE(AskYesNo(nullptr, QStringLiteral("Начать новую игру?")));
        ASSERT_EQ(recorder.requests.size(), 1u);
        EXPECT_EQ(recorder.requests[0].text, QStringLiteral("Начать новую игру?"));
        EXPECT_EQ(recorder.requests[0].icon, MessageIcon::Question);
        EXPECT_TRUE(recorder.requests[0].isYesNo);
    }
    MessageRecorder recorder(MessageAnswer::No);
    EXPECT_FALSE(AskYesNo(nullptr, QStringLiteral("Выйти?")));
    ShowMessage(nullptr, QStringLiteral("Ошибка"), MessageIcon::Error);
    ASSERT_EQ(recorder.requests.size(), 2u);
    EXPECT_EQ(recorder.requests[1].icon, MessageIcon::Error);
    EXPECT_FALSE(recorder.requests[1].isYesNo);
}

TEST(MessageBoxTest, NestedAnswerersRestoreTheOuterOne) {
    MessageRecorder outer(MessageAnswer::Yes);
    {
        MessageRecorder inner(MessageAnswer::No);
        EXPECT_FALSE(AskYesNo(nullptr, QStringLiteral("?")));
    }
    EXPECT_TRUE(AskYesNo(nullptr, QStringLiteral("?")));
    EXPECT_EQ(outer.requests.size(), 1u);
}

// Without an answerer the real box appears: the program's caption, the question icon and the
// Russian buttons; the answer is the button pressed.
TEST(MessageBoxTest, RealBoxHasCaptionRussianButtonsAndReturnsTheButtonPressed) {
    QString caption;
    QStringList buttonTexts;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no message box is shown";
            return;
        }
        caption = box->windowTitle();
        icon = box->icon();
        QPushButton* yes = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            buttonTexts << button->text();
            if (button->text() == QStringLiteral("Да")) {
                yes = qobject_cast<QPushButton*>(button);
            }
        }
        if (yes == nullptr) {
            ADD_FAILURE() << "no button \"Да\"";
            box->reject();
            return;
        }
        yes->click();
    });
    EXPECT_TRUE(AskYesNo(nullptr, QStringLiteral("Продолжить?")));
    EXPECT_EQ(caption, QStringLiteral("Tessary from Kelvandor 1.9.05"));
    EXPECT_EQ(icon, QMessageBox::Question);
    buttonTexts.sort();
    EXPECT_EQ(buttonTexts, QStringList({QStringLiteral("Да"), QStringLiteral("Нет")}));
}

}  // namespace
}  // namespace tessary
