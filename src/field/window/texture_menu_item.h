#pragma once

#include <QWidgetAction>

namespace tessary {

/// A texture item of the background menus: a 128 x 32 swatch of the texture framed in the menu
/// colour, raised by one pixel while it is the menu's selected item (under the pointer or chosen
/// with the keys). A click triggers the action and closes the menus.
class TextureMenuItem : public QWidgetAction {
public:
    TextureMenuItem(int command, int bitmapId, QObject* parent);

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    int bitmapId_;
};

}  // namespace tessary
