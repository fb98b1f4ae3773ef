#include "field/window/sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include "core/program_folder.h"

namespace tessary {
namespace {

QUrl SourceOf(Sound sound) {
    switch (sound) {
        case Sound::Join:
            return QUrl(QStringLiteral("qrc:/assets/sounds/join.wav"));
        case Sound::Rotation:
            return QUrl(QStringLiteral("qrc:/assets/sounds/rotation.wav"));
        case Sound::Capture:
            return QUrl(QStringLiteral("qrc:/assets/sounds/capture.wav"));
        case Sound::Completion:
            break;
    }
    return QUrl::fromLocalFile(
        QString::fromStdString(AppendFileName(ProgramFolder(), "congratu.wav")));
}

}  // namespace

void SoundPlayer::play(Sound sound) {
    const auto index = static_cast<std::size_t>(sound);
    if (sound == Sound::Completion && !QFileInfo::exists(SourceOf(sound).toLocalFile()))
        return;  // the fanfare is an optional file beside the program
    if (effects_[index] == nullptr) {
        effects_[index] = new QSoundEffect(this);
        effects_[index]->setSource(SourceOf(sound));
    }
    effects_[index]->play();
}

}  // namespace tessary
