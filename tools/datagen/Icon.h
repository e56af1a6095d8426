// The application icon: a hexagon of seven flower cells.
#pragma once

#include "tools/datagen/Image.h"

namespace NDatagen
{
// A square picture with a transparent background; size from 16 up.
CImage RenderIcon(int size);
} // namespace NDatagen
