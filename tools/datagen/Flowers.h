// The six flowers, each with its own shape so that colour is never the only cue.
#pragma once

#include "tools/datagen/Image.h"

namespace NDatagen
{
constexpr int kFlowerColours = 6;

SColour FlowerColour(int colour);
// The flower of a colour at an openness from 0 (closed bud) to 1 (open), drawn
// into a square cell.
CImage RenderFlower(int colour, float openness, int size, float twistDeg = 0);
// Only the petals' silhouette, white on transparent: what tells the shapes apart.
CImage RenderFlowerShape(int colour, int size);
// A hole in the meadow, scaled from 0 to 1.
CImage RenderHole(float scale, int size);
} // namespace NDatagen
