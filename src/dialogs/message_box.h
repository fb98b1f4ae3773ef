#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class QWidget;

namespace tessary {

/// Caption of every message box of the program.
inline constexpr char kMessageCaption[] = "Tessary from Kelvandor 1.9.05";

/// The icon a message box shows.
enum class MessageIcon { None, Question, Error, Exclamation, Information };

/// The button that closed a message box.
enum class MessageAnswer { Ok, Yes, No };

/// What a message box is about to ask; handed to an installed answerer.
struct MessageRequest {
    QString text;
    MessageIcon icon = MessageIcon::None;
    bool isYesNo = false;  // true: buttons "Да" and "Нет"; false: one button "ОК"
};

/// Answers message boxes instead of the player (UI tests). Empty: boxes are shown.
using MessageAnswerer = std::function<MessageAnswer(const MessageRequest&)>;

/// Installs `answerer` for every following box and returns the one it replaces.
MessageAnswerer SetMessageAnswerer(MessageAnswerer answerer);

/// Shows a modal box with one "ОК" button.
void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon);

/// Asks a Yes/No question, with the question icon unless another is given; true only when the
/// answer is "Да".
bool AskYesNo(QWidget* parent, const QString& text, MessageIcon icon = MessageIcon::Question);

/// `format`, one of the program's message texts (UTF-8), with its "%s" and "%d" replaced by
/// `values` in order.
QString FormatMessageText(const char* format, const QStringList& values);

/// Installs an answerer for its own lifetime and puts the previous one back at its end.
class ScopedMessageAnswerer {
public:
    explicit ScopedMessageAnswerer(MessageAnswerer answerer)
        : previous_(SetMessageAnswerer(std::move(answerer))) {}
    ~ScopedMessageAnswerer() { SetMessageAnswerer(std::move(previous_)); }
    ScopedMessageAnswerer(const ScopedMessageAnswerer&) = delete;
    ScopedMessageAnswerer& operator=(const ScopedMessageAnswerer&) = delete;

private:
    MessageAnswerer previous_;
};

}  // namespace tessary
