// The bitmap font picture the game sets its texts in, and its glyph metrics
// as the game will find them in the written file.
#pragma once

#include "text/FontMetrics.h"
#include "tools/datagen/Image.h"

namespace NDatagen
{
CImage MakeFontSheet(int scale);
// Measured from the very bytes that "mui/font.tga" (or its twin of that
// scale) holds.
NText::CFontMetrics FontSheetMetrics(int scale = 1);
} // namespace NDatagen
