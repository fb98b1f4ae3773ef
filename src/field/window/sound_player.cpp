#include "field/window/sound_player.h"

#include <QFileInfo>
#include <QLibrary>

#include "core/program_folder.h"
#include "field/window/sound_effects.h"

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
    return QUrl::fromLocalFile(QString::fromStdString(DataFilePath("congratu.wav")));
}

}  // namespace

void SoundPlayer::play(Sound sound) {
    if (!isOn_)
        return;
    if (sound == Sound::Completion && !QFileInfo::exists(SourceOf(sound).toLocalFile()))
        return;  // the fanfare is an optional file beside the program
    if (effects_ == nullptr && !isModuleMissing_)
        loadModule();
    if (effects_ != nullptr)
        effects_->play(static_cast<int>(sound), SourceOf(sound));
}

bool SoundPlayer::isLoading() const {
    return effects_ != nullptr && effects_->isLoading();
}

void SoundPlayer::finishLoading() {
    if (effects_ != nullptr)
        effects_->finishLoading();
}

void SoundPlayer::loadModule() {
    // The module stays loaded to the end of the process: the effects live in its code.
    QLibrary module(
        QString::fromStdString(AppendFileName(ProgramFiles().moduleFolder, kSoundModuleName)));
    const auto create =
        reinterpret_cast<CreateSoundEffects>(module.resolve(kCreateSoundEffectsName));
    isModuleMissing_ = create == nullptr;
    if (create != nullptr)
        effects_ = create(this);
}

}  // namespace tessary
