#pragma once

#include "SkinPalette.h"

// The palettes of the program's skins.
namespace SkinPalettes {

CSkinPalette Violet();
CSkinPalette Lilac();
CSkinPalette Orange();
CSkinPalette Black();
CSkinPalette Blue();
CSkinPalette Red();
CSkinPalette Gray();
CSkinPalette Pink();
CSkinPalette Deluxe();

}  // namespace SkinPalettes
