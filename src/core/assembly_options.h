#pragma once

#include "game_settings.h"

namespace tessary {

/// The settings the assembly rules read, copied from GameSettings whenever those change.
struct AssemblyOptions {
    bool enable3DElements = true;
    int captureRange = 5;  // pixels
    bool exactAssembling = true;

    /// The options as the settings record holds them.
    static AssemblyOptions From(const GameSettings& settings) {
        return {settings.enable3DElements != 0, settings.captureRange,
                settings.exactAssembling != 0};
    }
};

}  // namespace tessary
