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

    /// Plays `sound`; while the sounds are off, does nothing at all (no effect is even made).
    void play(Sound sound);

    /// Turns all four sounds on or off; they are on from the start.
    void setOn(bool isOn) { isOn_ = isOn; }

    /// Whether a sound's file is still being read in the background.
    bool isLoading() const;

    /// Lets every sound still being read finish (at most a few seconds). Called before the
    /// program ends: Qt's sample cache cannot shut down while it is reading a file, and the
    /// process would never exit.
    void finishLoading();

private:
    std::array<QSoundEffect*, 4> effects_{};
    bool isOn_ = true;
};

}  // namespace tessary
