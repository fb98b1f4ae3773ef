#include "dialogs/param_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "dialogs/help_request.h"
#include "dialogs/message_box.h"
#include "dialogs/my_color_dialog.h"
#include "dialogs/screen_scale.h"
#include "dialogs/spin_button.h"
#include "game/message_texts.h"

namespace tessary {
namespace {

// The check boxes in the order they are read.
enum Box { k3D, kExact, kTimer, kMouseScroll, kWheelRotate, kWheelScroll };

struct BoxSpec {
    const char* name;
    const char* text;
    int32_t PlaySettings::*field;
    HelpTopic helpTopic;
};

const std::array<BoxSpec, 6> kBoxes = {{
    {"enable3DElements", "О&бъемные элементы", &PlaySettings::enable3DElements,
     HelpTopic::Param3DElements},
    {"exactAssembling", "То&чная сборка", &PlaySettings::exactAssembling,
     HelpTopic::ParamExactAssembling},
    {"showTimer", "Показывать &таймер", &PlaySettings::showTimer, HelpTopic::ParamShowTimer},
    {"enableMouseScroll", "&Включена", &PlaySettings::enableMouseScroll,
     HelpTopic::ParamMouseScroll},
    {"wheelRotateElements", "&Пoворот элементов", &PlaySettings::wheelRotateElements,
     HelpTopic::ParamWheelRotate},
    {"scrollWheel", "П&рокрутка", &PlaySettings::scrollWheel, HelpTopic::ParamWheelScroll},
}};

// The edits in the order they are read.
enum Edit { kThickness, kCaptureRange, kScrollArea, kScrollSpeed, kKeyboardSpeed };

struct EditField {
    const char* name;
    const char* label;
    int32_t PlaySettings::*field;
    int32_t minimum;
    int32_t maximum;
    bool hasSpin;  // and with it an upper end of the range
    HelpTopic helpTopic;
};

const std::array<EditField, 5> kEdits = {{
    {"contourThickness", "То&лщина", &PlaySettings::contourThickness, 1, 5, true,
     HelpTopic::ParamThickness},
    {"captureRange", "Область &захвата", &PlaySettings::captureRange, 1, 16, true,
     HelpTopic::ParamCaptureRange},
    {"mouseScrollArea", "&Область", &PlaySettings::mouseScrollArea, 5, 50, true,
     HelpTopic::ParamScrollArea},
    {"mouseScrollSpeed", "&Скорость", &PlaySettings::mouseScrollSpeed, 1, 10, true,
     HelpTopic::ParamScrollSpeed},
    // Its lower end is checked at OK alone, with a message of its own.
    {"keyboardScrollSpeed", "С&корость", &PlaySettings::keyboardScrollSpeed, 0, 0, false,
     HelpTopic::ParamKeyboardSpeed},
}};

QLabel* MakeFixedLabel(const QString& text, int width, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setMinimumWidth(ScaleX(width));
    return label;
}

// A group box whose controls stand 20 below its top edge and 10 from its other edges.
QGroupBox* MakeGroup(const QString& title, QLayout* content, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setLayout(content);
    const int top = std::max(0, ScaleY(20) - group->contentsRect().top());
    content->setContentsMargins(ScaleX(10), top, ScaleX(10), ScaleY(10));
    return group;
}

}  // namespace

CParamDlg::CParamDlg(QWidget* parent, ParamDlgHooks hooks)
    : CBaseDialog(QStringLiteral("Настройки"), parent), hooks_(std::move(hooks)) {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        boxes_[i] = new QCheckBox(QString::fromUtf8(kBoxes[i].text), this);
        boxes_[i]->setObjectName(QLatin1String(kBoxes[i].name));
        boxes_[i]->setMinimumHeight(ScaleY(16));
    }
    for (std::size_t i = 0; i < kEdits.size(); ++i) {
        const EditField& rule = kEdits[i];
        edits_[i] = new QLineEdit(this);
        edits_[i]->setObjectName(QLatin1String(rule.name));
        edits_[i]->setFixedSize(ScaleX(50), ScaleY(23));
        labels_[i] = MakeFixedLabel(QString::fromUtf8(rule.label), 100, this);
        labels_[i]->setObjectName(QLatin1String(rule.name) + QStringLiteral("Label"));
        labels_[i]->setBuddy(edits_[i]);
        if (rule.hasSpin) {
            auto* spin = new CSpinButton(edits_[i], rule.minimum, rule.maximum);
            spin->setObjectName(QLatin1String(rule.name) + QStringLiteral("Spin"));
        }
    }
    for (QLabel*& unit : units_)
        unit = MakeFixedLabel(QStringLiteral("пикселов"), 60, this);
    colourButton_ = new QPushButton(QStringLiteral("&Цвет"), this);
    colourButton_->setObjectName(QStringLiteral("contourColor"));
    colourButton_->setAutoDefault(false);
    colourButton_->setMinimumSize(ScaleX(75), ScaleY(23));

    // The edits of both columns line up: every label as wide as the widest.
    int labelWidth = ScaleX(100);
    for (QLabel* label : labels_)
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    for (QLabel* label : labels_)
        label->setMinimumWidth(labelWidth);

    contourControls_ = {labels_[kThickness], edits_[kThickness], units_[0], colourButton_};
    mouseScrollControls_ = {labels_[kScrollArea], edits_[kScrollArea], units_[2],
                            labels_[kScrollSpeed], edits_[kScrollSpeed]};

    buildLayout();
    setHelpTopics();
    SetValues(PlaySettings{});

    // The enabling check boxes take effect at once; the click reads every control first.
    for (Box box : {k3D, kMouseScroll}) {
        connect(boxes_[box], &QCheckBox::clicked, this, [this] {
            readControls();
            enableControls();
        });
    }
    connect(colourButton_, &QPushButton::clicked, this, &CParamDlg::chooseColour);
}

CParamDlg::~CParamDlg() = default;

void CParamDlg::buildLayout() {
    auto* contour = new QGridLayout;
    contour->addWidget(boxes_[k3D], 0, 0, 1, 3);
    contour->addWidget(labels_[kThickness], 1, 0);
    contour->addWidget(edits_[kThickness], 1, 1);
    contour->addWidget(units_[0], 1, 2);
    contour->addWidget(colourButton_, 2, 0, Qt::AlignLeft);
    contour->setColumnStretch(2, 1);

    auto* assembly = new QGridLayout;
    assembly->addWidget(labels_[kCaptureRange], 0, 0);
    assembly->addWidget(edits_[kCaptureRange], 0, 1);
    assembly->addWidget(units_[1], 0, 2);
    assembly->addWidget(boxes_[kExact], 1, 0, 1, 3);
    assembly->setColumnStretch(2, 1);

    auto* mouse = new QGridLayout;
    mouse->addWidget(boxes_[kMouseScroll], 0, 0, 1, 3);
    mouse->addWidget(labels_[kScrollArea], 1, 0);
    mouse->addWidget(edits_[kScrollArea], 1, 1);
    mouse->addWidget(units_[2], 1, 2);
    mouse->addWidget(labels_[kScrollSpeed], 2, 0);
    mouse->addWidget(edits_[kScrollSpeed], 2, 1);
    mouse->setColumnStretch(2, 1);

    auto* wheel = new QVBoxLayout;
    wheel->addWidget(boxes_[kWheelRotate]);
    wheel->addWidget(boxes_[kWheelScroll]);

    auto* keyboard = new QGridLayout;
    keyboard->addWidget(labels_[kKeyboardSpeed], 0, 0);
    keyboard->addWidget(edits_[kKeyboardSpeed], 0, 1);
    keyboard->setColumnStretch(2, 1);

    auto* left = new QVBoxLayout;
    left->setSpacing(ScaleY(7));
    left->addWidget(MakeGroup(QStringLiteral("Контур"), contour, this));
    left->addWidget(MakeGroup(QStringLiteral("Сборка"), assembly, this));
    left->addWidget(boxes_[kTimer]);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->setSpacing(ScaleY(7));
    right->addWidget(MakeGroup(QStringLiteral("Прокрутка мышью"), mouse, this));
    right->addWidget(MakeGroup(QStringLiteral("Колесико мыши"), wheel, this));
    right->addWidget(MakeGroup(QStringLiteral("Прокрутка клавиатурой"), keyboard, this));
    right->addStretch();

    auto* leftColumn = new QWidget(this);
    leftColumn->setLayout(left);
    leftColumn->setMinimumWidth(ScaleX(250));
    auto* rightColumn = new QWidget(this);
    rightColumn->setLayout(right);
    rightColumn->setMinimumWidth(ScaleX(210));
    left->setContentsMargins(0, 0, 0, 0);
    right->setContentsMargins(0, 0, 0, 0);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(ScaleX(10));
    columns->addWidget(leftColumn);
    columns->addWidget(rightColumn);

    // The etched line: the shadow colour above the highlight colour.
    auto* separator = new QFrame(this);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    separator->setFixedHeight(2);

    QDialogButtonBox* buttons = makeOkCancelButtons();
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    for (QPushButton* button : buttons->findChildren<QPushButton*>())
        button->setMinimumSize(ScaleX(75), ScaleY(23));

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(ScaleX(7), ScaleY(7), ScaleX(7), ScaleY(7));
    main->setSpacing(ScaleY(10));
    main->addLayout(columns);
    main->addWidget(separator);
    main->addWidget(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);
}

void CParamDlg::setHelpTopics() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i)
        SetHelpTopic(boxes_[i], kBoxes[i].helpTopic);
    // A spin is a child of its edit and shares its topic.
    for (std::size_t i = 0; i < kEdits.size(); ++i) {
        SetHelpTopic(edits_[i], kEdits[i].helpTopic);
        SetHelpTopic(labels_[i], kEdits[i].helpTopic);
    }
    SetHelpTopic(colourButton_, HelpTopic::ParamColour);
    for (QDialogButtonBox* buttons : findChildren<QDialogButtonBox*>()) {
        SetHelpTopic(buttons->button(QDialogButtonBox::Ok), HelpTopic::OkButton);
        SetHelpTopic(buttons->button(QDialogButtonBox::Cancel), HelpTopic::CancelButton);
    }
}

void CParamDlg::SetValues(const PlaySettings& values) {
    values_ = values;
    openingContour_ = static_cast<ColourRef>(values.contourColor3D);
    shownContour_ = openingContour_;
    showValues();
    enableControls();
}

void CParamDlg::showValues() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i)
        boxes_[i]->setChecked(values_.*kBoxes[i].field != 0);
    for (std::size_t i = 0; i < kEdits.size(); ++i)
        edits_[i]->setText(QString::number(values_.*kEdits[i].field));
}

bool CParamDlg::readControls() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i)
        values_.*kBoxes[i].field = boxes_[i]->isChecked() ? 1 : 0;
    for (std::size_t i = 0; i < kEdits.size(); ++i) {
        const EditField& rule = kEdits[i];
        bool isNumber = false;
        const int value = edits_[i]->text().trimmed().toInt(&isNumber);
        if (!isNumber) {
            refuse(edits_[i], QString::fromUtf8(kWholeNumberMessage));
            return false;
        }
        if (rule.hasSpin && (value < rule.minimum || value > rule.maximum)) {
            refuse(edits_[i],
                   FormatMessageText(kNumberInRangeMessage, {QString::number(rule.minimum),
                                                             QString::number(rule.maximum)}));
            return false;
        }
        values_.*rule.field = value;
    }
    return true;
}

void CParamDlg::refuse(QLineEdit* edit, const QString& text) {
    ShowMessage(this, text, MessageIcon::Exclamation);
    edit->setFocus();
    edit->selectAll();
}

void CParamDlg::enableControls() {
    for (QWidget* control : contourControls_)
        control->setEnabled(values_.enable3DElements != 0);
    for (QWidget* control : mouseScrollControls_)
        control->setEnabled(values_.enableMouseScroll != 0);
}

void CParamDlg::chooseColour() {
    CMyColorDialog chooser(static_cast<ColourRef>(values_.contourColor3D),
                           parentWidget() != nullptr ? parentWidget() : this);
    chooser.SetTitle(QStringLiteral("Выберите цвет контура"));
    // Out of the way of the field while the colour is chosen. QDialog::hide() would end the
    // dialog's modal loop, so it is hidden as a plain widget.
    const QPoint place = pos();
    QWidget::setVisible(false);
    if (hooks_.repaintNow)
        hooks_.repaintNow();
    if (chooser.run()) {
        values_.contourColor3D = static_cast<int32_t>(chooser.chosenColour());
        if (hooks_.renderContour && chooser.chosenColour() != shownContour_) {
            shownContour_ = chooser.chosenColour();
            hooks_.renderContour(shownContour_);
        }
    }
    // Placed explicitly, since showing a dialog that was never moved by the program centres
    // it over its parent again, wherever the player had put it (and, once the window frame is
    // known, a little lower than at first).
    move(place);
    QWidget::setVisible(true);
    activateWindow();
    colourButton_->setFocus();
}

void CParamDlg::accept() {
    if (!readControls())
        return;
    if (values_.keyboardScrollSpeed < 0) {
        refuse(edits_[kKeyboardSpeed], QString::fromUtf8(kNonNegativeNumberMessage));
        return;
    }
    CBaseDialog::accept();
}

void CParamDlg::reject() {
    // The pieces go back to the colour the settings still hold.
    if (hooks_.renderContour && shownContour_ != openingContour_) {
        shownContour_ = openingContour_;
        hooks_.renderContour(openingContour_);
    }
    CBaseDialog::reject();
}

}  // namespace tessary
