// Writes every picture, cursor and sound of the game into one folder, the same bytes on every
// run: tessary_asset_generator <output folder>. resources/README.md lists what it makes.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "about_logo.h"
#include "completion_picture.h"
#include "cursors.h"
#include "cut_samples.h"
#include "picture/bmp_writer.h"
#include "picture/jpeg_writer.h"
#include "png_file.h"
#include "program_icon.h"
#include "sample_pictures.h"
#include "sounds.h"
#include "textures.h"
#include "wave_file.h"

namespace {

using namespace tessary::assets;
namespace fs = std::filesystem;

// Counts the files that could not be written, naming each.
class Outcome {
public:
    void check(bool isWritten, const fs::path& path) {
        if (!isWritten) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures_;
        }
    }
    bool isSuccess() const { return failures_ == 0; }

private:
    int failures_ = 0;
};

bool WriteJpeg(const fs::path& path, const RgbaImage& image) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(image.width()) *
                   static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgba& p = image.at(x, y);
            auto byte = [](float c) {
                return static_cast<std::uint32_t>(std::lround(c * 255.0f)) & 0xFF;
            };
            pixels.push_back(byte(p.r) << 16 | byte(p.g) << 8 | byte(p.b));
        }
    }
    const tessary::PixelView32 view{pixels.data(), image.width(), image.height(), image.width()};
    tessary::JpegOptions options;
    options.quality = 92;
    options.isOptimized = true;
    return tessary::WriteFieldJpeg(path, options, view, {0, 0, image.width(), image.height()});
}

void WriteTextures(const fs::path& folder, Outcome& outcome) {
    for (const auto& entry : TextureCatalog()) {
        const fs::path path = folder / ("texture_" + std::to_string(entry.bitmapId) + ".bmp");
        outcome.check(tessary::WritePictureBmp(path, MakeTexture(entry.bitmapId)), path);
    }
}

void WritePictures(const fs::path& out, Outcome& outcome) {
    const auto samples = MakeCutSamples();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const fs::path path =
            out / "cut_samples" / ("cut_sample_" + std::to_string(501 + i) + ".png");
        outcome.check(WritePng(path, samples[i], true), path);
    }
    for (const CursorPicture& cursor : MakeCursors()) {
        const fs::path path = out / "cursors" / (std::string(cursor.name) + ".png");
        outcome.check(WritePng(path, cursor.image, true), path);
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const fs::path path = out / "icons" / ("tessary_" + std::to_string(size) + ".png");
        outcome.check(WritePng(path, MakeProgramIcon(size), true), path);
    }
    const fs::path grip = out / "icons" / "size_grip.png";
    outcome.check(WritePng(grip, MakeGripIcon(), true), grip);
    const fs::path completion = out / "completion.png";
    outcome.check(WritePng(completion, MakeCompletionPicture(), true), completion);
    const fs::path logo = out / "about_logo.png";
    outcome.check(WritePng(logo, MakeAboutLogo(), true), logo);
    const fs::path band = out / "about_band.png";
    outcome.check(WritePng(band, MakeAboutBand(), true), band);
}

void WriteSounds(const fs::path& folder, Outcome& outcome) {
    const std::vector<std::pair<const char*, std::vector<float>>> sounds = {
        {"join.wav", MakeJoinSound()},
        {"capture.wav", MakeCaptureSound()},
        {"rotation.wav", MakeRotationSound()},
        {"congratu.wav", MakeFanfare()}};
    for (const auto& [name, samples] : sounds) {
        const fs::path path = folder / name;
        outcome.check(WriteWave(path, samples), path);
    }
}

void WriteSamplePictures(const fs::path& folder, Outcome& outcome) {
    for (const SamplePicture& picture : MakeSamplePictures()) {
        const fs::path path = folder / picture.fileName;
        const bool isPng = path.extension() == ".png";
        outcome.check(isPng ? WritePng(path, picture.image, false) : WriteJpeg(path, picture.image),
                      path);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const fs::path out = argv[1];
    std::error_code error;
    for (const char* folder : {"textures", "cut_samples", "cursors", "icons", "sounds", "pictures"})
        fs::create_directories(out / folder, error);
    Outcome outcome;
    WriteTextures(out / "textures", outcome);
    WritePictures(out, outcome);
    WriteSounds(out / "sounds", outcome);
    WriteSamplePictures(out / "pictures", outcome);
    return outcome.isSuccess() ? 0 : 1;
}
