#pragma once

#include <filesystem>

#include "rgba_image.h"

namespace tessary::assets {

/// Writes the image as an 8-bit PNG, with an alpha channel when `hasAlpha` (otherwise the
/// colours are written as they stand). No time or text chunks, so equal images give equal
/// files. False when the file can't be written.
bool WritePng(const std::filesystem::path& path, const RgbaImage& image, bool hasAlpha);

}  // namespace tessary::assets
