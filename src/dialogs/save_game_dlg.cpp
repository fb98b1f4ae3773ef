#include "dialogs/save_game_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/message_box.h"
#include "dialogs/saved_game_list.h"
#include "dialogs/screen_scale.h"
#include "game/message_texts.h"
#include "persist/saved_game_store.h"

namespace tessary {

CSaveGameDlg::CSaveGameDlg(const QString& proposedName, std::string folder, QWidget* parent)
    : CBaseDialog(QStringLiteral("Сохранить игру"), parent) {
    auto* nameLabel = new QLabel(QStringLiteral("&Название"), this);
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("name"));
    nameLabel->setBuddy(nameEdit_);
    auto* listLabel = new QLabel(QStringLiteral("&Игры"), this);
    list_ = new SavedGameList(std::move(folder), this);
    list_->setObjectName(QStringLiteral("games"));
    listLabel->setBuddy(list_);

    saveButton_ = MakeColumnButton(QStringLiteral("&Сохранить"), "save", this);
    saveButton_->setDefault(true);
    deleteButton_ = MakeColumnButton(QStringLiteral("&Удалить"), "delete", this);
    QPushButton* cancelButton = MakeColumnButton(QStringLiteral("&Отменить"), "cancel", this);
    saveButton_->setEnabled(false);
    deleteButton_->setEnabled(false);

    QVBoxLayout* buttons = StackColumnButtons({saveButton_, deleteButton_, cancelButton});
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(ScaleX(10), ScaleY(10), ScaleX(10), ScaleY(10));
    grid->setHorizontalSpacing(ScaleX(10));
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(nameEdit_, 1, 0);
    grid->addWidget(listLabel, 2, 0);
    grid->addWidget(list_, 3, 0);
    grid->addLayout(buttons, 1, 1, 3, 1);
    list_->setMinimumSize(ScaleX(240), ScaleY(180));

    connect(nameEdit_, &QLineEdit::textChanged, this, &CSaveGameDlg::nameChanged);
    connect(list_, &QListWidget::itemSelectionChanged, this, &CSaveGameDlg::selectionChanged);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CSaveGameDlg::saveClicked);
    connect(saveButton_, &QPushButton::clicked, this, &CSaveGameDlg::saveClicked);
    connect(deleteButton_, &QPushButton::clicked, this, &CSaveGameDlg::deleteClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    nameEdit_->setText(proposedName);
    nameEdit_->setFocus();
}

std::optional<HelpTopic> CSaveGameDlg::helpTopicAt(QPoint /*pos*/) const {
    return HelpTopic::Contents;
}

void CSaveGameDlg::nameChanged(const QString& text) {
    if (text.isEmpty()) {
        if (!list_->hasSelection()) {
            saveButton_->setEnabled(false);
        }
        return;
    }
    saveButton_->setEnabled(true);
    const int row = list_->findName(text);
    list_->selectQuietly(row);
    deleteButton_->setEnabled(row >= 0);
}

void CSaveGameDlg::selectionChanged() {
    if (!list_->hasSelection()) {
        deleteButton_->setEnabled(false);
        return;
    }
    deleteButton_->setEnabled(true);
    saveButton_->setEnabled(true);
    nameEdit_->setText(list_->selectedName());
}

void CSaveGameDlg::saveClicked() {
    const QString name = nameEdit_->text();
    if (const char* problem = SavedGameNameProblem(name.toStdString())) {
        ShowMessage(this, QString::fromUtf8(problem), MessageIcon::Exclamation);
        nameEdit_->setFocus();
        return;
    }
    const int row = list_->findName(name);
    if (row < 0) {
        if (static_cast<std::size_t>(list_->count()) >= kMaxSavedGames) {
            ShowMessage(this, QString::fromUtf8(kTooManySavedGamesMessage),
                        MessageIcon::Information);
            return;
        }
    } else if (!AskYesNo(this, FormatMessageText(kReplaceSavedGameQuestion, {name}))) {
        return;
    }
    chosenName_ = name;
    replacedName_ = row < 0 ? QString() : list_->item(row)->text();
    accept();
}

void CSaveGameDlg::deleteClicked() {
    if (list_->deleteSelected()) {
        nameEdit_->clear();
        deleteButton_->setEnabled(false);
    }
}

}  // namespace tessary
