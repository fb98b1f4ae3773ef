#include "bmp_fixture.h"

#include <algorithm>

#include "picture/little_endian.h"

namespace tessary::testing {

std::vector<std::uint8_t> BmpFixture::bytes() const {
    std::vector<std::uint8_t> info;
    AppendLe32(info, headerSize);
    if (headerSize == 12) {
        AppendLe16(info, static_cast<std::uint32_t>(width));
        AppendLe16(info, static_cast<std::uint32_t>(height));
        AppendLe16(info, 1);
        AppendLe16(info, bitsPerPixel);
    } else {
        AppendLe32(info, static_cast<std::uint32_t>(width));
        AppendLe32(info, static_cast<std::uint32_t>(height));
        AppendLe16(info, 1);
        AppendLe16(info, bitsPerPixel);
        AppendLe32(info, compression);
        AppendLe32(info, static_cast<std::uint32_t>(pixels.size()));
        AppendLe32(info, 2835);  // 72 dots per inch
        AppendLe32(info, 2835);
        AppendLe32(info, coloursUsed);
        AppendLe32(info, 0);
        if (masks) {
            for (std::uint32_t mask : *masks) {
                AppendLe32(info, mask);
            }
        }
        info.resize(std::max<std::size_t>(info.size(), headerSize));
    }
    for (const ColourEntry& entry : palette) {
        info.insert(info.end(), {entry.blue, entry.green, entry.red, entry.reserved});
    }
    std::vector<std::uint8_t> file;
    const auto offset = static_cast<std::uint32_t>(14 + info.size());
    AppendLe16(file, type);
    AppendLe32(file, fileSizeField.value_or(offset + static_cast<std::uint32_t>(pixels.size())));
    AppendLe32(file, 0);
    AppendLe32(file, offset);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

std::vector<std::uint8_t> PadRows(const std::vector<std::vector<std::uint8_t>>& rows) {
    std::vector<std::uint8_t> bytes;
    for (const auto& row : rows) {
        bytes.insert(bytes.end(), row.begin(), row.end());
        bytes.resize((bytes.size() + 3) / 4 * 4);
    }
    return bytes;
}

}  // namespace tessary::testing
