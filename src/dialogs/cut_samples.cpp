#include "dialogs/cut_samples.h"

#include <QFile>
#include <QPalette>

#include <cstdint>
#include <span>

#include "dialogs/my_color_dialog.h"
#include "dialogs/picture_image.h"
#include "picture/colour_model.h"
#include "picture/colour_transforms.h"
#include "picture/png_reader.h"

namespace tessary {
namespace {

constexpr int kFirstSampleId = 501;
constexpr int kSampleCount = 7;
constexpr ColourRef kReferenceGrey = 0x808080;
constexpr int kLightFaceLightness = 240;

QImage PrepareSample(int id, ColourRef tint, ColourRef face) {
    QFile file(QStringLiteral(":/cut_samples/cut_sample_%1.png").arg(id));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             static_cast<std::size_t>(bytes.size()));
    LoadResult sample = LoadPngResource(data, false, face);
    if (!sample.isLoaded() || !TintGreys(sample.picture, kReferenceGrey, tint, true) ||
        !CompositeOverColour(sample.picture, face)) {
        return {};
    }
    return ImageOfPicture(ConvertTo24Bit(sample.picture));
}

}  // namespace

std::vector<QImage> PrepareCutSamples(const QPalette& palette) {
    const ColourRef face = ColourRefOf(palette.color(QPalette::Window));
    const ColourRef tint = Lightness(face) < kLightFaceLightness
                               ? ColourRefOf(palette.color(QPalette::Light))
                               : ColourRefOf(palette.color(QPalette::Dark));
    std::vector<QImage> samples;
    for (int i = 0; i < kSampleCount; ++i) {
        QImage sample = PrepareSample(kFirstSampleId + i, tint, face);
        if (sample.isNull()) {
            return {};
        }
        samples.push_back(std::move(sample));
    }
    return samples;
}

}  // namespace tessary
