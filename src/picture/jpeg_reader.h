#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "picture/load_result.h"

namespace tessary {

/// The box a preview is shown in.
struct PreviewSize {
    int width = 0;
    int height = 0;
};

/// The reduction (1, 2, 4 or 8) that decodes a picture fast for a preview of this size:
/// r = the larger of image width / min(preview width, image width) and the same for the
/// heights; 1 below 2, 2 below 4, 4 below 8, else 8. 1 unless both preview sides are
/// positive.
int JpegPreviewReduction(int imageWidth, int imageHeight, PreviewSize preview);

/// Decodes a JPEG picture (greyscale, RGB or CMYK) held in memory: greyscale gives 8 bits
/// with a grey colour table, colour 24 bits, rows bottom-up. With a preview size the
/// decoding is fast and reduced by JpegPreviewReduction; `info` still gives the stored size.
/// A stream that ends early decodes as far as it goes.
LoadResult ReadJpegStream(std::span<const std::uint8_t> bytes,
                          std::optional<PreviewSize> previewSize = std::nullopt);

/// Decodes a JPEG file; fails at once for an empty path or an unreadable file.
LoadResult LoadJpegFile(const std::filesystem::path& path,
                        std::optional<PreviewSize> previewSize = std::nullopt);

}  // namespace tessary
