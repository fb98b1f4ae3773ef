#include <QApplication>
#include <QDialogButtonBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "dialogs/load_game_dlg.h"
#include "dialogs/my_color_dialog.h"
#include "dialogs/open_file_dlg.h"
#include "dialogs/param_dlg.h"
#include "dialogs/save_file_dlg.h"
#include "dialogs/save_game_dlg.h"
#include "dialogs/save_option_dlg.h"
#include "dialogs/size_part_dlg.h"

namespace tessary {
namespace {

// A desktop whose theme puts Cancel before OK, as some do.
class CancelFirstStyle : public QProxyStyle {
public:
    CancelFirstStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonLayout)
            return QDialogButtonBox::GnomeLayout;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The application runs with CancelFirstStyle while it lives.
class CancelFirstDesktop {
public:
    CancelFirstDesktop() : previous_(QApplication::style()->name()) {
        QApplication::setStyle(new CancelFirstStyle);
    }
    ~CancelFirstDesktop() { QApplication::setStyle(previous_); }

private:
    QString previous_;
};

QPushButton* CancelButtonOf(const QDialog& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->isVisibleTo(&dialog) &&
            button->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Отмен")))
            return button;
    }
    return nullptr;
}

struct DialogRow {
    const char* name;
    std::function<std::unique_ptr<QDialog>(const std::string& folder)> make;
};

TEST(ButtonOrderTest, CancelIsTheRightmostButtonOfEveryDialog) {
    CancelFirstDesktop desktop;
    QTemporaryDir folder;
    CuttingPlan plan;
    plan.pictureWidth = 640;
    plan.pictureHeight = 480;
    const DialogRow rows[] = {
        {"settings", [](auto&) { return std::make_unique<CParamDlg>(nullptr); }},
        {"cut", [&](auto&) { return std::make_unique<CSizePartDlg>(plan, CutOptions{}, nullptr); }},
        {"JPEG options",
         [](auto&) { return std::make_unique<CSaveOptionDlg>(JpegOptions{}, nullptr); }},
        {"colour chooser", [](auto&) { return std::make_unique<CMyColorDialog>(0, nullptr); }},
        {"open picture", [](auto&) { return std::make_unique<COpenFileDlg>(nullptr); }},
        {"save picture", [](auto&) { return std::make_unique<CSaveFileDlg>(nullptr); }},
        {"save game",
         [](auto& games) { return std::make_unique<CSaveGameDlg>(QString(), games, nullptr); }},
        {"load game", [](auto& games) { return std::make_unique<CLoadGameDlg>(games, nullptr); }},
    };
    for (const DialogRow& row : rows) {
        const std::unique_ptr<QDialog> dialog = row.make(folder.path().toStdString());
        dialog->show();
        QApplication::processEvents();
        const QPushButton* cancel = CancelButtonOf(*dialog);
        ASSERT_NE(cancel, nullptr) << row.name;
        const QRect cancelRect(cancel->mapTo(dialog.get(), QPoint(0, 0)), cancel->size());
        for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button == cancel || !button->isVisibleTo(dialog.get()))
                continue;
            const QRect rect(button->mapTo(dialog.get(), QPoint(0, 0)), button->size());
            EXPECT_LE(rect.right(), cancelRect.right())
                << row.name << ": " << button->text().toStdString();
            const bool isSameRow =
                rect.top() <= cancelRect.bottom() && cancelRect.top() <= rect.bottom();
            if (isSameRow) {
                EXPECT_LT(rect.left(), cancelRect.left())
                    << row.name << ": " << button->text().toStdString();
            }
        }
        dialog->hide();
    }
}

}  // namespace
}  // namespace tessary
