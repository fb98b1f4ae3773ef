#include "textures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "palette_ramp.h"
#include "texture_fields.h"

namespace tessary::assets {
namespace {

using ToneFunction = float (*)(float, float);

struct TextureRecipe {
    TextureEntry entry;
    ToneFunction tone;
    std::array<ColourEntry, 256> palette;
};

const std::array<TextureRecipe, 10>& Recipes() {
    static const std::array<TextureRecipe, 10> recipes = {{
        {{367, "wood"},
         WoodTone,
         PaletteRamp({{0.0f, 0x3B1F0E}, {0.45f, 0x8A5528}, {0.8f, 0xC08A4E}, {1.0f, 0xE0B57A}})},
        {{366, "marble"},
         MarbleTone,
         PaletteRamp({{0.0f, 0x3E4548}, {0.4f, 0x8E9694}, {0.8f, 0xE2E0D8}, {1.0f, 0xFBF8F1}})},
        {{359, "cork"},
         CorkTone,
         PaletteRamp({{0.0f, 0x3A2414}, {0.4f, 0x8C5E35}, {0.75f, 0xC39A63}, {1.0f, 0xE3C491}})},
        {{358, "felt"},
         FeltTone,
         PaletteRamp({{0.0f, 0x0B2E19}, {0.5f, 0x1E6B3A}, {1.0f, 0x3F9A5E}})},
        {{363, "linen"},
         LinenTone,
         PaletteRamp({{0.0f, 0x8C7F68}, {0.5f, 0xC9BC9F}, {1.0f, 0xF1E8D4}})},
        {{362, "stone"},
         StoneTone,
         PaletteRamp({{0.0f, 0x1E1C1A}, {0.3f, 0x5B5750}, {0.7f, 0x9C968A}, {1.0f, 0xD3CCBE}})},
        {{356, "parquet"},
         ParquetTone,
         PaletteRamp({{0.0f, 0x2A1608}, {0.35f, 0x7A4A22}, {0.7f, 0xB07A42}, {1.0f, 0xD9A968}})},
        {{357, "leather"},
         LeatherTone,
         PaletteRamp({{0.0f, 0x2A1208}, {0.5f, 0x7A3A1A}, {1.0f, 0xB8703A}})},
        {{361, "paper"},
         PaperTone,
         PaletteRamp({{0.0f, 0x9A927F}, {0.6f, 0xE4DCC8}, {1.0f, 0xFFFBF0}})},
        {{360, "water"},
         WaterTone,
         PaletteRamp({{0.0f, 0x062C4A}, {0.45f, 0x14679A}, {0.8f, 0x5BB8D8}, {1.0f, 0xE8FBFF}})},
    }};
    return recipes;
}

}  // namespace

std::span<const TextureEntry> TextureCatalog() {
    static const auto entries = [] {
        std::array<TextureEntry, 10> e{};
        std::transform(Recipes().begin(), Recipes().end(), e.begin(),
                       [](const TextureRecipe& r) { return r.entry; });
        return e;
    }();
    return entries;
}

PictureBuffer MakeTexture(int bitmapId) {
    const auto& recipes = Recipes();
    const auto recipe =
        std::find_if(recipes.begin(), recipes.end(),
                     [bitmapId](const TextureRecipe& r) { return r.entry.bitmapId == bitmapId; });
    if (recipe == recipes.end())
        return {};
    PictureHeader header;
    header.width = kTextureWidth;
    header.height = kTextureHeight;
    header.bitsPerPixel = 8;
    header.coloursUsed = 256;
    PictureBuffer picture = PictureBuffer::Create(header, recipe->palette);
    for (int y = 0; y < kTextureHeight; ++y) {
        std::uint8_t* row = picture.row(y);
        for (int x = 0; x < kTextureWidth; ++x) {
            const float tone = recipe->tone(static_cast<float>(x) / kTextureWidth,
                                            static_cast<float>(y) / kTextureHeight);
            row[x] = static_cast<std::uint8_t>(std::lround(std::clamp(tone, 0.0f, 1.0f) * 255.0f));
        }
    }
    return picture;
}

}  // namespace tessary::assets
