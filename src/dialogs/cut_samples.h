#pragma once

#include <QImage>

#include <vector>

class QPalette;

namespace tessary {

/// The seven cut samples (pictures 501..507) made ready for the cut dialog: their greys
/// tinted towards the palette's 3D highlight colour (its shadow colour on a very light
/// face), composited over the face colour. All seven, or none when one cannot be prepared.
std::vector<QImage> PrepareCutSamples(const QPalette& palette);

}  // namespace tessary
