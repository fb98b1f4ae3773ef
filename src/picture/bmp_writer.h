#pragma once

#include <filesystem>
#include <iosfwd>

#include "picture/picture_buffer.h"
#include "picture/pixel_view.h"
#include "picture/progress_sink.h"

namespace tessary {

// Each writer has a stream form and a file form. The file form writes beside the target
// and replaces it only on success, so a failed write leaves an old file as it was.

/// Writes the part `box` of the field picture as a 24-bit Windows bitmap, rows bottom-up,
/// one progress step per row. False when `box` is empty or not inside the field, or a
/// write fails.
bool WriteFieldBmp(std::ostream& out, const PixelView32& field, const CaptureRect& box,
                   ProgressSink* progress = nullptr);
bool WriteFieldBmp(const std::filesystem::path& path, const PixelView32& field,
                   const CaptureRect& box, ProgressSink* progress = nullptr);

/// Writes any picture as a 24-bit Windows bitmap, rows bottom-up, one progress step per
/// row. False for an empty picture or when a write fails.
bool WriteBitmap24(std::ostream& out, const PictureBuffer& picture,
                   ProgressSink* progress = nullptr);
bool WriteBitmap24(const std::filesystem::path& path, const PictureBuffer& picture,
                   ProgressSink* progress = nullptr);

/// Writes a picture in its own depth: the 14-byte file header, the 40-byte info header
/// (positive height, compression none or, for bit fields, 3 followed by the red, green
/// and blue masks), the colour table of 2, 16 or 256 entries for 1, 4 and 8 bits, then the
/// rows bottom row first. False for an empty picture or when a write fails.
bool WritePictureBmp(std::ostream& out, const PictureBuffer& picture);
bool WritePictureBmp(const std::filesystem::path& path, const PictureBuffer& picture);

}  // namespace tessary
