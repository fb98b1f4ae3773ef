// A picture named on the command line, as a file manager's "Open with" starts the game.

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include "piece_locator.h"
#include "program_fixture.h"
#include "x_session.h"

namespace tessary::testing {
namespace {

using std::chrono::milliseconds;

using OpenPictureTest = ProgramFixture;

TEST_F(OpenPictureTest, APictureOnTheCommandLineIsCutAndPlayed) {
    const QString jpeg = QDir(program.folder()).filePath(QStringLiteral("picture.jpg"));
    ASSERT_TRUE(CodedPicture::make().save(jpeg, "JPEG", 95));
    // Named relative to the working directory, the program's folder.
    ASSERT_NO_FATAL_FAILURE(startProgram({QStringLiteral("picture.jpg")}));
    // The cut dialog comes up by itself; its proposal for 192 x 128 is 3 x 2 pieces of 64.
    ASSERT_NO_FATAL_FAILURE(answerDialog(QString::fromUtf8("Разрезка картинки"), QString()));
    Pause(milliseconds(1000));

    const SavedGameContents game = saveGame("opened");
    EXPECT_EQ(game.header.columns, 3);
    EXPECT_EQ(game.header.rows, 2);
    EXPECT_EQ(game.header.elementSize, 64);
    EXPECT_EQ(game.stored.elements.size(), 6u);
    const QImage picture(QDir(savedGamesFolder).filePath(QStringLiteral("opened.bmp")));
    EXPECT_EQ(picture.size(), QSize(192, 128));
    ASSERT_NO_FATAL_FAILURE(quitProgram());
}

}  // namespace
}  // namespace tessary::testing
