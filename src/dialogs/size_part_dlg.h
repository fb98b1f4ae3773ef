#pragma once

#include <QImage>

#include <vector>

#include "core/cutting_plan.h"
#include "dialogs/base_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tessary {

class CExComboBox;
class SampleView;

/// The sample picture (0..6) that shows the kind of cut the options produce.
int CutSampleIndex(const CutOptions& options);

/// The cut dialog "Разрезка картинки": target picture size (keeping the ratio if asked),
/// element size from ElementSizeChoices, the four cut options, and the resulting grid and
/// picture size, recomputed through PlanEditor on every edit. On OK the window applies
/// planEditor() with cutOptions() (PlanEditor::apply).
///
/// Controls carry object names for tests and scripting: width, height, keepRatio,
/// elementSize, rotateElements, mosaic, enableOffset, squareBase, columns, rows,
/// resultWidth, resultHeight.
class CSizePartDlg : public CBaseDialog {
    Q_OBJECT

public:
    /// Opens on the plan's picture size and element size (0 taken as 64) with `options`.
    CSizePartDlg(const CuttingPlan& plan, const CutOptions& options, QWidget* parent);
    ~CSizePartDlg() override;

    /// The edited plan; accepted (refusal() none) once the dialog closed with OK.
    const PlanEditor& planEditor() const { return editor_; }
    /// The four cut options as the boxes show them.
    CutOptions cutOptions() const;
    /// Which of the seven samples is shown.
    int previewIndex() const { return previewIndex_; }
    /// The prepared sample shown now; null when the samples could not be prepared.
    const QImage* currentSample() const;

    void accept() override;

private:
    void buildLayout();
    void setHelpTopics();
    void prepareSamples();
    void widthEdited(const QString& text);
    void heightEdited(const QString& text);
    void sizeChosen(int index);
    void columnsEdited(const QString& text);
    void rowsEdited(const QString& text);
    void optionsClicked();
    /// Whether every number field holds a number; the first empty one is refused with the
    /// integer message and gets the focus.
    bool fieldsHoldNumbers();
    void showGrid();
    void showResult();

    PlanEditor editor_;
    QLineEdit* widthEdit_ = nullptr;
    QLineEdit* heightEdit_ = nullptr;
    QCheckBox* keepRatioBox_ = nullptr;
    CExComboBox* sizeList_ = nullptr;
    QCheckBox* rotateBox_ = nullptr;
    QCheckBox* mosaicBox_ = nullptr;
    QCheckBox* offsetBox_ = nullptr;
    QCheckBox* squareBox_ = nullptr;
    QLineEdit* columnsEdit_ = nullptr;
    QLineEdit* rowsEdit_ = nullptr;
    QLabel* resultWidth_ = nullptr;
    QLabel* resultHeight_ = nullptr;
    QLabel* widthLabel_ = nullptr;
    QLabel* heightLabel_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QLabel* pixelsLabel_ = nullptr;
    QLabel* columnsLabel_ = nullptr;
    QLabel* rowsLabel_ = nullptr;
    SampleView* sampleView_ = nullptr;
    std::vector<QImage> samples_;  // seven, or none when one could not be prepared
    int previewIndex_ = 0;
};

}  // namespace tessary
