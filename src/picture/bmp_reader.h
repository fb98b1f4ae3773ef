#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "picture/load_result.h"

namespace tessary {

/// Reads a Windows bitmap (uncompressed, bit fields, RLE8 or RLE4; 40-byte or later header)
/// from its bytes. Pixel data that ends early leaves the missing rows zero. The old OS/2
/// header is refused.
LoadResult ReadBmpStream(std::span<const std::uint8_t> bytes);

/// Reads a Windows bitmap file; fails at once for an empty path or an unreadable file.
LoadResult LoadBmpFile(const std::filesystem::path& path);

}  // namespace tessary
