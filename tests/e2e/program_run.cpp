#include "program_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>

#include "x_session.h"

namespace tessary::testing {
namespace {

// Copies `from` (a file or a folder tree) to `to`.
bool CopyTree(const QString& from, const QString& to) {
    const QFileInfo source(from);
    if (!source.isDir())
        return QFile::copy(from, to);
    if (!QDir().mkpath(to))
        return false;
    const QDir folder(from);
    for (const QString& name : folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (!CopyTree(folder.filePath(name), QDir(to).filePath(name)))
            return false;
    return true;
}

}  // namespace

ProgramRun::ProgramRun() {
    const QFileInfo program(QString::fromUtf8(TESSARY_PROGRAM));
    const QDir from = program.dir();
    for (const QString& name :
         {program.fileName(), QStringLiteral("tessary_sound.so"), QStringLiteral("congratu.wav"),
          QStringLiteral("pictures"), QStringLiteral("help")})
        EXPECT_TRUE(CopyTree(from.filePath(name), QDir(folder()).filePath(name)))
            << name.toStdString();
    program_ = QDir(folder()).filePath(program.fileName());
}

ProgramRun::ProgramRun(const QString& installedProgram, const QProcessEnvironment& environment)
    : program_(installedProgram) {
    process_.setProcessEnvironment(environment);
}

ProgramRun::~ProgramRun() {
    stop();
}

unsigned long ProgramRun::start(const QStringList& arguments) {
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.setWorkingDirectory(folder());
    process_.start(program_, arguments);
    if (!process_.waitForStarted())
        return 0;
    return XSession::waitForWindow(QStringLiteral("Tessary from Kelvandor"));
}

bool ProgramRun::waitForExit(int milliseconds) {
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(milliseconds);
}

bool ProgramRun::kill(int signal) {
    if (process_.state() == QProcess::NotRunning || ::kill(pid(), signal) != 0)
        return false;
    return process_.waitForFinished(10000);
}

void ProgramRun::stop() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.kill();
    process_.waitForFinished();
}

}  // namespace tessary::testing
