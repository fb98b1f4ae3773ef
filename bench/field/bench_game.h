#pragma once

#include <cstdint>
#include <memory>

#include "core/element_set.h"
#include "core/game_settings.h"
#include "field/field.h"
#include "field/field_drawing.h"
#include "picture/picture_buffer.h"
#include "quiet_platform.h"

namespace tessary {

/// A game as creation leaves it, at S = 64 with the default settings (3D edge of 3, exact
/// assembling), rotation off: every element rendered from a generated 24-bit picture, alone,
/// scattered over the grid in a shuffled order, the field sized for the grid on a 1920 x 1080
/// screen and drawn.
struct BenchGame {
    BenchGame(int rows, int columns);

    GameSettings settings;
    testing::QuietPlatform platform;
    PictureBuffer picture;
    std::unique_ptr<ElementSet> set;
    std::unique_ptr<Field> field;
    std::unique_ptr<FieldPainter> painter;
};

/// A 24-bit colour with some variety along every row and column, for generated pictures.
std::uint32_t VariedPixel(int x, int y);

/// Peak resident memory of the process in MiB.
double PeakResidentMiB();

/// How far the process's resident memory rose above the level it had when this was made, at its
/// highest (VmHWM less the starting VmRSS), in MiB. The kernel's high-water mark is reset at the
/// start where it allows; where it does not, an earlier higher peak of the same process shows.
class PeakMemoryGrowth {
public:
    PeakMemoryGrowth();
    double MiB() const;

private:
    double startKiB_;
};

}  // namespace tessary
