#pragma once

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace tessary {

/// Runs the command with the given identifier.
using CommandSink = std::function<void(int id)>;

/// Fills the menu bar with the main menu (201): "&Игра", "&Действия", "&Вид", "&Справка".
void BuildMainMenu(QMenuBar* bar, const CommandSink& run);

/// The full-screen menu (202) as one popup.
QMenu* BuildFullScreenMenu(QWidget* parent, const CommandSink& run);

/// The background menu (203) as one popup: the ten texture swatches, a separator, the solid
/// colour.
QMenu* BuildBackgroundMenu(QWidget* parent, const CommandSink& run);

/// The command identifier of a menu item's action; 0 for separators and submenus.
int CommandOf(const QAction* action);

}  // namespace tessary
