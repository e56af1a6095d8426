// Pictures of the small things on and around the board.
#pragma once

#include "tools/datagen/Image.h"

namespace NDatagen
{
constexpr int kCoinKinds = 5;

// A coin of kind 0..4 (1, 5, 10, 25 cents, one dollar) turned by phase 0..1.
CImage RenderCoin(int kind, float phase, int size);
// A bee facing up with its wings at flap phase 0..1.
CImage RenderInsect(float phase, int size);
// A small dragon facing up; hue 0..2 picks its colours.
CImage RenderDragon(int hue, float phase, int size);
CImage RenderCursor(int size);
CImage RenderMarker(float phase, int size);
CImage RenderSparkle(float phase, int size);
} // namespace NDatagen
