#include "dialogs/save_option_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/message_box.h"
#include "dialogs/screen_scale.h"
#include "game/message_texts.h"

namespace tessary {
namespace {

constexpr int kLowest = 0;
constexpr int kHighest = 100;

QLineEdit* MakeNumberBox(int value, QWidget* parent, const char* name) {
    auto* box = new QLineEdit(QString::number(value), parent);
    box->setObjectName(QLatin1String(name));
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), box));
    box->setFixedWidth(ScaleX(40));
    return box;
}

QSlider* MakeSlider(int value, QWidget* parent, const char* name) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(kLowest, kHighest);
    slider->setSingleStep(1);
    slider->setPageStep(5);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(10);
    slider->setValue(value);
    slider->setMinimumWidth(ScaleX(240));
    return slider;
}

// The slider follows a box that holds a number (the slider keeps itself within its range);
// the box shows every position the slider is moved to.
void Couple(QLineEdit* box, QSlider* slider) {
    QObject::connect(slider, &QSlider::valueChanged, box,
                     [box](int value) { box->setText(QString::number(value)); });
    QObject::connect(box, &QLineEdit::textEdited, slider, [slider](const QString& text) {
        bool isNumber = false;
        const int value = text.toInt(&isNumber, 10);
        if (!isNumber)
            return;
        // The box keeps what was typed, even beyond the slider's range.
        const QSignalBlocker quiet(slider);
        slider->setValue(value);
    });
}

}  // namespace

CSaveOptionDlg::CSaveOptionDlg(const JpegOptions& options, QWidget* parent)
    : CBaseDialog(QStringLiteral("Параметры JPEG"), parent), options_(options) {
    qualityEdit_ = MakeNumberBox(options.quality, this, "quality");
    qualitySlider_ = MakeSlider(options.quality, this, "qualitySlider");
    smoothingEdit_ = MakeNumberBox(options.smoothing, this, "smoothing");
    smoothingSlider_ = MakeSlider(options.smoothing, this, "smoothingSlider");
    optimizedBox_ =
        MakeCheckBox(QStringLiteral("&Оптимизировать"), options.isOptimized, this, "optimized");
    progressiveBox_ =
        MakeCheckBox(QStringLiteral("&Прогрессивный"), options.isProgressive, this, "progressive");
    Couple(qualityEdit_, qualitySlider_);
    Couple(smoothingEdit_, smoothingSlider_);
    buildLayout();
}

void CSaveOptionDlg::buildLayout() {
    auto* qualityLabel = new QLabel(QStringLiteral("&Качество"), this);
    qualityLabel->setBuddy(qualityEdit_);
    auto* smoothingLabel = new QLabel(QStringLiteral("&Сглаживание"), this);
    smoothingLabel->setBuddy(smoothingEdit_);
    auto* compressionEnd = new QLabel(QStringLiteral("лучшее сжатие"), this);
    auto* qualityEnd = new QLabel(QStringLiteral("лучшее качество"), this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(ScaleX(8));
    grid->addWidget(qualityLabel, 0, 0);
    grid->addWidget(qualityEdit_, 0, 1, Qt::AlignLeft);
    grid->addWidget(qualitySlider_, 1, 0, 1, 3);
    grid->addWidget(compressionEnd, 2, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(qualityEnd, 2, 2, Qt::AlignRight);
    grid->setRowMinimumHeight(3, ScaleY(12));
    grid->addWidget(smoothingLabel, 4, 0);
    grid->addWidget(smoothingEdit_, 4, 1, Qt::AlignLeft);
    grid->addWidget(smoothingSlider_, 5, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    auto* separator = new QFrame(this);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    separator->setFixedHeight(2);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(ScaleX(10), ScaleY(10), ScaleX(10), ScaleY(10));
    main->addLayout(grid);
    main->addSpacing(ScaleY(10));
    main->addWidget(optimizedBox_);
    main->addWidget(progressiveBox_);
    main->addSpacing(ScaleY(6));
    main->addWidget(separator);
    main->addWidget(makeOkCancelButtons());
    main->setSizeConstraint(QLayout::SetFixedSize);
}

void CSaveOptionDlg::accept() {
    // The sliders follow every number typed, so the boxes hold the values; they only need the
    // range check the sliders cannot make.
    int values[2] = {};
    QLineEdit* const boxes[2] = {qualityEdit_, smoothingEdit_};
    for (int i = 0; i < 2; ++i) {
        bool isNumber = false;
        values[i] = boxes[i]->text().toInt(&isNumber, 10);
        if (!isNumber || values[i] < kLowest || values[i] > kHighest) {
            ShowMessage(
                this,
                isNumber ? FormatMessageText(kNumberInRangeMessage,
                                             {QString::number(kLowest), QString::number(kHighest)})
                         : QString::fromUtf8(kWholeNumberMessage),
                MessageIcon::Exclamation);
            boxes[i]->setFocus();
            boxes[i]->selectAll();
            return;
        }
    }
    options_ =
        JpegOptions{values[0], values[1], optimizedBox_->isChecked(), progressiveBox_->isChecked()};
    CBaseDialog::accept();
}

std::optional<HelpTopic> CSaveOptionDlg::helpTopicAt(QPoint /*pos*/) const {
    return HelpTopic::Contents;
}

}  // namespace tessary
