#include "field/turned_row_source.h"

#include <algorithm>

#include "picture/picture_buffer.h"

namespace tessary {

TurnedRowSource::TurnedRowSource(const PictureBuffer& upright, int rotation)
    : upright_(upright),
      rotation_(rotation & 3),
      uprightWidth_(upright.width()),
      uprightHeight_(upright.height()),
      width_(rotation_ % 2 == 0 ? uprightWidth_ : uprightHeight_),
      height_(rotation_ % 2 == 0 ? uprightHeight_ : uprightWidth_) {}

void TurnedRowSource::read(int x, int y, int count, std::uint32_t* out) const {
    const int W = uprightWidth_, H = uprightHeight_;
    switch (rotation_) {
        case 0:
            upright_.read(x, y, count, out);
            return;
        case 1:  // a row of R90 is a column of P, read top to bottom
            for (int i = 0; i < count; ++i)
                upright_.read(W - 1 - y, x + i, 1, out + i);
            return;
        case 2:  // a row of R180 is a row of P, read right to left
            upright_.read(W - x - count, H - 1 - y, count, out);
            std::reverse(out, out + count);
            return;
        default:  // a row of R270 is a column of P, read bottom to top
            for (int i = 0; i < count; ++i)
                upright_.read(y, H - 1 - x - i, 1, out + i);
            return;
    }
}

}  // namespace tessary
