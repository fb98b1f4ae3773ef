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

void RequestHelp(int topic, bool isPopup) {
    if (const HelpHandler& handler = InstalledHandler()) {
        handler(topic, isPopup);
    }
}

void SetHelpTopic(QWidget* widget, int topic) {
    widget->setProperty(kTopicProperty, topic == 0 ? QVariant() : QVariant(topic));
}

int HelpTopicOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant topic = widget->property(kTopicProperty);
        if (topic.isValid()) {
            return topic.toInt();
        }
    }
    return 0;
}

int HelpTopicAtPointer(const QWidget* window) {
    const QPoint pos = window->mapFromGlobal(QCursor::pos());
    if (!window->rect().contains(pos)) {
        return HelpTopicOf(window->focusWidget());
    }
    const QWidget* over = window->childAt(pos);
    return over != nullptr ? HelpTopicOf(over) : 0;
}

}  // namespace tessary
