#include "dialogs/size_part_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <optional>

#include "dialogs/cut_samples.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/ex_combo_box.h"
#include "dialogs/help_request.h"
#include "dialogs/message_box.h"
#include "dialogs/sample_view.h"
#include "dialogs/screen_scale.h"
#include "game/message_texts.h"

namespace tessary {
namespace {

constexpr int kDefaultSampleWidth = 146;
constexpr int kDefaultSampleHeight = 96;

// A field of digits as a number; values beyond 32 bits saturate, so that the plan refuses
// them as too large instead of wrapping. None for an empty field.
std::optional<int32_t> FieldValue(const QString& text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    int64_t value = 0;
    for (QChar c : text) {
        if (!c.isDigit()) {
            return std::nullopt;
        }
        value = std::min<int64_t>(value * 10 + c.digitValue(), std::numeric_limits<int32_t>::max());
    }
    return static_cast<int32_t>(value);
}

QLineEdit* MakeNumberField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setFixedWidth(ScaleX(60));
    return field;
}

QString Number(int64_t value) {
    return QString::number(value);
}

}  // namespace

int CutSampleIndex(const CutOptions& options) {
    if (options.mosaic) {
        if (options.squareBase) {
            return 4;
        }
        return options.enableOffset ? 2 : 3;
    }
    if (options.squareBase) {
        return options.enableOffset ? 5 : 6;
    }
    return options.enableOffset ? 0 : 1;
}

CSizePartDlg::CSizePartDlg(const CuttingPlan& plan, const CutOptions& options, QWidget* parent)
    : CBaseDialog(QStringLiteral("Разрезка картинки"), parent), editor_(plan) {
    widthLabel_ = new QLabel(QStringLiteral("&Ширина картинки (%1)").arg(editor_.width()), this);
    heightLabel_ = new QLabel(QStringLiteral("&Высота картинки (%1)").arg(editor_.height()), this);
    widthEdit_ = MakeNumberField(this, "width");
    heightEdit_ = MakeNumberField(this, "height");
    keepRatioBox_ = MakeCheckBox(QStringLiteral("&Сохранить соотношение"), editor_.keepsRatio(),
                                 this, "keepRatio");
    sizeLabel_ = new QLabel(QStringLiteral("Размер &элемента"), this);
    sizeList_ = new CExComboBox(this);
    sizeList_->setObjectName(QStringLiteral("elementSize"));
    sizeList_->setDropDownHeight(ScaleY(115));
    for (int32_t size : ElementSizeChoices) {
        sizeList_->addItem(Number(size));
    }
    sizeList_->setCurrentIndex(editor_.selectedSizeIndex());
    pixelsLabel_ = new QLabel(QStringLiteral("пикселов"), this);

    rotateBox_ = MakeCheckBox(QStringLiteral("П&оворачивать элементы"), options.rotateElements,
                              this, "rotateElements");
    mosaicBox_ = MakeCheckBox(QStringLiteral("&Мозаика"), options.mosaic, this, "mosaic");
    offsetBox_ = MakeCheckBox(QStringLiteral("Cм&ещать выступы"), options.enableOffset, this,
                              "enableOffset");
    squareBox_ =
        MakeCheckBox(QStringLiteral("Кв&адратная основа"), options.squareBase, this, "squareBase");
    sampleView_ = new SampleView(this);

    columnsLabel_ = new QLabel(QStringLiteral("&Колонок"), this);
    rowsLabel_ = new QLabel(QStringLiteral("&Рядов"), this);
    columnsEdit_ = MakeNumberField(this, "columns");
    rowsEdit_ = MakeNumberField(this, "rows");
    resultWidth_ = new QLabel(this);
    resultWidth_->setObjectName(QStringLiteral("resultWidth"));
    resultHeight_ = new QLabel(this);
    resultHeight_->setObjectName(QStringLiteral("resultHeight"));

    widthLabel_->setBuddy(widthEdit_);
    heightLabel_->setBuddy(heightEdit_);
    sizeLabel_->setBuddy(sizeList_);
    columnsLabel_->setBuddy(columnsEdit_);
    rowsLabel_->setBuddy(rowsEdit_);

    widthEdit_->setText(Number(editor_.width()));
    heightEdit_->setText(Number(editor_.height()));
    showGrid();

    samples_ = PrepareCutSamples(palette());
    previewIndex_ = CutSampleIndex(cutOptions());
    sampleView_->setImage(currentSample());
    if (samples_.empty()) {
        sampleView_->setFixedSize(ScaleX(kDefaultSampleWidth), ScaleY(kDefaultSampleHeight));
    } else {
        int width = 0;
        int height = 0;
        for (const QImage& sample : samples_) {
            width = std::max(width, sample.width());
            height = std::max(height, sample.height());
        }
        sampleView_->setFixedSize(width, height);
    }

    buildLayout();
    setHelpTopics();

    connect(widthEdit_, &QLineEdit::textEdited, this, &CSizePartDlg::widthEdited);
    connect(heightEdit_, &QLineEdit::textEdited, this, &CSizePartDlg::heightEdited);
    connect(columnsEdit_, &QLineEdit::textEdited, this, &CSizePartDlg::columnsEdited);
    connect(rowsEdit_, &QLineEdit::textEdited, this, &CSizePartDlg::rowsEdited);
    // Only a confirmed choice counts, not a highlighted entry.
    connect(sizeList_, &QComboBox::activated, this, &CSizePartDlg::sizeChosen);
    connect(keepRatioBox_, &QCheckBox::toggled, this,
            [this](bool isOn) { editor_.setKeepRatio(isOn); });
    for (QCheckBox* box : {mosaicBox_, offsetBox_, squareBox_}) {
        connect(box, &QCheckBox::clicked, this, &CSizePartDlg::optionsClicked);
    }
}

CSizePartDlg::~CSizePartDlg() = default;

void CSizePartDlg::buildLayout() {
    auto* source = new QGroupBox(QStringLiteral("Исходные данные"), this);
    source->setMinimumWidth(ScaleX(532));
    auto* sourceGrid = new QGridLayout(source);
    sourceGrid->addWidget(widthLabel_, 0, 0);
    sourceGrid->addWidget(widthEdit_, 0, 1);
    sourceGrid->addWidget(heightLabel_, 1, 0);
    sourceGrid->addWidget(heightEdit_, 1, 1);
    sourceGrid->addWidget(keepRatioBox_, 0, 3, 2, 1);
    sourceGrid->addWidget(sizeLabel_, 2, 0);
    sourceGrid->addWidget(sizeList_, 2, 1);
    sourceGrid->addWidget(pixelsLabel_, 2, 2);
    sourceGrid->setColumnStretch(2, 1);
    sizeList_->setFixedWidth(ScaleX(60));

    auto* extra = new QGroupBox(QStringLiteral("Дополнительные свойства"), this);
    auto* boxes = new QVBoxLayout;
    for (QCheckBox* box : {rotateBox_, mosaicBox_, offsetBox_, squareBox_}) {
        boxes->addWidget(box);
    }
    boxes->addStretch();
    auto* extraRow = new QHBoxLayout(extra);
    extraRow->addLayout(boxes);
    extraRow->addStretch();
    extraRow->addWidget(sampleView_, 0, Qt::AlignTop);

    auto* result = new QGroupBox(QStringLiteral("Результат"), this);
    auto* resultGrid = new QGridLayout(result);
    resultGrid->addWidget(columnsLabel_, 0, 0);
    resultGrid->addWidget(columnsEdit_, 0, 1);
    resultGrid->addWidget(resultWidth_, 0, 2);
    resultGrid->addWidget(rowsLabel_, 1, 0);
    resultGrid->addWidget(rowsEdit_, 1, 1);
    resultGrid->addWidget(resultHeight_, 1, 2);
    resultGrid->setColumnStretch(2, 1);
    resultGrid->setHorizontalSpacing(ScaleX(12));

    auto* separator = new QFrame(this);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    separator->setFixedHeight(2);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(ScaleX(10), ScaleY(10), ScaleX(10), ScaleY(10));
    main->addWidget(source);
    main->addSpacing(ScaleY(6));
    main->addWidget(extra);
    main->addSpacing(ScaleY(6));
    main->addWidget(result);
    main->addSpacing(ScaleY(6));
    main->addWidget(separator);
    main->addWidget(makeOkCancelButtons());
    main->setSizeConstraint(QLayout::SetFixedSize);
}

void CSizePartDlg::setHelpTopics() {
    const std::pair<QWidget*, HelpTopic> topics[] = {
        {widthLabel_, HelpTopic::CutWidthLabel},   {heightLabel_, HelpTopic::CutHeightLabel},
        {widthEdit_, HelpTopic::CutWidth},         {heightEdit_, HelpTopic::CutHeight},
        {keepRatioBox_, HelpTopic::CutKeepRatio},  {sizeList_, HelpTopic::CutElementSize},
        {sizeLabel_, HelpTopic::CutElementSize},   {pixelsLabel_, HelpTopic::CutElementSize},
        {rotateBox_, HelpTopic::CutRotate},        {mosaicBox_, HelpTopic::CutMosaic},
        {offsetBox_, HelpTopic::CutOffset},        {squareBox_, HelpTopic::CutSquareBase},
        {columnsEdit_, HelpTopic::CutColumns},     {columnsLabel_, HelpTopic::CutColumns},
        {rowsEdit_, HelpTopic::CutRows},           {rowsLabel_, HelpTopic::CutRows},
        {resultWidth_, HelpTopic::CutResultWidth}, {resultHeight_, HelpTopic::CutResultHeight},
        {sampleView_, HelpTopic::CutSample}};
    for (const auto& [widget, topic] : topics) {
        SetHelpTopic(widget, topic);
    }
    for (QDialogButtonBox* buttons : findChildren<QDialogButtonBox*>()) {
        SetHelpTopic(buttons->button(QDialogButtonBox::Ok), HelpTopic::OkButton);
        SetHelpTopic(buttons->button(QDialogButtonBox::Cancel), HelpTopic::CancelButton);
    }
}

CutOptions CSizePartDlg::cutOptions() const {
    return CutOptions{rotateBox_->isChecked(), mosaicBox_->isChecked(), offsetBox_->isChecked(),
                      squareBox_->isChecked()};
}

const QImage* CSizePartDlg::currentSample() const {
    if (samples_.empty()) {
        return nullptr;
    }
    return &samples_[static_cast<std::size_t>(previewIndex_)];
}

void CSizePartDlg::widthEdited(const QString& text) {
    if (const std::optional<int32_t> width = FieldValue(text)) {
        editor_.editWidth(*width);
        if (editor_.keepsRatio()) {
            heightEdit_->setText(Number(editor_.height()));
        }
        showGrid();
    }
}

void CSizePartDlg::heightEdited(const QString& text) {
    if (const std::optional<int32_t> height = FieldValue(text)) {
        editor_.editHeight(*height);
        if (editor_.keepsRatio()) {
            widthEdit_->setText(Number(editor_.width()));
        }
        showGrid();
    }
}

void CSizePartDlg::sizeChosen(int index) {
    if (editor_.chooseElementSize(index)) {
        showGrid();
    }
}

void CSizePartDlg::columnsEdited(const QString& text) {
    if (const std::optional<int32_t> columns = FieldValue(text)) {
        editor_.editColumns(*columns);
        showResult();
    }
}

void CSizePartDlg::rowsEdited(const QString& text) {
    if (const std::optional<int32_t> rows = FieldValue(text)) {
        editor_.editRows(*rows);
        showResult();
    }
}

void CSizePartDlg::optionsClicked() {
    // The click reads every field, as OK does; the sample follows the boxes all the same.
    fieldsHoldNumbers();
    const int index = CutSampleIndex(cutOptions());
    if (index != previewIndex_) {
        previewIndex_ = index;
        sampleView_->setImage(currentSample());
    }
}

void CSizePartDlg::showGrid() {
    columnsEdit_->setText(Number(editor_.columns()));
    rowsEdit_->setText(Number(editor_.rows()));
    showResult();
}

void CSizePartDlg::showResult() {
    resultWidth_->setText(QStringLiteral("Ширина картинки %1").arg(editor_.resultWidth()));
    resultHeight_->setText(QStringLiteral("Высота картинки %1").arg(editor_.resultHeight()));
}

bool CSizePartDlg::fieldsHoldNumbers() {
    // An emptied field would leave the plan on its last value.
    for (QLineEdit* field : {widthEdit_, heightEdit_, columnsEdit_, rowsEdit_}) {
        if (!FieldValue(field->text())) {
            ShowMessage(this, QString::fromUtf8(kWholeNumberMessage), MessageIcon::Exclamation);
            field->setFocus();
            return false;
        }
    }
    return true;
}

void CSizePartDlg::accept() {
    if (!fieldsHoldNumbers()) {
        return;
    }
    const PlanRefusal refusal = editor_.refusal();
    if (refusal.isAccepted()) {
        CBaseDialog::accept();
        return;
    }
    QLineEdit* field = refusal.field == PlanField::Columns ? columnsEdit_ : rowsEdit_;
    ShowMessage(
        this, QString::fromUtf8(refusal.isTooLarge ? kCutTooLargeMessage : kPositiveNumberMessage),
        MessageIcon::Exclamation);
    field->setFocus();
    field->selectAll();
}

}  // namespace tessary
