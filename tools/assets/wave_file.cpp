#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <vector>

namespace tessary::assets {
namespace {

void Put(std::vector<char>& out, std::string_view tag) {
    out.insert(out.end(), tag.begin(), tag.end());
}

void Put(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

}  // namespace

bool WriteWave(const std::filesystem::path& path, std::span<const float> samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<char> out;
    Put(out, "RIFF");
    Put(out, 36 + dataBytes, 4);
    Put(out, "WAVEfmt ");
    Put(out, 16, 4);           // format chunk size
    Put(out, 1, 2);            // PCM
    Put(out, 1, 2);            // mono
    Put(out, kSampleRate, 4);  // frames per second
    Put(out, kSampleRate * 2, 4);
    Put(out, 2, 2);   // bytes per frame
    Put(out, 16, 2);  // bits per sample
    Put(out, "data");
    Put(out, dataBytes, 4);
    for (float sample : samples) {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        Put(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)), 2);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file.flush());
}

}  // namespace tessary::assets
