#pragma once

#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace tessary {

/// The control of `dialog` named `name`, as the tests reach it; a missing one fails the test.
template <typename Widget = QLineEdit>
Widget* ControlOf(QWidget& dialog, const QString& name) {
    auto* widget = dialog.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

/// Replaces the text of `field` as the player does: focus, select all, delete, type.
inline void TypeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

}  // namespace tessary
