#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/help_request.h"
#include "dialogs/load_game_dlg.h"
#include "dialogs/save_game_dlg.h"
#include "game/message_texts.h"
#include "message_recorder.h"

namespace tessary {
namespace {

// A saved-games folder in a temporary directory. The dialogs list only the names of the game
// files, so empty files stand in for saved games.
class SavedGamesFolder {
public:
    std::string path() const { return dir_.path().toStdString(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    void add(const QString& name) {
        for (const char* extension : {".tsy", ".bmp"}) {
            QFile file(dir_.filePath(name + QLatin1String(extension)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    // game000 ... game999.
    void addThousand() {
        for (int i = 0; i < 1000; ++i)
            add(QStringLiteral("game%1").arg(i, 3, 10, QLatin1Char('0')));
    }

private:
    QTemporaryDir dir_;
};

template <typename T>
T* Child(QWidget* dialog, const char* name) {
    T* child = dialog->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QStringList Texts(const std::vector<MessageRequest>& requests) {
    QStringList texts;
    for (const MessageRequest& r : requests)
        texts << r.text;
    return texts;
}

// Which of the two dialog buttons are enabled and which entry is selected.
struct SaveDlgState {
    bool canSave;
    bool canDelete;
    QString selected;  // empty: none
};

SaveDlgState StateOf(CSaveGameDlg& dialog) {
    const QList<QListWidgetItem*> selected = Child<QListWidget>(&dialog, "games")->selectedItems();
    return {Child<QPushButton>(&dialog, "save")->isEnabled(),
            Child<QPushButton>(&dialog, "delete")->isEnabled(),
            selected.isEmpty() ? QString() : selected.first()->text()};
}

void ExpectState(CSaveGameDlg& dialog, const SaveDlgState& expected) {
    const SaveDlgState state = StateOf(dialog);
    EXPECT_EQ(state.canSave, expected.canSave);
    EXPECT_EQ(state.canDelete, expected.canDelete);
    EXPECT_EQ(state.selected, expected.selected);
}

TEST(SaveGameDlgTest, AtAThousandGamesANewNameIsRefusedButAGameOfOtherCaseIsReplaced) {
    SavedGamesFolder folder;
    folder.addThousand();
    CSaveGameDlg dialog(QStringLiteral("Лес"), folder.path(), nullptr);
    auto* name = Child<QLineEdit>(&dialog, "name");
    auto* save = Child<QPushButton>(&dialog, "save");
    EXPECT_EQ(Child<QListWidget>(&dialog, "games")->count(), 1000);
    ExpectState(dialog, {true, false, {}});

    {
        MessageRecorder messages(MessageAnswer::Ok);
        save->click();
        ASSERT_EQ(messages.requests.size(), 1u);
        EXPECT_EQ(messages.requests[0].text, QString::fromUtf8(kTooManySavedGamesMessage));
        EXPECT_EQ(messages.requests[0].icon, MessageIcon::Information);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open
    }

    name->setText(QStringLiteral("GAME017"));
    ExpectState(dialog, {true, true, QStringLiteral("game017")});
    EXPECT_EQ(name->text(), QStringLiteral("GAME017"));  // the typed spelling stays
    {
        MessageRecorder messages(MessageAnswer::No);
        save->click();
        EXPECT_EQ(Texts(messages.requests),
                  QStringList(
                      QStringLiteral("Игра GAME017 уже существует. Заменить существующую игру?")));
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    MessageRecorder messages(MessageAnswer::Yes);
    save->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenName(), QStringLiteral("GAME017"));
    EXPECT_EQ(dialog.replacedName(), QStringLiteral("game017"));
}

TEST(SaveGameDlgTest, DeletingTheProposedGameMakesRoomForANewName) {
    SavedGamesFolder folder;
    folder.addThousand();
    CSaveGameDlg dialog(QStringLiteral("game005"), folder.path(), nullptr);
    ExpectState(dialog, {true, true, QStringLiteral("game005")});

    MessageRecorder messages(MessageAnswer::Yes);
    Child<QPushButton>(&dialog, "delete")->click();
    EXPECT_EQ(Texts(messages.requests),
              QStringList(QStringLiteral("Удалить сохраненную игру \"game005\"?")));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("game005.tsy"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("game005.bmp"))));
    EXPECT_EQ(Child<QListWidget>(&dialog, "games")->count(), 999);
    EXPECT_TRUE(Child<QLineEdit>(&dialog, "name")->text().isEmpty());
    ExpectState(dialog, {false, false, {}});

    Child<QLineEdit>(&dialog, "name")->setText(QStringLiteral("Лес"));
    Child<QPushButton>(&dialog, "save")->click();
    EXPECT_EQ(messages.requests.size(), 1u);  // neither the limit nor a replacement
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenName(), QStringLiteral("Лес"));
    EXPECT_TRUE(dialog.replacedName().isEmpty());
}

TEST(SaveGameDlgTest, PickingAGameCopiesItsNameAndADoubleClickSavesOverIt) {
    SavedGamesFolder folder;
    folder.add(QStringLiteral("Озеро"));
    folder.add(QStringLiteral("Лес"));
    CSaveGameDlg dialog(QString(), folder.path(), nullptr);
    ExpectState(dialog, {false, false, {}});
    auto* list = Child<QListWidget>(&dialog, "games");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    MessageRecorder messages(MessageAnswer::Yes);
    const QRect entry = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_EQ(Child<QLineEdit>(&dialog, "name")->text(), list->item(1)->text());
    ExpectState(dialog, {true, true, list->item(1)->text()});
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_EQ(messages.requests.size(), 1u);  // the replacement question
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenName(), list->item(1)->text());
}

struct NameRow {
    const char* name;
    QString typed;
    const char* message;
};

TEST(SaveGameDlgTest, NamesThatCannotBeFileNamesAreRefusedInTheDialog) {
    SavedGamesFolder folder;
    folder.add(QStringLiteral("Лес"));
    const NameRow rows[] = {
        {"emptied after picking a game", QString(), kEmptyNameMessage},
        {"a folder", QStringLiteral("../settings"), kSeparatorInNameMessage},
        {"a backslash", QStringLiteral("a\\b"), kSeparatorInNameMessage},
        {"the parent folder", QStringLiteral(".."), kDotNameMessage},
    };
    for (const NameRow& row : rows) {
        SCOPED_TRACE(row.name);
        CSaveGameDlg dialog(QStringLiteral("Лес"), folder.path(), nullptr);
        auto* name = Child<QLineEdit>(&dialog, "name");
        name->setText(row.typed);
        ASSERT_TRUE(Child<QPushButton>(&dialog, "save")->isEnabled());
        MessageRecorder messages(MessageAnswer::Yes);
        Child<QPushButton>(&dialog, "save")->click();
        ASSERT_EQ(messages.requests.size(), 1u);
        EXPECT_EQ(messages.requests[0].text, QString::fromUtf8(row.message));
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
}

TEST(SaveGameDlgTest, HelpKeyOpensTheHelpContents) {
    SavedGamesFolder folder;
    std::vector<int> topics;
    SetHelpHandler([&](int topic, bool) { topics.push_back(topic); });
    CSaveGameDlg save(QStringLiteral("Лес"), folder.path(), nullptr);
    QTest::keyClick(Child<QLineEdit>(&save, "name"), Qt::Key_F1);
    CLoadGameDlg load(folder.path(), nullptr);
    QTest::keyClick(&load, Qt::Key_F1);
    SetHelpHandler(nullptr);
    EXPECT_EQ(topics, (std::vector<int>{256, 256}));
}

TEST(LoadGameDlgTest, OpensOnTheFirstGameAndLoadsNothingOnceTheLastIsDeleted) {
    SavedGamesFolder folder;
    folder.add(QStringLiteral("Лес"));
    CLoadGameDlg dialog(folder.path(), nullptr);
    auto* list = Child<QListWidget>(&dialog, "games");
    auto* load = Child<QPushButton>(&dialog, "load");
    auto* remove = Child<QPushButton>(&dialog, "delete");
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().first()->text(), QStringLiteral("Лес"));
    EXPECT_TRUE(remove->isEnabled());

    MessageRecorder messages(MessageAnswer::Yes);
    remove->click();
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Лес.tsy"))));
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_TRUE(load->isEnabled());
    load->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.chosenName().isEmpty());
}

}  // namespace
}  // namespace tessary
