#pragma once

class QDialogButtonBox;

namespace tessary {

/// Lays `buttons` out in one fixed order, whatever the platform theme prefers: the accepting
/// button first and "Отмена" last, that is rightmost in a row and lowest in a column.
/// (QDialogButtonBox otherwise follows the style's button layout, which puts Cancel first
/// on some desktops.)
void PinButtonOrder(QDialogButtonBox* buttons);

}  // namespace tessary
