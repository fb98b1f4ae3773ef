#pragma once

#include <QObject>
#include <QUrl>

namespace tessary {

/// The sound effects behind the window's SoundPlayer, in a module of their own: Qt Multimedia
/// and the audio libraries it brings are loaded when the first sound plays, not at start-up.
class SoundEffects : public QObject {
public:
    using QObject::QObject;

    /// Plays the effect in `slot`, made from `source` the first time that slot plays.
    virtual void play(int slot, const QUrl& source) = 0;
    /// Whether an effect's file is still being read in the background.
    virtual bool isLoading() const = 0;
    /// Lets every effect still being read finish (at most a few seconds).
    virtual void finishLoading() = 0;
};

/// The module's one entry point, by this name: makes the effects as a child of `parent`.
using CreateSoundEffects = SoundEffects* (*)(QObject* parent);
inline constexpr char kCreateSoundEffectsName[] = "tessary_create_sound_effects";

/// The module's file name, in ProgramFiles().moduleFolder.
inline constexpr char kSoundModuleName[] = "tessary_sound.so";

}  // namespace tessary
