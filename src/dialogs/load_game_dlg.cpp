#include "dialogs/load_game_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/saved_game_list.h"
#include "dialogs/screen_scale.h"

namespace tessary {

CLoadGameDlg::CLoadGameDlg(std::string folder, QWidget* parent)
    : CBaseDialog(QStringLiteral("Загрузить игру"), parent) {
    auto* listLabel = new QLabel(QStringLiteral("&Игры"), this);
    list_ = new SavedGameList(std::move(folder), this);
    list_->setObjectName(QStringLiteral("games"));
    listLabel->setBuddy(list_);

    QPushButton* loadButton = MakeColumnButton(QStringLiteral("&Загрузить"), "load", this);
    loadButton->setDefault(true);
    deleteButton_ = MakeColumnButton(QStringLiteral("&Удалить"), "delete", this);
    QPushButton* cancelButton = MakeColumnButton(QStringLiteral("&Отмена"), "cancel", this);

    QVBoxLayout* buttons = StackColumnButtons({loadButton, deleteButton_, cancelButton});
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(ScaleX(10), ScaleY(10), ScaleX(10), ScaleY(10));
    grid->setHorizontalSpacing(ScaleX(10));
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(list_, 1, 0);
    grid->addLayout(buttons, 1, 1);
    list_->setMinimumSize(ScaleX(240), ScaleY(200));

    connect(list_, &QListWidget::itemSelectionChanged, this, &CLoadGameDlg::selectionChanged);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CLoadGameDlg::loadClicked);
    connect(loadButton, &QPushButton::clicked, this, &CLoadGameDlg::loadClicked);
    connect(deleteButton_, &QPushButton::clicked, this, [this] {
        list_->deleteSelected();
        selectionChanged();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    list_->selectQuietly(list_->count() > 0 ? 0 : -1);
    selectionChanged();
    list_->setFocus();
}

std::optional<HelpTopic> CLoadGameDlg::helpTopicAt(QPoint /*pos*/) const {
    return HelpTopic::Contents;
}

void CLoadGameDlg::selectionChanged() {
    // "&Загрузить" stays enabled throughout: without a selection it loads nothing.
    deleteButton_->setEnabled(list_->hasSelection());
}

void CLoadGameDlg::loadClicked() {
    chosenName_ = list_->selectedName();
    accept();
}

}  // namespace tessary
