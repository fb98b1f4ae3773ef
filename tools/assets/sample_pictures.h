#pragma once

#include <vector>

#include "rgba_image.h"

namespace tessary::assets {

inline constexpr int kSamplePictureWidth = 1024;
inline constexpr int kSamplePictureHeight = 768;

/// A picture to play with, and the file name it is offered under (its extension says the
/// format: ".jpg" or ".png").
struct SamplePicture {
    const char* fileName = "";
    RgbaImage image;
};

/// Four opaque 1024 x 768 pictures with detail everywhere, so that every piece can be told
/// apart: a mountain lake, desert dunes at sunset, northern lights over snow, a kaleidoscope.
std::vector<SamplePicture> MakeSamplePictures();

}  // namespace tessary::assets
