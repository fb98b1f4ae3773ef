#include "sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>

#include "wave_file.h"

namespace tessary::assets {
namespace {

constexpr double kTau = 2.0 * std::numbers::pi;
constexpr double kRate = kSampleRate;

// White noise -1..1 from a fixed xorshift sequence, so every run gives the same sound.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

std::vector<float> Silence(double seconds) {
    return std::vector<float>(static_cast<std::size_t>(seconds * kRate));
}

double Time(std::size_t i) {
    return static_cast<double>(i) / kRate;
}

// Scales the sound so that its loudest sample is `peak`.
void Normalise(std::vector<float>& samples, float peak) {
    float loudest = 0;
    for (float s : samples)
        loudest = std::max(loudest, std::fabs(s));
    if (loudest > 0) {
        for (float& s : samples)
            s *= peak / loudest;
    }
}

// A struck body: decaying sine modes plus a burst of noise at the strike.
struct Mode {
    double frequency;
    double amplitude;
    double decay;  // seconds to fall to 1/e
};

void AddStrike(std::vector<float>& out, double start, double gain, std::span<const Mode> modes,
               double noiseDecay, std::uint32_t seed) {
    Noise noise(seed);
    double previous = 0;
    for (auto i = static_cast<std::size_t>(start * kRate); i < out.size(); ++i) {
        const double t = Time(i) - start;
        const double attack = std::min(1.0, t / 0.0005);
        double v = 0;
        for (const Mode& m : modes)
            v += m.amplitude * std::exp(-t / m.decay) * std::sin(kTau * m.frequency * t);
        // First difference of white noise: a bright tick without rumble.
        const double n = noise.next();
        v += 0.5 * (n - previous) * std::exp(-t / noiseDecay);
        previous = n;
        out[i] += static_cast<float>(gain * attack * v);
    }
}

// A trumpet-like note: harmonics falling off with their number, an envelope with a quick
// attack and release, and a gentle vibrato on long notes.
void AddNote(std::vector<float>& out, double start, double length, double frequency, double gain) {
    double phase = 0;
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto last =
        std::min(out.size(), static_cast<std::size_t>((start + length + 0.1) * kRate));
    for (std::size_t i = first; i < last; ++i) {
        const double t = Time(i) - start;
        const double vibrato = t > 0.25 ? 1.0 + 0.004 * std::sin(kTau * 5.5 * t) : 1.0;
        phase += kTau * frequency * vibrato / kRate;
        double v = 0;
        for (int h = 1; h <= 8; ++h)
            v += std::sin(phase * h) / (h * h * 0.6 + 0.4);
        const double attack = std::min(1.0, t / 0.015);
        const double body = 0.7 + 0.3 * std::exp(-t / 0.08);
        const double release = t > length ? std::max(0.0, 1.0 - (t - length) / 0.1) : 1.0;
        out[i] += static_cast<float>(gain * attack * body * release * v);
    }
}

}  // namespace

std::vector<float> MakeJoinSound() {
    std::vector<float> out = Silence(0.14);
    const std::array<Mode, 4> wood = {
        {{620, 1.0, 0.03}, {1480, 0.6, 0.018}, {2650, 0.35, 0.01}, {3900, 0.2, 0.006}}};
    AddStrike(out, 0.0, 1.0, wood, 0.002, 0x2545F491u);
    Normalise(out, 0.7f);
    return out;
}

std::vector<float> MakeCaptureSound() {
    std::vector<float> out = Silence(0.22);
    const std::array<Mode, 2> blade = {{{2300, 0.5, 0.008}, {5200, 0.3, 0.004}}};
    AddStrike(out, 0.0, 1.0, blade, 0.006, 0x9E3779B9u);
    AddStrike(out, 0.085, 0.7, blade, 0.008, 0x7F4A7C15u);
    // The mechanism running between the two clicks.
    Noise noise(0x1234567u);
    double low = 0;
    for (auto i = static_cast<std::size_t>(0.004 * kRate);
         i < static_cast<std::size_t>(0.085 * kRate); ++i) {
        low += 0.15 * (noise.next() - low);
        out[i] += static_cast<float>(0.25 * low * (1.0 + std::sin(kTau * 120 * Time(i))));
    }
    Normalise(out, 0.7f);
    return out;
}

std::vector<float> MakeRotationSound() {
    constexpr double kLength = 0.28;
    std::vector<float> out = Silence(kLength);
    Noise noise(0xC0FFEEu);
    // A state-variable band-pass filter whose centre glides from 500 Hz to 2500 Hz.
    double low = 0;
    double band = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i) / kLength;
        const double centre = 500.0 * std::pow(5.0, t);
        const double f = 2.0 * std::sin(std::numbers::pi * centre / kRate);
        const double high = noise.next() - low - 0.6 * band;
        band += f * high;
        low += f * band;
        const double envelope = std::pow(std::sin(std::numbers::pi * t), 2.0);
        out[i] = static_cast<float>(band * envelope);
    }
    Normalise(out, 0.35f);
    return out;
}

std::vector<float> MakeFanfare() {
    std::vector<float> out = Silence(2.2);
    constexpr double C5 = 523.25, E5 = 659.26, G5 = 783.99, G4 = 392.0, C6 = 1046.5;
    struct Note {
        double start, length, frequency, gain;
    };
    const std::array<Note, 10> notes = {{{0.00, 0.14, G4, 1.0},
                                         {0.15, 0.14, C5, 1.0},
                                         {0.30, 0.14, E5, 1.0},
                                         {0.45, 0.26, G5, 1.0},
                                         {0.74, 0.12, E5, 0.9},
                                         {0.88, 0.12, G5, 0.9},
                                         {1.02, 1.05, C6, 1.0},
                                         {1.02, 1.05, G5, 0.55},
                                         {1.02, 1.05, E5, 0.5},
                                         {1.02, 1.05, C5, 0.5}}};
    for (const Note& n : notes)
        AddNote(out, n.start, n.length, n.frequency, n.gain);
    Normalise(out, 0.8f);
    return out;
}

}  // namespace tessary::assets
