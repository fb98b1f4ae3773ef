#pragma once

#include "dialogs/base_dialog.h"
#include "picture/jpeg_writer.h"

class QCheckBox;
class QLineEdit;
class QSlider;

namespace tessary {

/// The JPEG options dialog "Параметры JPEG": quality and smoothing, each an edit box with a
/// slider (0..100, ticks every 10), and the boxes "&Оптимизировать" (optimized entropy
/// coding) and "&Прогрессивный" (progressive scans). Moving a slider writes its position into
/// its box; typing a number into a box moves the slider. OK accepts only numbers from 0 to 100.
///
/// Controls carry object names for tests: quality, qualitySlider, smoothing, smoothingSlider,
/// optimized, progressive.
class CSaveOptionDlg : public CBaseDialog {
    Q_OBJECT

public:
    CSaveOptionDlg(const JpegOptions& options, QWidget* parent);

    /// The options shown at opening, or those accepted by OK.
    const JpegOptions& options() const { return options_; }

    void accept() override;

protected:
    std::optional<HelpTopic> helpTopicAt(QPoint pos) const override;

private:
    void buildLayout();

    JpegOptions options_;
    QLineEdit* qualityEdit_ = nullptr;
    QSlider* qualitySlider_ = nullptr;
    QLineEdit* smoothingEdit_ = nullptr;
    QSlider* smoothingSlider_ = nullptr;
    QCheckBox* optimizedBox_ = nullptr;
    QCheckBox* progressiveBox_ = nullptr;
};

}  // namespace tessary
