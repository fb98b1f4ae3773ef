#pragma once

#include <cstdint>

#include "core/bitmap32.h"
#include "core/geometry.h"

namespace tessary {

class Region;
struct Background;

/// A picture that hands out its pixels a run of a row at a time.
class RowPixels {
public:
    virtual ~RowPixels() = default;
    /// Writes pixels [left, right) of row y to `out`; the run lies inside the picture.
    virtual void readRow(int y, int left, int right, std::uint32_t* out) const = 0;
};

/// Copies `source`, its top-left corner placed at `at` in `target`, through `clip` (target
/// coordinates) and, when given, through `extraClip` too. Whatever falls outside either
/// picture is skipped, so regions may reach negative coordinates.
void CopyThroughRegion(Bitmap32& target, const Bitmap32& source, Point at, const Region& clip,
                       const Region* extraClip = nullptr);

/// Writes the pixels of `source`, a picture of `size` whose top-left corner is placed at `at`
/// in `target`, through `clip` and `extraClip` as CopyThroughRegion does.
void WriteThroughRegion(Bitmap32& target, const RowPixels& source, Point at, Point size,
                        const Region& clip, const Region* extraClip = nullptr);

/// Fills `target` through `clip` with the background: the texture tiled from the picture's
/// origin when there is one, else the solid colour. Clipped to the picture.
void FillThroughRegion(Bitmap32& target, const Region& clip, const Background& background);

/// Fills the whole of `target` with the background, as FillThroughRegion does.
void FillWithBackground(Bitmap32& target, const Background& background);

}  // namespace tessary
