#include "field/picture_row_source.h"

#include <cstring>

#include "field/field.h"
#include "picture/picture_buffer.h"

namespace tessary {

PictureRowSource::PictureRowSource(const PictureBuffer& picture)
    : picture_(picture), reader_(picture) {}

void PictureRowSource::read(int x, int y, int count, std::uint32_t* out) const {
    const std::uint8_t* row = picture_.row(y);
    const int depth = picture_.bitsPerPixel();
    if (depth == 24) {
        if (count <= 0)
            return;
        // Four bytes at a time, the fourth masked off; the last pixel alone, as it may end
        // the picture's memory.
        const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
        for (int i = 0; i < count - 1; ++i, p += 3) {
            std::uint32_t bgrx;
            std::memcpy(&bgrx, p, sizeof bgrx);
            out[i] = bgrx & 0xFFFFFF;
        }
        out[count - 1] = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16;
        return;
    }
    if (depth == 32 && !picture_.hasBitFields()) {
        std::memcpy(out, row + 4 * static_cast<std::size_t>(x),
                    static_cast<std::size_t>(count) * sizeof(std::uint32_t));
        for (int i = 0; i < count; ++i)
            out[i] &= 0xFFFFFF;
        return;
    }
    for (int i = 0; i < count; ++i)
        out[i] = PixelOfColourRef(reader_.colourAt(x + i, y));
}

}  // namespace tessary
