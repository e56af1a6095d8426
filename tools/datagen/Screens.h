// Screen pictures shared by the help and hint pages.
#pragma once

#include "tools/datagen/Image.h"

#include <cstdint>
#include <string>

namespace NDatagen
{
// A 1024 x 1024 garden backdrop; the 800 x 600 screen sees its middle.
CImage Meadow(uint32_t seed, float brightness, int flowers = 70, float flowerOpacity = 0.75f);
// The game screen with a board of a level on it, for previews.
CImage GameMockup(int level, const CImage& background);
// A cream paper panel, in picture coordinates.
void Parchment(CImage& img, float x0, float y0, float x1, float y1);
// Large title lettering centred on x.
void Title(CImage& img, const std::string& text, float x, float y, float size);
} // namespace NDatagen
