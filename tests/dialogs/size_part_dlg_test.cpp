#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "dialog_controls.h"
#include "dialogs/ex_combo_box.h"
#include "dialogs/help_request.h"
#include "dialogs/size_part_dlg.h"
#include "message_recorder.h"

namespace tessary {
namespace {

CuttingPlan PlanOf(int32_t width, int32_t height, int32_t elementSize) {
    CuttingPlan plan;
    plan.pictureWidth = width;
    plan.pictureHeight = height;
    plan.elementSize = elementSize;
    return plan;
}

// The dialog as the player sees it: its controls found by name, typed into with keys.
class CutDialog {
public:
    explicit CutDialog(const CuttingPlan& plan, const CutOptions& options = {})
        : dialog(plan, options, nullptr) {
        dialog.show();
    }

    template <typename Widget = QLineEdit>
    Widget* control(const char* name) {
        return ControlOf<Widget>(dialog, QLatin1String(name));
    }

    QString text(const char* name) {
        if (auto* label = dialog.findChild<QLabel*>(QLatin1String(name))) {
            return label->text();
        }
        return control(name)->text();
    }

    void type(const char* name, const QString& text) { TypeInto(control(name), text); }

    void chooseSize(int32_t size) {
        auto* list = control<CExComboBox>("elementSize");
        const int index = list->findText(QString::number(size));
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    void click(const char* name) { control<QCheckBox>(name)->click(); }

    CSizePartDlg dialog;
};

TEST(CutDialogTest, OpensWithTheProposedGrid) {
    CutDialog cut(PlanOf(1024, 768, 0));
    EXPECT_EQ(cut.control<CExComboBox>("elementSize")->currentText(), QStringLiteral("64"));
    EXPECT_EQ(cut.text("columns"), QStringLiteral("16"));
    EXPECT_EQ(cut.text("rows"), QStringLiteral("12"));
    EXPECT_EQ(cut.text("resultWidth"), QStringLiteral("Ширина картинки 1024"));
    EXPECT_EQ(cut.text("resultHeight"), QStringLiteral("Высота картинки 768"));

    CutDialog small(PlanOf(100, 100, 64));
    EXPECT_EQ(small.text("columns"), QStringLiteral("2"));
    EXPECT_EQ(small.text("rows"), QStringLiteral("2"));
    EXPECT_EQ(small.text("resultWidth"), QStringLiteral("Ширина картинки 128"));
}

TEST(CutDialogTest, SizeOutsideTheListIsKeptUntilOneIsChosen) {
    CutDialog cut(PlanOf(500, 250, 50));
    EXPECT_EQ(cut.control<CExComboBox>("elementSize")->currentIndex(), -1);
    EXPECT_EQ(cut.text("columns"), QStringLiteral("10"));
    EXPECT_EQ(cut.text("rows"), QStringLiteral("5"));
    cut.chooseSize(128);
    EXPECT_EQ(cut.text("columns"), QStringLiteral("4"));
    EXPECT_EQ(cut.text("rows"), QStringLiteral("2"));
    EXPECT_EQ(cut.dialog.planEditor().elementSize(), 128);
}

TEST(CutDialogTest, KeptRatioMakesTheOtherSideFollow) {
    CutDialog cut(PlanOf(1024, 768, 64));
    cut.type("width", QStringLiteral("800"));
    EXPECT_EQ(cut.text("height"), QStringLiteral("600"));
    EXPECT_EQ(cut.text("columns"), QStringLiteral("13"));  // 800 / 64 = 12.5 rounds up
    EXPECT_EQ(cut.text("rows"), QStringLiteral("9"));      // 600 / 64 = 9.375
    EXPECT_EQ(cut.text("resultWidth"), QStringLiteral("Ширина картинки 832"));

    cut.click("keepRatio");
    cut.type("height", QStringLiteral("128"));
    EXPECT_EQ(cut.text("width"), QStringLiteral("800"));
    EXPECT_EQ(cut.text("rows"), QStringLiteral("2"));
}

TEST(CutDialogTest, GridEditsChangeOnlyTheResult) {
    CutDialog cut(PlanOf(1024, 768, 64));
    cut.type("columns", QStringLiteral("3"));
    cut.type("rows", QStringLiteral("2"));
    EXPECT_EQ(cut.text("width"), QStringLiteral("1024"));
    EXPECT_EQ(cut.text("resultWidth"), QStringLiteral("Ширина картинки 192"));
    EXPECT_EQ(cut.text("resultHeight"), QStringLiteral("Высота картинки 128"));
    cut.dialog.accept();
    EXPECT_EQ(cut.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(cut.dialog.planEditor().columns(), 3);
    EXPECT_EQ(cut.dialog.planEditor().rows(), 2);
}

TEST(CutDialogTest, ZeroColumnsIsRefusedWithFocusAndSelectionOnTheField) {
    MessageRecorder recorder(MessageAnswer::Ok);
    CutDialog cut(PlanOf(1024, 768, 64));
    cut.type("columns", QStringLiteral("0"));
    cut.type("rows", QStringLiteral("0"));
    cut.control("width")->setFocus();
    cut.dialog.accept();

    ASSERT_EQ(recorder.requests.size(), 1u);
    EXPECT_EQ(recorder.requests[0].text, QStringLiteral("Введите положительное число."));
    EXPECT_EQ(recorder.requests[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(cut.dialog.isVisible());
    EXPECT_EQ(cut.dialog.focusWidget(), cut.control("columns"));
    EXPECT_EQ(cut.control("columns")->selectedText(), QStringLiteral("0"));

    cut.type("columns", QStringLiteral("4"));
    cut.dialog.accept();
    ASSERT_EQ(recorder.requests.size(), 2u);
    EXPECT_EQ(cut.dialog.focusWidget(), cut.control("rows"));
}

TEST(CutDialogTest, EmptiedColumnsFieldIsRefusedNotAcceptedWithItsOldValue) {
    MessageRecorder recorder(MessageAnswer::Ok);
    CutDialog cut(PlanOf(1024, 768, 64));
    cut.type("columns", QString());
    cut.dialog.accept();
    EXPECT_EQ(recorder.requests.size(), 1u);
    EXPECT_TRUE(cut.dialog.isVisible());
}

struct EmptyFieldRow {
    const char* field;
    const char* action;  // "OK", or the option box clicked
};

TEST(CutDialogTest, AnEmptiedNumberFieldIsRefusedAtTheClicksThatReadAllFields) {
    const EmptyFieldRow rows[] = {
        {"width", "OK"}, {"height", "OK"},    {"columns", "OK"},
        {"rows", "OK"},  {"width", "mosaic"}, {"height", "enableOffset"},
    };
    for (const EmptyFieldRow& row : rows) {
        const std::string name = std::string(row.field) + " at " + row.action;
        MessageRecorder recorder(MessageAnswer::Ok);
        CutDialog cut(PlanOf(1024, 768, 64));
        cut.type(row.field, QString());
        cut.control("columns")->setFocus();
        if (std::string_view(row.action) == "OK") {
            cut.dialog.accept();
        } else {
            cut.click(row.action);
        }
        ASSERT_EQ(recorder.requests.size(), 1u) << name;
        EXPECT_EQ(recorder.requests[0].text, QStringLiteral("Введите целое число.")) << name;
        EXPECT_EQ(recorder.requests[0].icon, MessageIcon::Exclamation) << name;
        EXPECT_EQ(cut.dialog.focusWidget(), cut.control(row.field)) << name;
        EXPECT_TRUE(cut.dialog.isVisible()) << name;
    }
}

TEST(CutDialogTest, OversizedGridHasItsOwnMessage) {
    MessageRecorder recorder(MessageAnswer::Ok);
    CutDialog cut(PlanOf(1024, 768, 320));
    cut.type("rows", QStringLiteral("99999999999"));  // beyond 32 bits: saturates, then refused
    cut.dialog.accept();
    ASSERT_EQ(recorder.requests.size(), 1u);
    EXPECT_NE(recorder.requests[0].text, QStringLiteral("Введите положительное число."));
    EXPECT_TRUE(recorder.requests[0].text.contains(QStringLiteral("больш")));
    EXPECT_EQ(cut.dialog.focusWidget(), cut.control("rows"));
    EXPECT_TRUE(cut.dialog.isVisible());
}

TEST(CutDialogTest, HelpKeyAsksForTheTopicOfTheControlUnderThePointer) {
    std::vector<int> topics;
    SetHelpHandler([&](int topic, bool isPopup) {
        EXPECT_TRUE(isPopup);
        topics.push_back(topic);
    });
    CutDialog cut(PlanOf(1024, 768, 64));
    for (const char* name : {"mosaic", "columns"}) {
        QWidget* control = cut.dialog.findChild<QWidget*>(QLatin1String(name));
        QCursor::setPos(control->mapToGlobal(control->rect().center()));
        QTest::keyClick(&cut.dialog, Qt::Key_F1);
    }
    SetHelpHandler({});
    EXPECT_EQ(topics, (std::vector<int>{20490, 20484}));
}

struct SampleRow {
    const char* name;
    CutOptions options;
    int index;
};

TEST(CutDialogTest, SampleIndexFollowsTheOptions) {
    const SampleRow rows[] = {
        {"knobs, offsets", {false, false, true, false}, 0},
        {"knobs", {false, false, false, false}, 1},
        {"mosaic, offsets", {false, true, true, false}, 2},
        {"mosaic", {false, true, false, false}, 3},
        {"mosaic on square base, offsets", {false, true, true, true}, 4},
        {"mosaic on square base", {false, true, false, true}, 4},
        {"square base, offsets", {false, false, true, true}, 5},
        {"square base", {false, false, false, true}, 6},
        {"rotation plays no part", {true, false, false, true}, 6},
    };
    for (const SampleRow& row : rows) {
        EXPECT_EQ(CutSampleIndex(row.options), row.index) << row.name;
    }
}

TEST(CutDialogTest, ClickedOptionsSwitchTheShownSample) {
    CutDialog cut(PlanOf(1024, 768, 64), CutOptions{true, false, true, false});
    ASSERT_NE(cut.dialog.currentSample(), nullptr) << "the seven samples were not prepared";
    EXPECT_EQ(cut.dialog.previewIndex(), 0);
    const QImage first = *cut.dialog.currentSample();

    cut.click("rotateElements");
    EXPECT_EQ(cut.dialog.previewIndex(), 0);
    cut.click("mosaic");
    EXPECT_EQ(cut.dialog.previewIndex(), 2);
    EXPECT_NE(*cut.dialog.currentSample(), first);
    cut.click("squareBase");
    EXPECT_EQ(cut.dialog.previewIndex(), 4);
    cut.click("enableOffset");
    EXPECT_EQ(cut.dialog.previewIndex(), 4);
    cut.click("mosaic");
    EXPECT_EQ(cut.dialog.previewIndex(), 6);

    const CutOptions options = cut.dialog.cutOptions();
    EXPECT_FALSE(options.rotateElements);
    EXPECT_FALSE(options.mosaic);
    EXPECT_FALSE(options.enableOffset);
    EXPECT_TRUE(options.squareBase);
}

TEST(CutDialogTest, SamplesStandOnTheDialogFace) {
    CutDialog cut(PlanOf(1024, 768, 64));
    ASSERT_NE(cut.dialog.currentSample(), nullptr);
    const QImage& sample = *cut.dialog.currentSample();
    EXPECT_EQ(sample.size(), QSize(146, 96));
    // The face colour surrounds the pieces: the corner shows it.
    EXPECT_EQ(sample.pixelColor(0, 0).rgb(), cut.dialog.palette().color(QPalette::Window).rgb());
}

}  // namespace
}  // namespace tessary
