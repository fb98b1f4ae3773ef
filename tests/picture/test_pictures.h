#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "picture/colour_ref.h"
#include "picture/picture_buffer.h"

namespace tessary::testing {

/// A zeroed picture; paletted depths get the legend colours below as their table.
PictureBuffer MakePicture(int width, int height, int bitsPerPixel, bool isTopDown = false);

/// A 24-bit bottom-up picture whose pixel (x, y from the top) is pixelAt(x, y), given as
/// 0xRRGGBB.
PictureBuffer MakeFilledPicture(int width, int height,
                                const std::function<std::uint32_t(int x, int y)>& pixelAt);

/// Pictures drawn as text, one character per pixel, rows top-down. Legend:
/// '.' black, '#' white, 'r' red, 'g' green, 'b' blue, 'y' yellow, 'c' cyan, 'm' magenta,
/// '-' grey 0x808080; in a paletted picture a character's index is its place in this list.
PictureBuffer PictureFromArt(const std::vector<std::string>& art, int bitsPerPixel = 24,
                             bool isTopDown = false);

/// The picture as text in the same legend ('?' for a colour outside it).
std::vector<std::string> ArtOf(const PictureBuffer& picture);

/// Every pixel's colour, rows top-down.
std::vector<ColourRef> ColoursOf(const PictureBuffer& picture);

/// Writes `colour` into pixel (x, y from the top) of a 24- or 32-bit picture, or the
/// legend index of `colour` into a paletted one.
void SetPixel(PictureBuffer& picture, int x, int y, ColourRef colour);

}  // namespace tessary::testing
