#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "picture/colour_ref.h"
#include "picture/load_result.h"

namespace tessary {

/// Decodes a PNG picture held in memory to 24 bits (blue, green, red), or to 8 bits with a
/// colour table for grey and palette pictures; rows bottom-up. 16-bit samples are cut to 8,
/// smaller ones widened; transparency is flattened over the file's background colour, or
/// over `background` when it names none; gamma is corrected for a 2.2 screen. `info` reports
/// the file's own channels x bit depth.
LoadResult ReadPngStream(std::span<const std::uint8_t> bytes, ColourRef background);

/// Decodes a PNG file; fails at once for an empty path or an unreadable file.
LoadResult LoadPngFile(const std::filesystem::path& path, ColourRef background);

/// Decodes a PNG picture kept in the program (an illustration of the cut dialog). As
/// ReadPngStream, except that transparency is kept unless `isFlattened`: a picture with
/// alpha then comes out as 32 bits (blue, green, red, alpha). An empty image fails.
LoadResult LoadPngResource(std::span<const std::uint8_t> bytes, bool isFlattened,
                           ColourRef background);

}  // namespace tessary
