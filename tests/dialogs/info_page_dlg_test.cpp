#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <vector>

#include "dialogs/about_dlg.h"
#include "dialogs/controls_dlg.h"
#include "dialogs/html_ctrl.h"

namespace tessary {
namespace {

// Page texts with Latin letters that look like Cyrillic ones: the letters in braces are Latin.
QString Text(const char* marked) {
    QString text;
    bool isLatin = false;
    for (const QChar c : QString::fromUtf8(marked)) {
        if (c == QLatin1Char('{') || c == QLatin1Char('}')) {
            isLatin = c == QLatin1Char('{');
            continue;
        }
        EXPECT_TRUE(!isLatin || c.unicode() < 0x80) << marked;
        text.append(c);
    }
    return text;
}

// A cell's text with its line breaks shown as "|".
QString CellText(const QTextTableCell& cell) {
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::LineSeparator, QLatin1Char('|'));
}

QTextTable* OnlyTable(QTextDocument* document) {
    std::vector<QTextTable*> tables;
    for (QTextFrame* frame : document->rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame))
            tables.push_back(table);
    }
    EXPECT_EQ(tables.size(), 1u);
    return tables.empty() ? nullptr : tables.front();
}

struct ControlsRow {
    const char* action;  // a section heading when keys is null
    const char* keys;
};

TEST(ControlsDlgTest, TableListsEveryActionWithItsKeysInThreeSections) {
    const ControlsRow expected[] = {
        {"Действие", "Комбинация клавиш"},
        {"Операции с элементами и блоками", nullptr},
        {"Переместить", "Левая кнопка мыши"},
        {"Извлечь из блока", "1) Средняя кнопка мыши|2) Shift + Левая кнопка мыши"},
        {"Повернуть|по часовой стрелке", "1) Двойной щелчок правой кнопкой мыши|2) Колесико мыши"},
        {"Повернуть|против часовой стрелки",
         "1) Двойной щелчок левой кнопкой мыши|2) Колесико мыши"},
        {"Прокрутка игрового поля", nullptr},
        {"Прокрутить|по вертикали", "1) Колесико мыши|2) Стрелки вверх и вниз"},
        {"Прокрутить|по горизонтали", "1) Shift + Колесико мыши|2) Стрелки влево и вправо"},
        {"Сокращённые клавиатурные команды", nullptr},
        {"Помощь", "F1"},
        {"{Coxpa}нить иг{p}у", "F2"},
        {"З{a}г{p}узить иг{p}у", "F3"},
        {"Новая игра", "Ctrl + N"},
        {"Настройки", "Ctrl + T"},
        {"Сохранить настройки", "Ctrl + S"},
        {"Загрузить картинку", "Ctrl + O"},
        {"Разрезать картинку", "Ctrl + R"},
        {"Создать элементы", "Enter"},
        {"Упорядочить элементы", "Ctrl + Z"},
        {"Показать все элементы", "Ctrl + A"},
        {"Показать/спрятать картинку", "Ctrl + P"},
        {"Полноэкранный/оконный режим", "Ctrl + M"},
        {"Управление", "Ctrl + C"},
        {"Основное меню", "1) F10;|2) Пробел"},
        {"Меню выбора фона", "Ctrl + B"},
        {"Текстура 1,...,9,10", "1,...,9,0"},
        {"П{a}уз{a}", "Pause"},
        {"П{o}д{c}к{a}зка", "H"},
    };
    CControlsDlg dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Управление"));
    EXPECT_EQ(dialog.htmlCtrl().documentTitle(), QStringLiteral("Управление"));
    QTextTable* table = OnlyTable(dialog.htmlCtrl().document());
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columns(), 2);
    ASSERT_EQ(table->rows(), static_cast<int>(std::size(expected)));
    for (int row = 0; row < table->rows(); ++row) {
        const ControlsRow& want = expected[row];
        SCOPED_TRACE(want.action);
        const QTextTableCell first = table->cellAt(row, 0);
        EXPECT_EQ(CellText(first), Text(want.action));
        if (want.keys == nullptr) {
            EXPECT_EQ(first.columnSpan(), 2);
        } else {
            EXPECT_EQ(first.columnSpan(), 1);
            EXPECT_EQ(CellText(table->cellAt(row, 1)), Text(want.keys));
        }
    }
}

TEST(AboutDlgTest, PageShowsTheProductVersionAcknowledgementAndItsPictures) {
    CAboutDlg dialog(nullptr);
    CHtmlCtrl& view = dialog.htmlCtrl();
    QTextDocument* page = view.document();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(view.documentTitle(), QStringLiteral("О программе"));
    const QString text = page->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Tessary from Kelvandor")));
    EXPECT_TRUE(text.contains(QStringLiteral(
        "Эта программа частично основана на работах Independent JPEG Group и Group 42, Inc")));
    const QTextCursor version = page->find(QStringLiteral("Версия 1.9.05"));
    ASSERT_FALSE(version.isNull());
    EXPECT_EQ(version.block().text(), QStringLiteral("Версия 1.9.05"));
    EXPECT_TRUE(version.blockFormat().alignment() & Qt::AlignRight);

    struct Picture {
        const char* name;
        QSize size;
    };
    for (const Picture& picture :
         {Picture{"about_logo.png", {128, 128}}, Picture{"about_band.png", {1024, 1}}}) {
        SCOPED_TRACE(picture.name);
        const QVariant bytes =
            view.loadResource(QTextDocument::ImageResource, QUrl(QLatin1String(picture.name)));
        EXPECT_EQ(QImage::fromData(bytes.toByteArray()).size(), picture.size);
    }
}

TEST(InfoPageDlgTest, PagesFitTheirViewsWithNothingCutOff) {
    CAboutDlg about(nullptr);
    CControlsDlg controls(nullptr);
    for (CInfoPageDlg* dialog : std::initializer_list<CInfoPageDlg*>{&about, &controls}) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_TRUE(dialog->htmlCtrl().isContextMenuHidden());
        EXPECT_EQ(dialog->htmlCtrl().horizontalScrollBar()->maximum(), 0);
    }
    // The About page shows whole; the long Controls table scrolls.
    EXPECT_EQ(about.htmlCtrl().verticalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace tessary
