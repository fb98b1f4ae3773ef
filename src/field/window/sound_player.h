#pragma once

#include <QObject>
#include <QString>

#include "field/platform.h"

namespace tessary {

class SoundEffects;

/// Plays the game's sounds asynchronously: join, rotation and capture from the built-in
/// assets, completion from "congratu.wav" in the program's data. The sound module is loaded
/// with the first sound, and each effect is made when it is first played; without the module
/// or an audio device nothing is heard and nothing is reported.
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
    void loadModule();

    SoundEffects* effects_ = nullptr;  // a child, made by the sound module
    bool isModuleMissing_ = false;
    bool isOn_ = true;
};

}  // namespace tessary
