// The sound module: the game's effects played through Qt Multimedia.

#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>

#include <algorithm>
#include <array>

#include "field/window/sound_effects.h"

namespace tessary {
namespace {

constexpr int kLoadingWaitMilliseconds = 3000;
constexpr std::size_t kSlotCount = 4;

class QtSoundEffects : public SoundEffects {
public:
    using SoundEffects::SoundEffects;

    void play(int slot, const QUrl& source) override {
        QSoundEffect*& effect = effects_.at(static_cast<std::size_t>(slot));
        if (effect == nullptr) {
            effect = new QSoundEffect(this);
            effect->setSource(source);
        }
        effect->play();
    }

    bool isLoading() const override {
        return std::any_of(effects_.begin(), effects_.end(), [](const QSoundEffect* effect) {
            return effect != nullptr && effect->status() == QSoundEffect::Loading;
        });
    }

    void finishLoading() override {
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

private:
    std::array<QSoundEffect*, kSlotCount> effects_{};
};

}  // namespace
}  // namespace tessary

extern "C" __attribute__((visibility("default"))) tessary::SoundEffects*
tessary_create_sound_effects(QObject* parent) {
    return new tessary::QtSoundEffects(parent);
}
