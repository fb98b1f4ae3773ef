#pragma once

#include <QElapsedTimer>
#include <QString>

#include "picture/progress_sink.h"

class QDialog;
class QLabel;
class QProgressBar;
class QWidget;

namespace tessary {

/// The progress of a long task on the main thread. While the task runs the owner is disabled
/// and every step lets pending events through, so the program stays responsive; the window
/// itself ("Завершено %d%") appears only once the task has run for 200 ms.
class ProgressWindow : public ProgressSink {
public:
    explicit ProgressWindow(QWidget* owner) : owner_(owner) {}
    ~ProgressWindow() override;

    /// Caption of the next task; "Секундочку..." when empty.
    void setCaption(const QString& caption) { caption_ = caption; }

    void begin(int range) override;
    void step() override;
    void end() override;

    /// Whether the window is up (the task has run for more than 200 ms).
    bool isShown() const { return dialog_ != nullptr; }
    /// The text the window shows ("Завершено 40%").
    QString text() const;

    /// The task's age at which the window appears.
    static constexpr int kShowAfterMilliseconds = 200;

private:
    void show();

    QWidget* owner_;
    QString caption_;
    QElapsedTimer started_;
    int range_ = 100;
    int position_ = 0;
    bool isOwnerDisabled_ = false;
    QDialog* dialog_ = nullptr;  // owned; up from 200 ms into the task until its end
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

}  // namespace tessary
