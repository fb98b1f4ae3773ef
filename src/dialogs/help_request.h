#pragma once

#include <functional>
#include <optional>

#include "dialogs/help_topics.h"

class QWidget;

namespace tessary {

/// Opens the program's help at a topic, given by its number (HelpTopicNumber). `isPopup`: a
/// control's context help rather than the whole help window. Provided by the main window.
using HelpHandler = std::function<void(int topic, bool isPopup)>;

/// Installs the help handler of the process; empty drops every help request.
void SetHelpHandler(HelpHandler handler);

/// Passes a request to the installed handler, if any.
void RequestHelp(HelpTopic topic, bool isPopup);

/// Gives a control its context-help topic.
void SetHelpTopic(QWidget* widget, HelpTopic topic);

/// Takes a control's context-help topic away: its requests go to its parent's topic.
void ClearHelpTopic(QWidget* widget);

/// The topic of `widget` or of its nearest ancestor that has one.
std::optional<HelpTopic> HelpTopicOf(const QWidget* widget);

/// The topic of a help request (F1) in `window`: that of the control under the pointer, or,
/// when the pointer is outside the window, that of the focused control.
std::optional<HelpTopic> HelpTopicAtPointer(const QWidget* window);

}  // namespace tessary
