#include "dialogs/extra_options_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/screen_scale.h"

namespace tessary {
namespace {

struct OptionBox {
    const char* name;
    const char* text;
    bool ExtraOptions::*field;
};

const std::array<OptionBox, 3> kBoxes = {{
    {"showWholeBlock", "Показывать &блок целиком при перетаскивании",
     &ExtraOptions::showWholeBlock},
    {"scrollWhileCarrying", "&Прокручивать стол при перетаскивании к краю",
     &ExtraOptions::scrollWhileCarrying},
    {"layoutWithoutOverlap", "&Раскладывать элементы без наложения",
     &ExtraOptions::layoutWithoutOverlap},
}};

}  // namespace

CExtraOptionsDlg::CExtraOptionsDlg(QWidget* parent)
    : CBaseDialog(QStringLiteral("Дополнительно"), parent) {
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(ScaleX(10), ScaleY(10), ScaleX(10), ScaleY(10));
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        boxes_[i] = MakeCheckBox(QString::fromUtf8(kBoxes[i].text), values_.*kBoxes[i].field, this,
                                 kBoxes[i].name);
        main->addWidget(boxes_[i]);
    }
    auto* separator = new QFrame(this);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    separator->setFixedHeight(2);
    main->addSpacing(ScaleY(6));
    main->addWidget(separator);
    main->addWidget(makeOkCancelButtons());
    main->setSizeConstraint(QLayout::SetFixedSize);
}

void CExtraOptionsDlg::SetValues(const ExtraOptions& values) {
    values_ = values;
    for (std::size_t i = 0; i < kBoxes.size(); ++i)
        boxes_[i]->setChecked(values_.*kBoxes[i].field);
}

void CExtraOptionsDlg::accept() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i)
        values_.*kBoxes[i].field = boxes_[i]->isChecked();
    CBaseDialog::accept();
}

// No control has a topic of its own: every request, over a control or not, is for the dialog's.
std::optional<HelpTopic> CExtraOptionsDlg::helpTopicAt(QPoint /*pos*/) const {
    return HelpTopic::ExtraOptions;
}

}  // namespace tessary
