#pragma once

#include <QDialog>

class QDialogButtonBox;

namespace tessary {

/// Base of the program's own dialogs: a modal dialog with the given caption, OK and
/// "Отмена" buttons labelled in Russian, and context help: F1 asks the help handler for the
/// topic of the control under the pointer (or, outside any control with a topic, of
/// helpTopicAt), as a pop-up.
class CBaseDialog : public QDialog {
    Q_OBJECT

public:
    CBaseDialog(const QString& caption, QWidget* parent);

protected:
    /// OK ("ОК") and Cancel ("Отмена") wired to accept() and reject().
    QDialogButtonBox* makeOkCancelButtons();

    /// Topic of a help request at `pos` (dialog coordinates) that is over no control with a
    /// topic; 0 drops the request.
    virtual int helpTopicAt(QPoint pos) const;

    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tessary
