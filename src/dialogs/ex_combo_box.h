#pragma once

#include <QComboBox>

namespace tessary {

/// A combo box whose drop-down list has a chosen height in pixels (-1: the platform's own).
class CExComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit CExComboBox(QWidget* parent = nullptr);

    /// Height of the drop-down list in pixels, or -1.
    void setDropDownHeight(int height) { dropDownHeight_ = height; }
    int dropDownHeight() const { return dropDownHeight_; }

    void showPopup() override;

private:
    int dropDownHeight_ = -1;
};

}  // namespace tessary
