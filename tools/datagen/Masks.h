// Level masks: designed hole patterns for each level set (catalogue/LevelSets.h).
#pragma once

#include "catalogue/LevelSets.h"

#include <cstdint>
#include <string>
#include <vector>

namespace NDatagen
{
class COutput;

// One 800 x 600 mask; non-zero bytes are playable when a level is built.
std::vector<uint8_t> MakeMask(NLevelSets::ESet set, int index);
// Level numbers 0..99 whose board is built from this mask file.
std::vector<int> LevelsUsingMask(NLevelSets::ESet set, int index);
// Writes every mask of every set and returns false if one fails its checks.
bool WriteMasks(COutput& out, std::string& problems);
} // namespace NDatagen
