#include "picture/resample_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <new>
#include <vector>

#include "picture/pixel_reader.h"
#include "picture/progress_sink.h"

namespace tessary {

namespace {

// For every target index along one side, the source indices it blends and their weights
// (which add up to 1).
class AxisFilter {
public:
    AxisFilter(int sourceSize, int targetSize) {
        const double scale = static_cast<double>(sourceSize) / targetSize;
        for (int i = 0; i < targetSize; ++i) {
            taps_.push_back(static_cast<int>(weights_.size()));
            first_.push_back(targetSize < sourceSize ? addAreaTaps(i, scale, sourceSize)
                                                     : addLinearTaps(i, scale, sourceSize));
        }
        taps_.push_back(static_cast<int>(weights_.size()));
        for (int i = 0; i < targetSize; ++i) {
            maxCount_ = std::max(maxCount_, count(i));
        }
    }

    int first(int i) const { return first_[static_cast<std::size_t>(i)]; }
    int count(int i) const {
        return taps_[static_cast<std::size_t>(i) + 1] - taps_[static_cast<std::size_t>(i)];
    }
    const float* weights(int i) const {
        return &weights_[static_cast<std::size_t>(taps_[static_cast<std::size_t>(i)])];
    }
    int maxCount() const { return maxCount_; }

private:
    // Target pixel i covers source [i x scale, (i + 1) x scale); each source pixel counts by
    // the part of it that is covered.
    int addAreaTaps(int i, double scale, int sourceSize) {
        const double begin = i * scale;
        const double end = std::min((i + 1) * scale, static_cast<double>(sourceSize));
        const int first = std::min(static_cast<int>(begin), sourceSize - 1);
        const std::size_t start = weights_.size();
        double total = 0;
        for (int j = first; j == first || j < end; ++j) {
            const double covered = std::min(end, j + 1.0) - std::max(begin, static_cast<double>(j));
            weights_.push_back(static_cast<float>(covered));
            total += covered;
        }
        for (std::size_t k = start; k < weights_.size(); ++k) {
            weights_[k] = static_cast<float>(weights_[k] / total);
        }
        return first;
    }

    // The centre of target pixel i falls between two source centres; edges repeat.
    int addLinearTaps(int i, double scale, int sourceSize) {
        const double centre = std::clamp((i + 0.5) * scale - 0.5, 0.0, sourceSize - 1.0);
        const int first = static_cast<int>(centre);
        const double fraction = centre - first;
        weights_.push_back(static_cast<float>(1 - fraction));
        if (fraction > 0) {
            weights_.push_back(static_cast<float>(fraction));
        }
        return first;
    }

    std::vector<int> first_;
    std::vector<int> taps_;  // start of each target index's weights, one more at the end
    std::vector<float> weights_;
    int maxCount_ = 0;
};

// Source rows as bytes of `channels` per pixel (blue, green, red and, for 32 bits, the
// fourth byte), converted on the way when the picture holds other pixels.
class SourceRows {
public:
    SourceRows(const PictureBuffer& picture, int channels)
        : picture_(picture),
          reader_(picture),
          isDirect_(picture.bitsPerPixel() == 8 * channels),
          converted_(isDirect_ ? 0 : 3 * static_cast<std::size_t>(picture.width())) {}

    const std::uint8_t* row(int y) {
        if (isDirect_) {
            return picture_.row(y);
        }
        reader_.readRowBgr(y, converted_.data());
        return converted_.data();
    }

private:
    const PictureBuffer& picture_;
    PixelReader reader_;
    bool isDirect_;
    std::vector<std::uint8_t> converted_;
};

void FilterRow(const std::uint8_t* source, const AxisFilter& filter, int channels, int width,
               float* out) {
    for (int i = 0; i < width; ++i, out += channels) {
        const float* weights = filter.weights(i);
        const std::uint8_t* p = source + static_cast<std::size_t>(filter.first(i)) * channels;
        for (int c = 0; c < channels; ++c) {
            out[c] = 0;
        }
        for (int k = 0; k < filter.count(i); ++k, p += channels) {
            for (int c = 0; c < channels; ++c) {
                out[c] += weights[k] * p[c];
            }
        }
    }
}

// Target rows done between two reports of progress: a report lets the window's events through,
// which costs too much for every row.
constexpr int kRowsPerStep = 128;

PictureBuffer Resample(const PictureBuffer& source, int width, int height, ProgressSink* progress) {
    const bool isFourChannel = source.bitsPerPixel() == 32 && !source.hasBitFields();
    const int channels = isFourChannel ? 4 : 3;
    PictureHeader header;
    header.width = width;
    header.height = height;
    header.bitsPerPixel = static_cast<std::uint16_t>(8 * channels);
    header.xPixelsPerMetre = source.header().xPixelsPerMetre;
    header.yPixelsPerMetre = source.header().yPixelsPerMetre;
    PictureBuffer target = PictureBuffer::Create(header);
    if (target.isEmpty()) {
        return {};
    }
    const AxisFilter across(source.width(), width);
    const AxisFilter down(source.height(), height);
    const std::size_t rowValues = static_cast<std::size_t>(width) * channels;

    // Source rows filtered across, kept in a ring: the rows one target row needs are
    // consecutive and move only forward.
    const auto ringSize = static_cast<std::size_t>(down.maxCount());
    std::vector<float> ring(ringSize * rowValues);
    std::vector<int> ringRow(ringSize, -1);
    std::vector<float> sum(rowValues);
    SourceRows rows(source, channels);
    ProgressScope scope(progress, (height + kRowsPerStep - 1) / kRowsPerStep);
    for (int y = 0; y < height; ++y) {
        if (y % kRowsPerStep == kRowsPerStep - 1) {
            scope.step();
        }
        std::fill(sum.begin(), sum.end(), 0.0f);
        const float* weights = down.weights(y);
        for (int k = 0; k < down.count(y); ++k) {
            const int sourceY = down.first(y) + k;
            const std::size_t slot = static_cast<std::size_t>(sourceY) % ringSize;
            float* filtered = &ring[slot * rowValues];
            if (ringRow[slot] != sourceY) {
                FilterRow(rows.row(sourceY), across, channels, width, filtered);
                ringRow[slot] = sourceY;
            }
            for (std::size_t v = 0; v < rowValues; ++v) {
                sum[v] += weights[k] * filtered[v];
            }
        }
        std::uint8_t* out = target.row(y);
        for (std::size_t v = 0; v < rowValues; ++v) {
            out[v] = static_cast<std::uint8_t>(std::clamp(std::lround(sum[v]), 0L, 255L));
        }
    }
    return target;
}

}  // namespace

bool ResamplePicture(PictureBuffer& picture, int width, int height, ProgressSink* progress) {
    if (width == std::numeric_limits<int>::min() || height == std::numeric_limits<int>::min()) {
        return false;
    }
    width = std::abs(width);
    height = std::abs(height);
    if (picture.isEmpty() || width == 0 || height == 0) {
        return false;
    }
    if (width == picture.width() && height == picture.height()) {
        return true;
    }
    try {
        PictureBuffer resampled = Resample(picture, width, height, progress);
        if (resampled.isEmpty()) {
            return false;
        }
        picture = std::move(resampled);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace tessary
