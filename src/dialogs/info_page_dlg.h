#pragma once

#include <QSize>
#include <QUrl>

#include "dialogs/base_dialog.h"

class QPushButton;

namespace tessary {

class CHtmlCtrl;

/// What an information window shows: its caption, its page among the program's resources, the
/// page's size in pixels at 96 per inch, whether the view has a sunken frame, and the blank
/// margin between the view's edges and the page (0: the page runs to the edges).
struct InfoPage {
    QString caption;
    QUrl source;
    QSize size;
    bool isFramed = false;
    int margin = 0;
};

/// A modal window showing one page of the program in a CHtmlCtrl without a context menu, an
/// etched line below it and an "OK" button below the line at the right. The window has the
/// fixed size its controls need: 7 around the view and below the button, 10 between view,
/// line and button (lengths at 96 pixels per inch, scaled to the display).
class CInfoPageDlg : public CBaseDialog {
    Q_OBJECT

public:
    CInfoPageDlg(const InfoPage& page, QWidget* parent);

    CHtmlCtrl& htmlCtrl() { return *view_; }
    QPushButton& okButton() { return *ok_; }
    /// The etched line, in window coordinates.
    QRect separatorRect() const { return separator_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CHtmlCtrl* view_ = nullptr;
    QPushButton* ok_ = nullptr;
    QRect separator_;
};

}  // namespace tessary
