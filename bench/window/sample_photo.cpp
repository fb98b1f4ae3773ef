#include "sample_photo.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <random>

namespace tessary::bench {

bool WriteSamplePhoto(const std::string& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(20240615);
    std::normal_distribution<double> grain(0.0, 6.0);
    const double horizon = 0.55 * height;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width;
            const double v = static_cast<double>(y) / height;
            // Hills under a sky, a sun, and ripples that give the JPEG coder detail to keep.
            const double hill = horizon + 0.08 * height * std::sin(7.0 * u) +
                                0.03 * height * std::sin(23.0 * u + 1.0);
            double r = 0;
            double g = 0;
            double b = 0;
            if (y < hill) {
                r = 90 + 110 * v;
                g = 140 + 80 * v;
                b = 230 - 40 * v;
            } else {
                const double ripple = 20 * std::sin(0.07 * x + 0.11 * y) * std::sin(0.05 * y);
                r = 60 + 70 * u + ripple;
                g = 120 + 60 * (1 - v) + ripple;
                b = 40 + 30 * u;
            }
            const double sun = std::hypot(x - 0.75 * width, y - 0.2 * height) / (0.08 * width);
            if (sun < 1.0) {
                const double glow = 1.0 - sun * sun;
                r += (255 - r) * glow;
                g += (230 - g) * glow;
                b += (120 - b) * glow;
            }
            const double noise = grain(random);
            const auto channel = [noise](double c) {
                return static_cast<int>(std::clamp(c + noise, 0.0, 255.0));
            };
            row[x] = qRgb(channel(r), channel(g), channel(b));
        }
    }
    return image.save(QString::fromStdString(path), "JPG", 90);
}

}  // namespace tessary::bench
