#include "dialogs/help_request.h"

#include <QCursor>
#include <QVariant>
#include <QWidget>

namespace tessary {
namespace {

constexpr char kTopicProperty[] = "tessaryHelpTopic";

HelpHandler& InstalledHandler() {
    static HelpHandler handler;
    return handler;
}

}  // namespace

void SetHelpHandler(HelpHandler handler) {
    InstalledHandler() = std::move(handler);
}

void RequestHelp(HelpTopic topic, bool isPopup) {
    if (const HelpHandler& handler = InstalledHandler()) {
        handler(HelpTopicNumber(topic), isPopup);
    }
}

void SetHelpTopic(QWidget* widget, HelpTopic topic) {
    widget->setProperty(kTopicProperty, HelpTopicNumber(topic));
}

void ClearHelpTopic(QWidget* widget) {
    widget->setProperty(kTopicProperty, QVariant());
}

std::optional<HelpTopic> HelpTopicOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant topic = widget->property(kTopicProperty);
        if (topic.isValid()) {
            return static_cast<HelpTopic>(topic.toInt());
        }
    }
    return std::nullopt;
}

std::optional<HelpTopic> HelpTopicAtPointer(const QWidget* window) {
    const QPoint pos = window->mapFromGlobal(QCursor::pos());
    if (!window->rect().contains(pos)) {
        return HelpTopicOf(window->focusWidget());
    }
    const QWidget* over = window->childAt(pos);
    return over != nullptr ? HelpTopicOf(over) : std::nullopt;
}

}  // namespace tessary
