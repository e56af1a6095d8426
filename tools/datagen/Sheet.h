// Sprite sheets: cells laid out as the sprite loader cuts them.
#pragma once

#include "tools/datagen/Image.h"

#include <string>
#include <vector>

namespace NDatagen
{
class COutput;

// cells[group][frame], all of one size. Group 0 becomes the bottom band of
// the picture: the game draws sheets with their rows flipped, so that is the
// band it shows for row 0.
CImage ComposeSheet(const std::vector<std::vector<CImage>>& cells);

// Writes the sheet as a 32-bit TGA next to its ".spr" description
// ("dat/insects.spr" + "dat/insects.tga").
// Sheets drawn smaller than their cells (board cells, coins) ask for mipmaps.
// Most sprites are drawn with the flip set; the few that are not (the
// tutorial's animations) pass drawnFlipped = false.
void WriteSprite(COutput& out, const std::string& sprName, const std::vector<std::vector<CImage>>& cells,
                 bool mipmaps = false, bool drawnFlipped = true);

CImage MirroredVertically(const CImage& img);

// Four looks of a button stacked as the controls expect: looks[0] is shown
// normally and must end up in the bottom band, looks[3] in the top one.
CImage StackBands(const std::vector<CImage>& looks);
} // namespace NDatagen
