#pragma once

#include <filesystem>

#include "picture/load_result.h"

namespace tessary {

/// Loads the picture of a new game: the decoder is chosen by the file's extension (a PNG
/// with transparency is flattened over black); an extension that names no type tries the
/// bitmap, the JPEG and the PNG decoder in turn and keeps the first picture. On failure the
/// result reports out of memory if any decoder refused the picture for its size.
LoadResult LoadPictureFile(const std::filesystem::path& path);

}  // namespace tessary
