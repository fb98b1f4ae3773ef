#pragma once

#include <QDialog>

#include <optional>

#include "dialogs/help_topics.h"

class QDialogButtonBox;

namespace tessary {

/// Base of the program's own dialogs: a modal dialog with the given caption, OK and
/// "Отмена" buttons labelled in Russian ("Отмена" rightmost on every desktop), and context
/// help: F1 asks the help handler for the topic of the control under the pointer (or, outside
/// any control with a topic, of helpTopicAt), as a pop-up.
class CBaseDialog : public QDialog {
    Q_OBJECT

public:
    CBaseDialog(const QString& caption, QWidget* parent);

protected:
    /// OK ("ОК") and Cancel ("Отмена"), in that order, wired to accept() and reject().
    QDialogButtonBox* makeOkCancelButtons();

    /// Topic of a help request at `pos` (dialog coordinates) that is over no control with a
    /// topic; none drops the request.
    virtual std::optional<HelpTopic> helpTopicAt(QPoint pos) const;

    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tessary
