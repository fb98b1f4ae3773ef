#pragma once

#include <filesystem>
#include <iosfwd>

#include "picture/pixel_view.h"
#include "picture/progress_sink.h"

namespace tessary {

/// How a capture is encoded as JPEG; every capture starts from these defaults.
struct JpegOptions {
    int quality = 75;            // 0..100
    int smoothing = 0;           // 0..100
    bool isOptimized = false;    // optimized entropy coding
    bool isProgressive = false;  // the library's simple progressive scan script
};

/// Encodes the part `box` of the field picture as a JPEG image (baseline-compatible
/// quantisation tables at the given quality), one progress step per row. False when `box`
/// is empty or not inside the field, or the encoder or a write fails.
bool WriteFieldJpeg(std::ostream& out, const JpegOptions& options, const PixelView32& field,
                    const CaptureRect& box, ProgressSink* progress = nullptr);

/// As above, into a file that is replaced only on success; a failed write leaves no partial
/// file behind.
bool WriteFieldJpeg(const std::filesystem::path& path, const JpegOptions& options,
                    const PixelView32& field, const CaptureRect& box,
                    ProgressSink* progress = nullptr);

}  // namespace tessary
