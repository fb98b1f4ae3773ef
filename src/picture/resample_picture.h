#pragma once

#include "picture/picture_buffer.h"

namespace tessary {

class ProgressSink;

/// Replaces the picture by a copy of exactly |width| x |height| pixels, rows bottom-up:
/// area averaging along a side that shrinks, bilinear interpolation along one that grows.
/// A 32-bit picture without bit fields stays 32-bit (all four bytes are filtered); any
/// other depth becomes 24-bit, as a palette can't hold the blended colours. At its own size
/// the picture is kept as it is. On failure (a zero side, not enough memory) the old
/// picture stays and the result is false. A large picture takes a while: `progress`, when
/// given, hears of every few rows done.
bool ResamplePicture(PictureBuffer& picture, int width, int height,
                     ProgressSink* progress = nullptr);

}  // namespace tessary
