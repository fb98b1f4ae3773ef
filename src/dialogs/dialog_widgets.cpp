#include "dialogs/dialog_widgets.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessary {

QCheckBox* MakeCheckBox(const QString& text, bool isChecked, QWidget* parent, const char* name) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(isChecked);
    return box;
}

QPushButton* MakeColumnButton(const QString& text, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    return button;
}

QVBoxLayout* StackColumnButtons(std::initializer_list<QPushButton*> buttons) {
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons)
        column->addWidget(button);
    column->addStretch();
    return column;
}

}  // namespace tessary
