#pragma once

#include <vector>

namespace tessary::assets {

// The game's sounds as mono samples at kSampleRate (wave_file.h), peaks below full scale.

/// Joining pieces: a short, dry wooden click.
std::vector<float> MakeJoinSound();
/// Capturing the field: a camera shutter, two quick clicks.
std::vector<float> MakeCaptureSound();
/// Turning a piece: a soft swish rising in pitch.
std::vector<float> MakeRotationSound();
/// Completing the picture: a bright arpeggio ending on a held chord, about two seconds.
std::vector<float> MakeFanfare();

}  // namespace tessary::assets
