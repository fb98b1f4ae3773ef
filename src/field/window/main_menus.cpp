#include "field/window/main_menus.h"

#include <QMenu>
#include <QMenuBar>

#include "field/window/command_ids.h"
#include "field/window/texture_menu_item.h"

namespace tessary {
namespace {

QAction* AddCommand(QMenu* menu, int id, const char* text, const CommandSink& run) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setData(id);
    QObject::connect(action, &QAction::triggered, menu, [run, id] { run(id); });
    return action;
}

// "Создать &игру": new game, then its three steps.
void FillCreateGameMenu(QMenu* menu, const CommandSink& run) {
    AddCommand(menu, kCmdNewGame, "&Новая игра...\tCtrl+N", run);
    menu->addSeparator();
    AddCommand(menu, kCmdLoadPicture, "&Загрузить картинку...\tCtrl+O", run);
    AddCommand(menu, kCmdCutPicture, "&Разрезать картинку...\tCtrl+R", run);
    AddCommand(menu, kCmdCreateElements, "&Создать элементы\tEnter", run);
}

// The items of "&Игра" up to "&Восстановить настройки".
void FillGameItems(QMenu* menu, const CommandSink& run) {
    AddCommand(menu, kCmdLoadGame, "&Загрузить игру...\tF3", run);
    AddCommand(menu, kCmdRestoreGame, "Вернуть &прерванную игру...", run);
    FillCreateGameMenu(menu->addMenu(QString::fromUtf8("Создать &игру")), run);
    AddCommand(menu, kCmdSaveGame, "&Сохранить игру...\tF2", run);
    menu->addSeparator();
    AddCommand(menu, kCmdSettings, "&Настройки...\tCtrl+T", run);
    AddCommand(menu, kCmdExtraOptions, "&Дополнительно...", run);
    AddCommand(menu, kCmdSaveSettings, "Сох&ранить настройки\tCtrl+S", run);
    AddCommand(menu, kCmdRestoreSettings, "&Восстановить настройки", run);
}

void FillBackgroundItems(QMenu* menu, const CommandSink& run) {
    for (int id = kCmdFirstTexture; id <= kCmdLastTexture; ++id) {
        auto* item = new TextureMenuItem(id, TextureBitmapOfCommand(id), menu);
        QObject::connect(item, &QAction::triggered, menu, [run, id] { run(id); });
        menu->addAction(item);
    }
    menu->addSeparator();
    AddCommand(menu, kCmdSolidBackground, "Од&нотонный...", run);
}

void FillCaptureItems(QMenu* menu, const CommandSink& run) {
    AddCommand(menu, kCmdCaptureField, "&Игровое поле", run);
    AddCommand(menu, kCmdCaptureRectangle, "&Прямоугольник", run);
}

void FillHelpItems(QMenu* menu, const CommandSink& run) {
    AddCommand(menu, kCmdHelp, "&Содержание", run);
    AddCommand(menu, kCmdControls, "&Управление...\tCtrl+C", run);
    menu->addSeparator();
    AddCommand(menu, kCmdAbout, "&О программе...", run);
}

void FillViewItems(QMenu* menu, const CommandSink& run) {
    AddCommand(menu, kCmdToggleFullScreen, "П&олноэкранный режим\tCtrl+M", run);
    AddCommand(menu, kCmdShowPicture, "Показать &картинку\tCtrl+P", run);
    menu->addSeparator();
    AddCommand(menu, kCmdZoomIn, "Кр&упнее\t+", run);
    AddCommand(menu, kCmdZoomOut, "&Мельче\t-", run);
    AddCommand(menu, kCmdZoom100, "Мас&штаб 100%", run);
    AddCommand(menu, kCmdOverview, "Обзор с&тола\tCtrl+W", run)->setCheckable(true);
    AddCommand(menu, kCmdSound, "&Звук", run)->setCheckable(true);
    menu->addSeparator();
    FillBackgroundItems(menu->addMenu(QString::fromUtf8("&Фон")), run);
}

}  // namespace

int CommandOf(const QAction* action) {
    return action->menu() != nullptr || action->isSeparator() ? 0 : action->data().toInt();
}

void BuildMainMenu(QMenuBar* bar, const CommandSink& run) {
    QMenu* game = bar->addMenu(QString::fromUtf8("&Игра"));
    FillGameItems(game, run);
    game->addSeparator();
    AddCommand(game, kCmdExit, "В&ыход", run);

    QMenu* actions = bar->addMenu(QString::fromUtf8("&Действия"));
    AddCommand(actions, kCmdArrangeElements, "&Упорядочить элементы\tCtrl+Z", run);
    AddCommand(actions, kCmdShowAllElements, "&Показать все элементы\tCtrl+A", run);
    AddCommand(actions, kCmdCollectBorder, "Собрать &края\tCtrl+E", run);
    FillCaptureItems(actions->addMenu(QString::fromUtf8("За&хват изображения")), run);
    actions->addSeparator();
    AddCommand(actions, kCmdPause, "П&ауза\tPause", run);

    FillViewItems(bar->addMenu(QString::fromUtf8("&Вид")), run);
    FillHelpItems(bar->addMenu(QString::fromUtf8("&Справка")), run);
}

QMenu* BuildFullScreenMenu(QWidget* parent, const CommandSink& run) {
    auto* menu = new QMenu(parent);
    FillGameItems(menu, run);
    menu->addSeparator();
    FillViewItems(menu, run);
    menu->addSeparator();
    FillCaptureItems(menu->addMenu(QString::fromUtf8("За&хват изображения")), run);
    AddCommand(menu, kCmdPause, "П&ауза\tPause", run);
    menu->addSeparator();
    FillHelpItems(menu->addMenu(QString::fromUtf8("&Справка")), run);
    menu->addSeparator();
    AddCommand(menu, kCmdExit, "В&ыход", run);
    return menu;
}

QMenu* BuildBackgroundMenu(QWidget* parent, const CommandSink& run) {
    auto* menu = new QMenu(parent);
    FillBackgroundItems(menu, run);
    return menu;
}

}  // namespace tessary
