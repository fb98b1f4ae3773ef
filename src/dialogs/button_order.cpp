#include "dialogs/button_order.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

namespace tessary {
namespace {

// The application's style, except that button boxes always take the Windows order.
class PinnedButtonOrderStyle : public QProxyStyle {
public:
    PinnedButtonOrderStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonLayout)
            return QDialogButtonBox::WinLayout;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One style for every pinned box of the process, owned by the application.
QStyle* PinnedStyle() {
    static QPointer<QStyle> style;
    if (style.isNull()) {
        style = new PinnedButtonOrderStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

void PinButtonOrder(QDialogButtonBox* buttons) {
    // The box lays its buttons out again when its style changes.
    buttons->setStyle(PinnedStyle());
}

}  // namespace tessary
