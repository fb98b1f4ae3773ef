#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "dialogs/save_file_dlg.h"
#include "dialogs/save_option_dlg.h"

namespace tessary {
namespace {

const QStringList kFilters = {QStringLiteral("BMP - Windows Bitmap (*.bmp *.dib)"),
                              QStringLiteral("JPG - JPEG (*.jpeg *.jpg *.jfif *.jfi)")};

// A save dialog set up as the capture command sets it: two types, JPEG preselected, in an
// empty folder of its own.
class SaveFileDlgTest : public ::testing::Test {
protected:
    SaveFileDlgTest() {
        dialog.setNameFilters(kFilters);
        dialog.setExtensions({QStringLiteral("bmp"), QStringLiteral("jpg")});
        dialog.selectNameFilter(kFilters[1]);
        dialog.setDirectory(folder.path());
    }

    // Types `name` into the file name box and presses "Сохранить".
    void save(const QString& name) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        QTest::keyClicks(edit, name);
        QMetaObject::invokeMethod(&dialog, "accept");
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
    }

    QPushButton* cancel() {
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        return buttons != nullptr ? buttons->button(QDialogButtonBox::Cancel) : nullptr;
    }

    // Opens the options with "Параметры", lets `act` work on them, and returns when they close.
    void editOptions(const std::function<void(CSaveOptionDlg&)>& act) {
        QTimer::singleShot(0, &dialog, [this, act] {
            auto* options = dialog.findChild<CSaveOptionDlg*>();
            ASSERT_NE(options, nullptr);
            act(*options);
        });
        dialog.optionsButton()->click();
    }

    QTemporaryDir folder;
    CSaveFileDlg dialog{nullptr};
};

TEST_F(SaveFileDlgTest, NameWithoutExtensionGetsThatOfThePreselectedType) {
    dialog.show();
    save(QStringLiteral("field"));
    EXPECT_EQ(dialog.selectedPath(), folder.filePath(QStringLiteral("field.jpg")));
    EXPECT_EQ(dialog.chosenExtension(), QStringLiteral("jpg"));
}

TEST_F(SaveFileDlgTest, NameWithoutExtensionGetsThatOfTheTypeChosenLast) {
    dialog.show();
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Up);  // the player picks BMP
    ASSERT_EQ(dialog.selectedNameFilter(), kFilters[0]);
    save(QStringLiteral("field"));
    EXPECT_EQ(dialog.selectedPath(), folder.filePath(QStringLiteral("field.bmp")));
    EXPECT_EQ(dialog.chosenExtension(), QStringLiteral("bmp"));
}

TEST_F(SaveFileDlgTest, TypedExtensionDecidesEvenAgainstTheType) {
    dialog.show();
    save(QStringLiteral("field.png"));
    EXPECT_EQ(dialog.selectedPath(), folder.filePath(QStringLiteral("field.png")));
    EXPECT_EQ(dialog.chosenExtension(), QStringLiteral("png"));
}

TEST_F(SaveFileDlgTest, DefaultExtensionGivenBeforeOpeningStands) {
    dialog.setDefaultSuffix(QStringLiteral("jfif"));
    dialog.show();
    save(QStringLiteral("field"));
    EXPECT_EQ(dialog.selectedPath(), folder.filePath(QStringLiteral("field.jfif")));
}

TEST_F(SaveFileDlgTest, OptionsButtonSitsSixPixelsUnderCancelAlsoAfterResizing) {
    dialog.show();
    for (QSize size : {dialog.size(), QSize(900, 700), QSize(640, 480)}) {
        SCOPED_TRACE(size.width());
        dialog.resize(size);
        QApplication::processEvents();
        ASSERT_NE(cancel(), nullptr);
        const QRect below(cancel()->mapTo(&dialog, QPoint(0, 0)), cancel()->size());
        EXPECT_EQ(dialog.optionsButton()->geometry(), below.translated(0, below.height() + 6));
        EXPECT_TRUE(dialog.optionsButton()->isVisible());
        EXPECT_EQ(dialog.childAt(dialog.optionsButton()->geometry().center()),
                  dialog.optionsButton())
            << "a click there reaches the button";
        EXPECT_LE(dialog.optionsButton()->geometry().bottom(), dialog.height());
    }
    EXPECT_EQ(dialog.optionsButton()->text(), QStringLiteral("Параметры"));
}

TEST_F(SaveFileDlgTest, OptionsAreEditedOnACopyTakenBackOnlyOnOk) {
    dialog.show();
    editOptions([](CSaveOptionDlg& options) {
        EXPECT_EQ(options.findChild<QLineEdit*>(QStringLiteral("quality"))->text(),
                  QStringLiteral("75"));
        options.findChild<QLineEdit*>(QStringLiteral("quality"))->setText(QStringLiteral("40"));
        options.reject();
    });
    EXPECT_EQ(dialog.jpegOptions().quality, 75);

    editOptions([](CSaveOptionDlg& options) {
        options.findChild<QLineEdit*>(QStringLiteral("quality"))->setText(QStringLiteral("40"));
        options.findChild<QCheckBox*>(QStringLiteral("progressive"))->click();
        options.accept();
    });
    EXPECT_EQ(dialog.jpegOptions().quality, 40);
    EXPECT_TRUE(dialog.jpegOptions().isProgressive);
    EXPECT_FALSE(dialog.jpegOptions().isOptimized);

    editOptions([](CSaveOptionDlg& options) {
        EXPECT_EQ(options.findChild<QLineEdit*>(QStringLiteral("quality"))->text(),
                  QStringLiteral("40"));
        options.reject();
    });
}

}  // namespace
}  // namespace tessary
