#pragma once

#include <QObject>
#include <QString>

#include <array>

#include "field/platform.h"

class QSoundEffect;

namespace tessary {

/// Plays the game's sounds asynchronously: join, rotation and capture from the built-in
/// assets, completion from "congratu.wav" in the program's folder. Each effect is made when
/// it is first played; without an audio device nothing is heard and nothing is reported.
class SoundPlayer : public QObject {
public:
    explicit SoundPlayer(QObject* parent) : QObject(parent) {}

    void play(Sound sound);

    /// Whether a sound's file is still being read in the background.
    bool isLoading() const;

    /// Lets every sound still being read finish (at most a few seconds). Called before the
    /// program ends: Qt's sample cache cannot shut down while it is reading a file, and the
    /// process would never exit.
    void finishLoading();

private:
    std::array<QSoundEffect*, 4> effects_{};
};

}  // namespace tessary
