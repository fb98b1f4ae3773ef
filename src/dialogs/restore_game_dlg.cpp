#include "dialogs/restore_game_dlg.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "dialogs/screen_scale.h"
#include "game/game_clock.h"

namespace tessary {
namespace {

QStringList RowOf(const AutosaveSlotSummary& game) {
    const QDateTime interrupted = QDateTime::fromSecsSinceEpoch(game.writtenAt).toLocalTime();
    return {QString::fromStdString(game.pictureName), QString::number(game.pieceCount),
            QString::fromStdString(FormatElapsed(game.elapsedSeconds)),
            QLocale(QLocale::Russian).toString(interrupted, QStringLiteral("dd.MM.yyyy HH:mm"))};
}

}  // namespace

CRestoreGameDlg::CRestoreGameDlg(std::vector<InterruptedGame> games, QWidget* parent)
    : CBaseDialog(QStringLiteral("Вернуть прерванную игру"), parent), games_(std::move(games)) {
    auto* listLabel = new QLabel(QStringLiteral("&Прерванные игры"), this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("games"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("Картинка"), QStringLiteral("Элементов"),
                            QStringLiteral("Время игры"), QStringLiteral("Прервана")});
    for (const InterruptedGame& game : games_)
        list_->addTopLevelItem(new QTreeWidgetItem(RowOf(game.summary)));
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumSize(ScaleX(360), ScaleY(80));
    listLabel->setBuddy(list_);
    if (!games_.empty())
        list_->setCurrentItem(list_->topLevelItem(0));

    QDialogButtonBox* buttons = makeOkCancelButtons();
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(ScaleX(10), ScaleY(10), ScaleX(10), ScaleY(10));
    main->addWidget(listLabel);
    main->addWidget(list_);
    main->addWidget(buttons);
    list_->setFocus();
}

const InterruptedGame& CRestoreGameDlg::chosenGame() const {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    return games_[static_cast<std::size_t>(std::max(row, 0))];
}

std::optional<HelpTopic> CRestoreGameDlg::helpTopicAt(QPoint /*pos*/) const {
    return HelpTopic::RestoreGame;
}

}  // namespace tessary
