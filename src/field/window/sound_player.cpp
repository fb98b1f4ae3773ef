#include "field/window/sound_player.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <algorithm>

#include "core/program_folder.h"

namespace tessary {
namespace {

constexpr int kLoadingWaitMilliseconds = 3000;

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
    const auto index = static_cast<std::size_t>(sound);
    if (sound == Sound::Completion && !QFileInfo::exists(SourceOf(sound).toLocalFile()))
        return;  // the fanfare is an optional file beside the program
    if (effects_[index] == nullptr) {
        effects_[index] = new QSoundEffect(this);
        effects_[index]->setSource(SourceOf(sound));
    }
    effects_[index]->play();
}

bool SoundPlayer::isLoading() const {
    return std::any_of(effects_.begin(), effects_.end(), [](const QSoundEffect* effect) {
        return effect != nullptr && effect->status() == QSoundEffect::Loading;
    });
}

void SoundPlayer::finishLoading() {
    if (!isLoading())
        return;
    QEventLoop loop;
    QTimer::singleShot(kLoadingWaitMilliseconds, &loop, &QEventLoop::quit);
    for (QSoundEffect* effect : effects_) {
        if (effect != nullptr)
            connect(effect, &QSoundEffect::statusChanged, &loop, [this, &loop] {
                if (!isLoading())
                    loop.quit();
            });
    }
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tessary
