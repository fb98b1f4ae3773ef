#include "dialogs/info_page_dlg.h"

#include <QPainter>
#include <QPushButton>

#include "dialogs/html_ctrl.h"
#include "dialogs/screen_scale.h"

namespace tessary {
namespace {

constexpr int kMargin = 7;
constexpr int kGap = 10;
constexpr int kLineHeight = 2;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

}  // namespace

CInfoPageDlg::CInfoPageDlg(const InfoPage& page, QWidget* parent)
    : CBaseDialog(page.caption, parent),
      view_(new CHtmlCtrl(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
    view_->setContextMenuHidden(true);
    view_->setFrameStyle(page.isFramed ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    view_->document()->setDocumentMargin(page.margin);
    view_->setSource(page.source);

    const QRect viewRect(ScaleX(kMargin), ScaleY(kMargin), ScaleX(page.size.width()),
                         ScaleY(page.size.height()));
    view_->setGeometry(viewRect);
    separator_ = QRect(viewRect.left(), viewRect.bottom() + 1 + ScaleY(kGap), viewRect.width(),
                       ScaleY(kLineHeight));
    const QSize buttonSize(ScaleX(kButtonWidth), ScaleY(kButtonHeight));
    ok_->setGeometry(QRect(
        QPoint(viewRect.right() + 1 - buttonSize.width(), separator_.bottom() + 1 + ScaleY(kGap)),
        buttonSize));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(viewRect.right() + 1 + ScaleX(kMargin),
                 ok_->geometry().bottom() + 1 + ScaleY(kMargin));
    ok_->setFocus();
}

void CInfoPageDlg::paintEvent(QPaintEvent* event) {
    CBaseDialog::paintEvent(event);
    // Etched: the shadow half above the light half.
    QPainter painter(this);
    const int shadowHeight = separator_.height() / 2;
    painter.fillRect(separator_.adjusted(0, 0, 0, shadowHeight - separator_.height()),
                     palette().color(QPalette::Dark));
    painter.fillRect(separator_.adjusted(0, shadowHeight, 0, 0), palette().color(QPalette::Light));
}

}  // namespace tessary
