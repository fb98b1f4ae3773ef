#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

#include "dialog_controls.h"
#include "dialogs/help_request.h"
#include "dialogs/my_color_dialog.h"
#include "dialogs/param_dlg.h"
#include "message_recorder.h"

namespace tessary {
namespace {

// The dialog as the player sees it, shown, its controls found by name; the window's side of
// the colour choice recorded.
class SettingsDialog {
public:
    explicit SettingsDialog(const PlaySettings& values = {})
        : dialog(nullptr, ParamDlgHooks{[this] { ++repaints; },
                                        [this](ColourRef c) { renderedColours.push_back(c); }}) {
        dialog.SetValues(values);
        dialog.show();
    }

    template <typename Widget = QLineEdit>
    Widget* control(const QString& name) {
        return ControlOf<Widget>(dialog, name);
    }

    void type(const char* name, const QString& text) { control(name)->setText(text); }

    int repaints = 0;
    std::vector<ColourRef> renderedColours;
    CParamDlg dialog;
};

// Runs `act` on the colour chooser once it is up, polling for at most two seconds.
void WhenChooserOpens(std::function<void(CMyColorDialog*)> act, int triesLeft = 200) {
    QTimer::singleShot(10, [act = std::move(act), triesLeft] {
        if (auto* chooser = qobject_cast<CMyColorDialog*>(QApplication::activeModalWidget()))
            act(chooser);
        else if (triesLeft > 0)
            WhenChooserOpens(act, triesLeft - 1);
    });
}

struct EntryRow {
    const char* name;
    const char* edit;
    const char* text;
    const char* message;  // empty: accepted
};

TEST(ParamDlgTest, EntriesAreCheckedAtOkAgainstTheirRanges) {
    const EntryRow rows[] = {
        {"thickness 6", "contourThickness", "6", "Введите целое число от 1 до 5."},
        {"thickness 0", "contourThickness", "0", "Введите целое число от 1 до 5."},
        {"capture range 17", "captureRange", "17", "Введите целое число от 1 до 16."},
        {"scroll area 4", "mouseScrollArea", "4", "Введите целое число от 5 до 50."},
        {"scroll speed 11", "mouseScrollSpeed", "11", "Введите целое число от 1 до 10."},
        {"letters", "captureRange", "5a", "Введите целое число."},
        {"empty", "mouseScrollSpeed", "", "Введите целое число."},
        {"beyond 32 bits", "keyboardScrollSpeed", "4294967296", "Введите целое число."},
        {"negative keyboard speed", "keyboardScrollSpeed", "-1", "Введите неотрицательное число."},
        {"keyboard speed 0", "keyboardScrollSpeed", "0", ""},
        {"signed, with spaces", "contourThickness", " +5 ", ""},
        {"the range's ends", "mouseScrollArea", "50", ""},
    };
    for (const EntryRow& row : rows) {
        SCOPED_TRACE(row.name);
        MessageRecorder messages(MessageAnswer::Ok);
        SettingsDialog settings;
        settings.type(row.edit, QString::fromUtf8(row.text));
        settings.dialog.accept();
        if (*row.message == '\0') {
            EXPECT_TRUE(messages.requests.empty());
            EXPECT_EQ(settings.dialog.result(), QDialog::Accepted);
            continue;
        }
        ASSERT_EQ(messages.requests.size(), 1u);
        EXPECT_EQ(messages.requests[0].text, QString::fromUtf8(row.message));
        EXPECT_EQ(messages.requests[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(settings.dialog.isVisible()) << "the dialog stays open";
        EXPECT_EQ(settings.dialog.focusWidget(), settings.control(row.edit));
    }
}

TEST(ParamDlgTest, OkHandsBackWhatTheControlsShow) {
    PlaySettings opened;
    opened.contourColor3D = 0x123456;
    SettingsDialog settings(opened);
    EXPECT_EQ(settings.control("contourThickness")->text(), QStringLiteral("3"));
    EXPECT_EQ(settings.control("keyboardScrollSpeed")->text(), QStringLiteral("160"));
    EXPECT_FALSE(settings.control<QCheckBox>("scrollWheel")->isChecked());

    settings.control<QCheckBox>("exactAssembling")->setChecked(false);
    settings.control<QCheckBox>("scrollWheel")->setChecked(true);
    settings.type("captureRange", QStringLiteral("16"));
    settings.type("keyboardScrollSpeed", QStringLiteral("0"));
    settings.dialog.accept();

    PlaySettings expected = opened;
    expected.exactAssembling = 0;
    expected.scrollWheel = 1;
    expected.captureRange = 16;
    expected.keyboardScrollSpeed = 0;
    EXPECT_EQ(settings.dialog.GetValues(), expected);
}

TEST(ParamDlgTest, SpinsStepTheirEditAndWrapAround) {
    SettingsDialog settings;
    QLineEdit* thickness = settings.control("contourThickness");
    QWidget* spin = settings.control<QWidget>("contourThicknessSpin");
    // The arrows sit at the edit's right edge.
    EXPECT_EQ(spin->parentWidget(), thickness);
    EXPECT_GE(spin->geometry().right(), thickness->width() - 2);

    thickness->setFocus();
    QTest::keyClick(thickness, Qt::Key_Up);  // 3 -> 4
    EXPECT_EQ(thickness->text(), QStringLiteral("4"));
    settings.type("contourThickness", QStringLiteral("5"));
    QTest::keyClick(thickness, Qt::Key_Up);
    EXPECT_EQ(thickness->text(), QStringLiteral("1"));
    QTest::keyClick(thickness, Qt::Key_Down);
    EXPECT_EQ(thickness->text(), QStringLiteral("5"));
    settings.type("contourThickness", QStringLiteral("6"));  // typed beyond the range
    QTest::keyClick(thickness, Qt::Key_Up);
    EXPECT_EQ(thickness->text(), QStringLiteral("1"));

    QLineEdit* area = settings.control("mouseScrollArea");
    settings.type("mouseScrollArea", QStringLiteral("5"));
    QTest::keyClick(area, Qt::Key_Down);
    EXPECT_EQ(area->text(), QStringLiteral("50"));

    // No spin for the keyboard speed: the arrow keys leave it alone.
    QLineEdit* keyboard = settings.control("keyboardScrollSpeed");
    QTest::keyClick(keyboard, Qt::Key_Up);
    EXPECT_EQ(keyboard->text(), QStringLiteral("160"));
    EXPECT_EQ(keyboard->findChild<QWidget*>(QStringLiteral("keyboardScrollSpeedSpin")), nullptr);
}

TEST(ParamDlgTest, TheEnablingCheckBoxesGreyTheirControlsAtOnce) {
    PlaySettings opened;
    opened.enableMouseScroll = 0;
    SettingsDialog settings(opened);
    const char* mouseControls[] = {"mouseScrollArea", "mouseScrollAreaLabel", "mouseScrollSpeed",
                                   "mouseScrollSpeedLabel", "mouseScrollAreaSpin"};
    for (const char* name : mouseControls)
        EXPECT_FALSE(settings.control<QWidget>(name)->isEnabled()) << name;

    settings.control<QCheckBox>("enableMouseScroll")->click();
    for (const char* name : mouseControls)
        EXPECT_TRUE(settings.control<QWidget>(name)->isEnabled()) << name;

    const char* contourControls[] = {"contourThickness", "contourThicknessLabel",
                                     "contourThicknessSpin", "contourColor"};
    settings.control<QCheckBox>("enable3DElements")->click();
    for (const char* name : contourControls)
        EXPECT_FALSE(settings.control<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(settings.control("captureRange")->isEnabled());

    // A click reads every control: a bad entry is refused, the greying follows the box anyway.
    MessageRecorder messages(MessageAnswer::Ok);
    settings.type("captureRange", QStringLiteral("0"));
    settings.control<QCheckBox>("enable3DElements")->click();
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].text, QStringLiteral("Введите целое число от 1 до 16."));
    for (const char* name : contourControls)
        EXPECT_TRUE(settings.control<QWidget>(name)->isEnabled()) << name;
}

TEST(ParamDlgTest, AChosenContourColourIsShownAtOnceAndTakenBackOnlyByCancel) {
    PlaySettings opened;
    opened.contourColor3D = 0x404040;
    const ColourRef chosen = MakeColourRef(200, 10, 20);
    SettingsDialog settings(opened);
    bool wasHidden = false;
    QString title;
    WhenChooserOpens([&](CMyColorDialog* chooser) {
        wasHidden = !settings.dialog.isVisible();
        title = chooser->windowTitle();
        EXPECT_EQ(chooser->currentColor().rgb(), QColorOf(0x404040).rgb());
        chooser->setCurrentColor(QColorOf(chosen));
        chooser->accept();
    });
    settings.control<QPushButton>("contourColor")->click();
    EXPECT_TRUE(wasHidden) << "the field is unobstructed while the colour is chosen";
    EXPECT_EQ(title, QStringLiteral("Выберите цвет контура"));
    EXPECT_EQ(settings.repaints, 1);
    EXPECT_TRUE(settings.dialog.isVisible());
    EXPECT_EQ(settings.renderedColours, std::vector<ColourRef>{chosen});

    settings.dialog.reject();
    EXPECT_EQ(settings.renderedColours, (std::vector<ColourRef>{chosen, 0x404040}));

    // Chosen again and confirmed: the dialog hands the colour back and nothing is undone.
    SettingsDialog confirmed(opened);
    WhenChooserOpens([&](CMyColorDialog* chooser) {
        chooser->setCurrentColor(QColorOf(chosen));
        chooser->accept();
    });
    confirmed.control<QPushButton>("contourColor")->click();
    confirmed.dialog.accept();
    EXPECT_EQ(confirmed.dialog.GetValues().contourColor3D, static_cast<int32_t>(chosen));
    EXPECT_EQ(confirmed.renderedColours, std::vector<ColourRef>{chosen});
}

TEST(ParamDlgTest, ComesBackWhereThePlayerLeftItAfterTheColourChooser) {
    QWidget window;
    window.setGeometry(50, 50, 900, 700);
    window.show();
    CParamDlg dialog(&window);
    dialog.show();
    // Dragged aside by the player: the window system moves it, the program does not.
    dialog.windowHandle()->setFramePosition(dialog.frameGeometry().topLeft() + QPoint(37, 23));
    QApplication::processEvents();
    const QRect before = dialog.frameGeometry();

    WhenChooserOpens([](CMyColorDialog* chooser) { chooser->reject(); });
    ControlOf<QPushButton>(dialog, QStringLiteral("contourColor"))->click();
    QApplication::processEvents();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.frameGeometry(), before);
}

TEST(ParamDlgTest, HelpKeyAsksForTheTopicOfTheControlUnderThePointer) {
    std::vector<int> topics;
    SetHelpHandler([&](int topic, bool isPopup) {
        EXPECT_TRUE(isPopup);
        topics.push_back(topic);
    });
    SettingsDialog settings;
    for (const char* name : {"contourThicknessLabel", "contourThicknessSpin", "contourColor",
                             "keyboardScrollSpeed", "scrollWheel"}) {
        QWidget* control = settings.control<QWidget>(name);
        QCursor::setPos(control->mapToGlobal(control->rect().center()));
        QTest::keyClick(&settings.dialog, Qt::Key_F1);
    }
    SetHelpHandler({});
    EXPECT_EQ(topics, (std::vector<int>{12289, 12289, 12290, 12296, 12305}));
}

}  // namespace
}  // namespace tessary
