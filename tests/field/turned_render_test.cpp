// Turned pieces are read from the upright picture through the turn; they must show exactly
// what they showed when they were rendered from turned copies of the picture.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "field/render_element_image.h"
#include "field/rotation.h"
#include "field_fixtures.h"
#include "turned_copy_render.h"

namespace tessary {
namespace {

struct DepthRow {
    const char* name;
    int bitsPerPixel;
    bool isTopDown;
};

// A picture of the game's size in the row's layout, every pixel's stored bytes varied (the
// unused byte of 32-bit pixels set, which must not show).
PictureBuffer VariedPicture(const DepthRow& row, int width, int height) {
    PictureHeader header;
    header.width = width;
    header.height = row.isTopDown ? -height : height;
    header.bitsPerPixel = static_cast<std::uint16_t>(row.bitsPerPixel);
    header.coloursUsed = row.bitsPerPixel == 8 ? 256 : 0;
    std::vector<ColourEntry> palette;
    for (int i = 0; i < (row.bitsPerPixel == 8 ? 256 : 0); ++i) {
        palette.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(3 * i),
                           static_cast<std::uint8_t>(255 - i), 0});
    }
    PictureBuffer picture = PictureBuffer::Create(header, palette);
    const int bytes = row.bitsPerPixel / 8;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = PicturePixel(x, y) | 0xFF000000;
            std::memcpy(picture.row(y) + bytes * x, &value, static_cast<std::size_t>(bytes));
        }
    }
    return picture;
}

class TurnedRenderTest : public ::testing::TestWithParam<DepthRow> {};

TEST_P(TurnedRenderTest, EveryTurnOfEveryPieceShowsWhatTheTurnedCopyShows) {
    TestGame game({.rows = 2, .columns = 3});
    const PictureBuffer picture =
        VariedPicture(GetParam(), game.picture.width(), game.picture.height());
    TurnedPictures turned;
    ASSERT_TRUE(BuildRotatedPictures(picture, turned));
    ElementSet& set = game.set();
    for (int step = 0; step < 4; ++step) {
        for (int i = 0; i < set.elementCount(); ++i) {
            const Element& e = set.element(i);
            EXPECT_EQ(RenderElementImage(e, set, picture, kContourPixel),
                      ImageFromTurnedCopy(e, set, picture, turned, kContourPixel))
                << "element " << i << " at rotation " << e.rotation;
        }
        for (int i = 0; i < set.elementCount(); ++i)
            ReorientElement(game.field(), i, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, TurnedRenderTest,
                         ::testing::Values(DepthRow{"TwentyFourBit", 24, false},
                                           DepthRow{"TwentyFourBitTopDown", 24, true},
                                           DepthRow{"ThirtyTwoBit", 32, false},
                                           DepthRow{"ThirtyTwoBitTopDown", 32, true},
                                           DepthRow{"SixteenBit", 16, false},
                                           DepthRow{"Paletted", 8, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessary
