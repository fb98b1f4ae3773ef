#include "program_fixture.h"

#include <QDir>
#include <QFile>

#include <cstdint>
#include <span>

#include "piece_locator.h"
#include "x_session.h"

namespace tessary::testing {

using std::chrono::milliseconds;

namespace {

// Places in the main window, from its client origin, in the menu layout of the default font.
constexpr QPoint kGameMenuTitle(20, 10);
constexpr QPoint kCreateGameItem(60, 77);  // "Создать игру", the third item of "Игра"

}  // namespace

ProgramFixture::ProgramFixture()
    : savedGamesFolder(QDir(program.folder()).filePath(QStringLiteral("save"))) {
    writePicture();
}

ProgramFixture::ProgramFixture(const QString& installedProgram,
                               const QProcessEnvironment& environment, const QString& saves)
    : program(installedProgram, environment), savedGamesFolder(saves) {
    writePicture();
}

void ProgramFixture::writePicture() {
    picture = QDir(program.folder()).filePath(QStringLiteral("coded.bmp"));
    EXPECT_TRUE(CodedPicture::make().save(picture, "BMP"));
}

void ProgramFixture::startProgram(const QStringList& arguments) {
    window = program.start(arguments);
    ASSERT_NE(window, 0u) << "the main window did not appear";
    origin = XSession::windowOrigin(window);
}

void ProgramFixture::startNewGame() {
    openGameMenu();
    pointAtSubmenu(kCreateGameItem);
    XSession::key("Down");  // the submenu's first item, "Новая игра"
    XSession::key("Return");
    ASSERT_NO_FATAL_FAILURE(answerDialog(QString::fromUtf8("Загрузить картинку"), picture));
    ASSERT_NO_FATAL_FAILURE(answerDialog(QString::fromUtf8("Разрезка картинки"), QString()));
    Pause(milliseconds(1000));
}

void ProgramFixture::pointAtSubmenu(QPoint item) {
    // Two moves: an open menu takes the first move after it appeared for a jitter.
    XSession::moveTo(origin + item - QPoint(10, 5));
    Pause(milliseconds(100));
    XSession::moveTo(origin + item);
    Pause(milliseconds(700));
}

void ProgramFixture::keyToWindow(const QString& keys) {
    XSession::focus(window);
    XSession::key(keys);
}

void ProgramFixture::answerDialog(const QString& title, const QString& text) {
    const unsigned long dialog = XSession::waitForWindow(title);
    ASSERT_NE(dialog, 0u) << "no dialog " << title.toStdString();
    XSession::focus(dialog);
    if (!text.isEmpty())
        XSession::type(text);
    XSession::key("Return");
}

void ProgramFixture::openGameMenu() {
    XSession::click(origin + kGameMenuTitle);
    Pause(milliseconds(300));
}

void ProgramFixture::quitProgram() {
    openGameMenu();
    XSession::key("Up");  // from no item to the last one, "Выход"
    XSession::key("Return");
    Pause(milliseconds(500));
    XSession::key("Return");  // "Выйти из игры?": yes
    ASSERT_TRUE(program.waitForExit(10000)) << "the program did not end";
}

SavedGameContents ProgramFixture::saveGame(const char* name) {
    keyToWindow("F2");
    answerDialog(QString::fromUtf8("Сохранить игру"), QString::fromUtf8(name));
    Pause(milliseconds(1500));
    QFile file(QDir(savedGamesFolder).filePath(QStringLiteral("%1.tsy").arg(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "no saved game " << name;
    const QByteArray bytes = file.readAll();
    const SavedGameReadResult read = ReadSavedGame(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
    EXPECT_TRUE(read.isRead()) << "the saved game " << name << " does not read back";
    return read.game;
}

void ProgramFixture::keep(const QImage& shot, const char* name) {
    const QString path = QDir::current().filePath(QString::fromUtf8(name));
    EXPECT_TRUE(shot.save(path, "PNG")) << path.toStdString();
}

}  // namespace tessary::testing
