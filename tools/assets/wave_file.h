#pragma once

#include <filesystem>
#include <span>

namespace tessary::assets {

inline constexpr int kSampleRate = 44100;

/// Writes mono samples (-1..1, clipped) as a 16-bit PCM WAVE file at kSampleRate. False when
/// the file can't be written.
bool WriteWave(const std::filesystem::path& path, std::span<const float> samples);

}  // namespace tessary::assets
