#include "field/window/texture_menu_item.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "field/window/game_assets.h"

namespace tessary {
namespace {

constexpr QSize kSwatchSize(128, 32);

class Swatch : public QWidget {
public:
    Swatch(QAction* action, int bitmapId, QWidget* parent)
        : QWidget(parent), action_(action), bitmapId_(bitmapId) {
        setFixedSize(kSwatchSize);
        setMouseTracking(true);
        setAttribute(Qt::WA_Hover);
        // The menu's selection moves with the keys as with the mouse: every swatch redraws, the
        // one that lost it and the one that took it.
        if (auto* menu = qobject_cast<QMenu*>(parent))
            connect(menu, &QMenu::hovered, this, [this] { update(); });
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const bool isRaised = isSelected() && isEnabled();
        const QColor frame = palette().color(QPalette::Window);
        QPainter(this).drawPixmap(0, 0, TextureSwatch(bitmapId_, size(), frame, isRaised));
    }
    void enterEvent(QEnterEvent*) override { update(); }
    void leaveEvent(QEvent*) override { update(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
            return;
        // Close the whole menu chain first: the command may open a modal window.
        for (QWidget* w = parentWidget(); auto* menu = qobject_cast<QMenu*>(w);
             w = menu->parentWidget())
            menu->close();
        action_->trigger();
    }

private:
    // The menu's one selected item, chosen with the keys or the pointer (the menu makes the
    // item under the pointer its active action).
    bool isSelected() const {
        const auto* menu = qobject_cast<const QMenu*>(parentWidget());
        return menu != nullptr && menu->activeAction() == action_;
    }

    QAction* action_;
    int bitmapId_;
};

}  // namespace

TextureMenuItem::TextureMenuItem(int command, int bitmapId, QObject* parent)
    : QWidgetAction(parent), bitmapId_(bitmapId) {
    setData(command);
}

QWidget* TextureMenuItem::createWidget(QWidget* parent) {
    return new Swatch(this, bitmapId_, parent);
}

}  // namespace tessary
