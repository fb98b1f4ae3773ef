#pragma once

#include <span>

#include "picture/picture_buffer.h"

namespace tessary::assets {

inline constexpr int kTextureWidth = 160;
inline constexpr int kTextureHeight = 120;

/// One background texture: the bitmap identifier the game's texture table names and a
/// short English name for the file list.
struct TextureEntry {
    int bitmapId = 0;
    const char* name = "";
};

/// The ten textures, in the order of the menu's texture items 1 to 10.
std::span<const TextureEntry> TextureCatalog();

/// Renders texture `bitmapId` as a 160 x 120 picture with a 256-colour table; empty for an
/// identifier the catalog does not hold.
PictureBuffer MakeTexture(int bitmapId);

}  // namespace tessary::assets
