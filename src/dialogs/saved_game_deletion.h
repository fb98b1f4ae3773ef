#pragma once

#include <QString>

#include <string>

class QWidget;

namespace tessary {

/// Deletes the files of saved game `name` in `folder`, telling the player of each file that
/// could not be deleted. True when the game is gone, that is, its game file no longer exists.
bool DeleteSavedGameTelling(QWidget* parent, const std::string& folder, const QString& name);

}  // namespace tessary
