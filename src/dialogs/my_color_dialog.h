#pragma once

#include <QColorDialog>

#include "picture/colour_ref.h"

namespace tessary {

/// The colour chooser of the background and contour colours: starts with the given colour,
/// offers the process-wide custom colours (CustomColors) and writes the player's edits of them
/// back whether or not the choice is confirmed. Russian texts.
class CMyColorDialog : public QColorDialog {
    Q_OBJECT

public:
    CMyColorDialog(ColourRef initial, QWidget* parent);

    /// Caption shown when the dialog opens; empty keeps the standard one.
    void SetTitle(const QString& title);

    /// Runs the dialog modally; true on OK.
    bool run();

    /// The chosen colour as 0x00BBGGRR.
    ColourRef chosenColour() const;
};

/// The colour as 0x00BBGGRR.
ColourRef ColourRefOf(const QColor& colour);

/// The QColor of a colour reference.
QColor QColorOf(ColourRef colour);

}  // namespace tessary
