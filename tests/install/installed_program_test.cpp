// The program as installed into a staging root: it reads its data from the install prefix,
// keeps the player's files in his XDG folders and writes nothing under the prefix.

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "program_fixture.h"
#include "x_session.h"

namespace tessary::testing {
namespace {

using std::chrono::milliseconds;

const QString kRoot = QString::fromUtf8(TESSARY_INSTALL_ROOT);

// Every file and folder under `folder`, with its size and last change.
QStringList Listing(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries << QStringLiteral("%1 %2 %3")
                       .arg(entry.filePath())
                       .arg(entry.size())
                       .arg(entry.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

// Whether the file at `path` appears within five seconds.
bool Appears(const QString& path) {
    for (int waited = 0; waited < 50 && !QFileInfo::exists(path); ++waited)
        Pause(milliseconds(100));
    return QFileInfo::exists(path);
}

// The player's folders, all inside one temporary folder.
struct PlayerHome {
    QTemporaryDir folder;
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QProcessEnvironment environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), path("home"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        return environment;
    }
};

class InstalledProgramTest : public ProgramFixture {
protected:
    InstalledProgramTest()
        : ProgramFixture(kRoot + QStringLiteral("/usr/bin/tessary"), home().environment(),
                         home().path("data/tessary/save")) {}

    static const PlayerHome& home() {
        static const PlayerHome instance;
        return instance;
    }
};

TEST_F(InstalledProgramTest, KeepsThePlayersFilesInHisFoldersAndNothingUnderThePrefix) {
    const QStringList installed = Listing(kRoot);
    ASSERT_FALSE(installed.isEmpty()) << "nothing installed in " << kRoot.toStdString();
    ASSERT_NO_FATAL_FAILURE(startProgram());

    keyToWindow("ctrl+s");
    const QString settings = home().path("config/tessary/settings.cfg");
    EXPECT_TRUE(Appears(settings)) << "no settings file in " << settings.toStdString();

    ASSERT_NO_FATAL_FAILURE(startNewGame());
    const SavedGameContents game = saveGame("installed");
    EXPECT_EQ(game.stored.elements.size(), 6u);
    EXPECT_TRUE(QFileInfo::exists(home().path("data/tessary/save/installed.bmp")));
    ASSERT_NO_FATAL_FAILURE(quitProgram());

    EXPECT_TRUE(QFileInfo(home().path("data/tessary/autosave")).isDir());
    EXPECT_EQ(Listing(kRoot), installed);
}

}  // namespace
}  // namespace tessary::testing
