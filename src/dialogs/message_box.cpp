#include "dialogs/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace tessary {
namespace {

MessageAnswerer& InstalledAnswerer() {
    static MessageAnswerer answerer;
    return answerer;
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer Show(QWidget* parent, const MessageRequest& request) {
    if (const MessageAnswerer& answerer = InstalledAnswerer()) {
        return answerer(request);
    }
    QMessageBox box(BoxIcon(request.icon), QString::fromUtf8(kMessageCaption), request.text,
                    QMessageBox::NoButton, parent);
    if (!request.isYesNo) {
        box.addButton(QStringLiteral("ОК"), QMessageBox::AcceptRole);
        box.exec();
        return MessageAnswer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace

MessageAnswerer SetMessageAnswerer(MessageAnswerer answerer) {
    MessageAnswerer previous = std::move(InstalledAnswerer());
    InstalledAnswerer() = std::move(answerer);
    return previous;
}

void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    Show(parent, MessageRequest{text, icon, false});
}

bool AskYesNo(QWidget* parent, const QString& text, MessageIcon icon) {
    return Show(parent, MessageRequest{text, icon, true}) == MessageAnswer::Yes;
}

QString FormatMessageText(const char* format, const QStringList& values) {
    const QString text = QString::fromUtf8(format);
    QString result;
    qsizetype next = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool isPlaceholder =
            text[i] == QLatin1Char('%') && i + 1 < text.size() &&
            (text[i + 1] == QLatin1Char('s') || text[i + 1] == QLatin1Char('d'));
        if (isPlaceholder && next < values.size()) {
            result += values[next++];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace tessary
