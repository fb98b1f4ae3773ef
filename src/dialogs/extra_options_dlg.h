#pragma once

#include <array>

#include "core/extra_options.h"
#include "dialogs/base_dialog.h"

class QCheckBox;

namespace tessary {

/// The dialog "Дополнительно": the player's extra options, one check box each, on a copy of
/// its own; OK keeps the boxes' states, "Отмена" drops them. F1 anywhere in it opens the help
/// at its topic.
///
/// The check boxes carry the names of the ExtraOptions members as object names, for tests.
class CExtraOptionsDlg : public CBaseDialog {
    Q_OBJECT

public:
    /// Opens on the defaults until SetValues.
    explicit CExtraOptionsDlg(QWidget* parent);

    /// The values the dialog opens with; call before running it.
    void SetValues(const ExtraOptions& values);
    /// The values as read at OK.
    const ExtraOptions& GetValues() const { return values_; }

    void accept() override;

protected:
    std::optional<HelpTopic> helpTopicAt(QPoint pos) const override;

private:
    ExtraOptions values_;
    std::array<QCheckBox*, 3> boxes_{};
};

}  // namespace tessary
