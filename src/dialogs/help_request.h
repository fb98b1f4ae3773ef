#pragma once

#include <functional>

class QWidget;

namespace tessary {

/// Opens the program's help at a topic (context number). `isPopup`: a control's context
/// help rather than the whole help window. Provided by the main window.
using HelpHandler = std::function<void(int topic, bool isPopup)>;

/// Installs the help handler of the process; empty drops every help request.
void SetHelpHandler(HelpHandler handler);

/// Passes a request to the installed handler, if any.
void RequestHelp(int topic, bool isPopup);

/// Gives a control its context-help topic; 0 removes it.
void SetHelpTopic(QWidget* widget, int topic);

/// The topic of `widget` or of its nearest ancestor that has one; 0 for none.
int HelpTopicOf(const QWidget* widget);

/// The topic of a help request (F1) in `window`: that of the control under the pointer, or,
/// when the pointer is outside the window, that of the focused control; 0 for none.
int HelpTopicAtPointer(const QWidget* window);

}  // namespace tessary
