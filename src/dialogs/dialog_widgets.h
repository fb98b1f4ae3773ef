#pragma once

#include <initializer_list>

class QCheckBox;
class QPushButton;
class QString;
class QVBoxLayout;
class QWidget;

namespace tessary {

/// A check box named `name` (for tests and scripting), ticked or not.
QCheckBox* MakeCheckBox(const QString& text, bool isChecked, QWidget* parent, const char* name);

/// A button of a dialog's button column (the saved-game dialogs); only the dialog's default
/// button reacts to Enter.
QPushButton* MakeColumnButton(const QString& text, const char* objectName, QWidget* parent);

/// A button column: `buttons` from the top, the rest left empty.
QVBoxLayout* StackColumnButtons(std::initializer_list<QPushButton*> buttons);

}  // namespace tessary
