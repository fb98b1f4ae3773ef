#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace tessary::testing {

/// The real program, run from a folder of its own that lives as long as this object; starting
/// and stopping can repeat, as a player quits and comes back.
class ProgramRun {
public:
    /// The built program, copied with the files it keeps beside itself (sounds, sample
    /// pictures, help) into the folder, so that its settings file and saved games start empty
    /// and stay out of the build tree.
    ProgramRun();
    /// An installed program, run where it lies with `environment`; the folder is its working
    /// directory.
    ProgramRun(const QString& installedProgram, const QProcessEnvironment& environment);
    ~ProgramRun();

    /// The folder the program runs in.
    QString folder() const { return folder_.path(); }
    /// Starts the program with `arguments` and waits for its main window; 0 when it did not
    /// appear.
    unsigned long start(const QStringList& arguments = {});
    /// The running program's process id.
    qint64 pid() const { return process_.processId(); }
    /// Whether the program is still running.
    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    /// Waits up to `milliseconds` for the program to end by itself; true when it did.
    bool waitForExit(int milliseconds);
    /// Sends `signal` to the running program (SIGKILL: as a crash or a power cut would end it)
    /// and waits up to ten seconds for it to end; true when it did.
    bool kill(int signal);
    /// Ends the program if it still runs.
    void stop();

private:
    QTemporaryDir folder_;
    QString program_;
    QProcess process_;
};

}  // namespace tessary::testing
