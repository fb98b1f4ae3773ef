#pragma once

#include "picture/colour_ref.h"
#include "picture/picture_buffer.h"

namespace tessary {

/// Recolours the greys of a 24- or 32-bit picture without bit fields: each grey pixel moves
/// in hue and saturation (and in lightness when `shiftLightness`) by the HSL difference
/// from `fromColour` to `toColour`, wrapped or clamped to range; coloured pixels and the
/// fourth byte stay. With fromColour 0x808080 a grey takes the hue and saturation of
/// `toColour`. False for any other picture; equal colours change nothing.
bool TintGreys(PictureBuffer& picture, ColourRef fromColour, ColourRef toColour,
               bool shiftLightness);

/// Flattens a 32-bit picture without bit fields over `colour` by its fourth byte (alpha):
/// alpha 0 gives the colour, otherwise each channel becomes
/// trunc((c x a + k x (255 - a)) / 255 + 0.5). Alpha stays. False for any other picture.
bool CompositeOverColour(PictureBuffer& picture, ColourRef colour);

/// A 24-bit copy of a 16- or 32-bit picture, rows in the same order; channels scaled as
/// PixelReader reads them. Empty for any other picture or when memory runs out.
PictureBuffer ConvertTo24Bit(const PictureBuffer& picture);

}  // namespace tessary
