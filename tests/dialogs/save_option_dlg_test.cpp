#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include "dialog_controls.h"
#include "dialogs/save_option_dlg.h"
#include "message_recorder.h"

namespace tessary {
namespace {

// The options dialog as the player sees it: controls found by name, typed into with keys.
class OptionsDialog {
public:
    explicit OptionsDialog(const JpegOptions& options = {}) : dialog(options, nullptr) {
        dialog.show();
    }

    template <typename Widget = QLineEdit>
    Widget* control(const char* name) {
        return ControlOf<Widget>(dialog, QLatin1String(name));
    }
    QSlider* slider(const char* name) { return control<QSlider>(name); }
    QCheckBox* box(const char* name) { return control<QCheckBox>(name); }

    void type(const char* name, const QString& text) { TypeInto(control(name), text); }

    CSaveOptionDlg dialog;
};

TEST(SaveOptionDlgTest, OpensWithTheOptionsOnSlidersBoxesAndChecks) {
    OptionsDialog defaults;
    EXPECT_EQ(defaults.dialog.windowTitle(), QStringLiteral("Параметры JPEG"));
    for (const char* name : {"qualitySlider", "smoothingSlider"}) {
        SCOPED_TRACE(name);
        const QSlider* slider = defaults.slider(name);
        EXPECT_EQ(slider->minimum(), 0);
        EXPECT_EQ(slider->maximum(), 100);
        EXPECT_EQ(slider->singleStep(), 1);
        EXPECT_EQ(slider->pageStep(), 5);
        EXPECT_EQ(slider->tickInterval(), 10);
        EXPECT_NE(slider->tickPosition(), QSlider::NoTicks);
    }
    EXPECT_EQ(defaults.control("quality")->text(), QStringLiteral("75"));
    EXPECT_EQ(defaults.slider("qualitySlider")->value(), 75);
    EXPECT_EQ(defaults.control("smoothing")->text(), QStringLiteral("0"));
    EXPECT_EQ(defaults.slider("smoothingSlider")->value(), 0);
    EXPECT_FALSE(defaults.box("optimized")->isChecked());
    EXPECT_FALSE(defaults.box("progressive")->isChecked());

    OptionsDialog given(JpegOptions{30, 60, false, true});
    EXPECT_EQ(given.control("quality")->text(), QStringLiteral("30"));
    EXPECT_EQ(given.slider("smoothingSlider")->value(), 60);
    EXPECT_FALSE(given.box("optimized")->isChecked());
    EXPECT_TRUE(given.box("progressive")->isChecked());
}

TEST(SaveOptionDlgTest, SliderAndBoxFollowEachOther) {
    OptionsDialog options;
    QSlider* quality = options.slider("qualitySlider");
    quality->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(options.control("quality")->text(), QStringLiteral("80"));
    quality->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(options.control("quality")->text(), QStringLiteral("79"));

    options.type("smoothing", QStringLiteral("33"));
    EXPECT_EQ(options.slider("smoothingSlider")->value(), 33);
    // Beyond the range the slider stops at its end and the box keeps what was typed.
    options.type("smoothing", QStringLiteral("150"));
    EXPECT_EQ(options.slider("smoothingSlider")->value(), 100);
    EXPECT_EQ(options.control("smoothing")->text(), QStringLiteral("150"));
    // No number: the slider stays.
    options.type("smoothing", QString());
    EXPECT_EQ(options.slider("smoothingSlider")->value(), 100);
}

struct RefusalRow {
    const char* name;
    const char* box;
    const char* typed;
    const char* message;
};

class SaveOptionRefusalTest : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(SaveOptionRefusalTest, OkStaysInTheDialogOnTheBoxToCorrect) {
    const RefusalRow& row = GetParam();
    MessageRecorder recorder(MessageAnswer::Ok);
    OptionsDialog options;
    options.type(row.box, QString::fromUtf8(row.typed));
    options.box("optimized")->click();
    options.dialog.accept();

    ASSERT_EQ(recorder.requests.size(), 1u);
    EXPECT_EQ(recorder.requests[0].text, QString::fromUtf8(row.message));
    EXPECT_EQ(recorder.requests[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(options.dialog.isVisible());
    EXPECT_EQ(options.dialog.focusWidget(), options.control(row.box));
    EXPECT_EQ(options.control(row.box)->selectedText(), QString::fromUtf8(row.typed));
    EXPECT_FALSE(options.dialog.options().isOptimized) << "nothing is taken before OK succeeds";

    options.type(row.box, QStringLiteral("100"));
    options.dialog.accept();
    EXPECT_EQ(options.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(recorder.requests.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Boxes, SaveOptionRefusalTest,
                         ::testing::Values(RefusalRow{"quality_above_the_range", "quality", "101",
                                                      "Введите целое число от 0 до 100."},
                                           RefusalRow{"smoothing_above_the_range", "smoothing",
                                                      "999", "Введите целое число от 0 до 100."},
                                           RefusalRow{"emptied_quality", "quality", "",
                                                      "Введите целое число."}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CheckRow {
    const char* name;
    const char* ticked;
    bool isOptimized;
    bool isProgressive;
};

class SaveOptionCheckTest : public ::testing::TestWithParam<CheckRow> {};

TEST_P(SaveOptionCheckTest, EachBoxControlsTheFeatureItsLabelNames) {
    const CheckRow& row = GetParam();
    OptionsDialog options;
    options.type("quality", QStringLiteral("40"));
    options.slider("smoothingSlider")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    options.box(row.ticked)->click();
    options.dialog.accept();
    ASSERT_EQ(options.dialog.result(), QDialog::Accepted);
    const JpegOptions& taken = options.dialog.options();
    EXPECT_EQ(taken.quality, 40);
    EXPECT_EQ(taken.smoothing, 5);
    EXPECT_EQ(taken.isOptimized, row.isOptimized);
    EXPECT_EQ(taken.isProgressive, row.isProgressive);
}

INSTANTIATE_TEST_SUITE_P(Boxes, SaveOptionCheckTest,
                         ::testing::Values(CheckRow{"optimize", "optimized", true, false},
                                           CheckRow{"progressive", "progressive", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
