#pragma once

#include <array>
#include <functional>
#include <vector>

#include "core/game_settings.h"
#include "dialogs/base_dialog.h"
#include "picture/colour_ref.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessary {

/// What the settings dialog asks of the main window while it is open.
struct ParamDlgHooks {
    /// Repaints the window and the preview at once, so that the field shows unobstructed.
    std::function<void()> repaintNow;
    /// Re-renders every element image with the given contour colour and shows it.
    std::function<void(ColourRef)> renderContour;
};

/// The settings dialog "Настройки": the play group of the settings (3D contour, assembly, the
/// timer display, mouse, wheel and keyboard scrolling) on a copy of its own. Numbers are typed
/// freely and checked when read: at OK and at a click on either enabling check box, the check
/// boxes and then the edits are read in order, and the first edit that holds no integer or one
/// outside its range is refused with a message and gets the focus. A contour colour chosen with
/// "&Цвет" is shown on the pieces at once; Cancel puts the colour the dialog opened with back.
///
/// Controls carry object names for tests and scripting: the field names of PlaySettings for
/// the check boxes and edits, <edit>Spin for the spins, <edit>Label for the labels,
/// contourColor for the colour button.
class CParamDlg : public CBaseDialog {
    Q_OBJECT

public:
    /// Opens on the defaults of the play group until SetValues.
    explicit CParamDlg(QWidget* parent, ParamDlgHooks hooks = {});
    ~CParamDlg() override;

    /// The values the dialog opens with; call before running it.
    void SetValues(const PlaySettings& values);
    /// The values as read at OK.
    const PlaySettings& GetValues() const { return values_; }

    void accept() override;
    void reject() override;

private:
    void buildLayout();
    void setHelpTopics();
    void showValues();
    bool readControls();
    void refuse(QLineEdit* edit, const QString& text);
    void enableControls();
    void chooseColour();

    ParamDlgHooks hooks_;
    PlaySettings values_;
    ColourRef openingContour_ = 0;  // the colour on the pieces when the dialog opened
    ColourRef shownContour_ = 0;    // the colour on the pieces now
    std::array<QCheckBox*, 6> boxes_{};
    std::array<QLineEdit*, 5> edits_{};
    std::array<QLabel*, 5> labels_{};
    std::array<QLabel*, 3> units_{};
    QPushButton* colourButton_ = nullptr;
    std::vector<QWidget*> contourControls_;
    std::vector<QWidget*> mouseScrollControls_;
};

}  // namespace tessary
