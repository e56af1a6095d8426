// Level masks: designed hole patterns for the three level sets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace NDatagen
{
class COutput;

enum class ELevelSet
{
    Classic,
    Duel,
    Moving
};

constexpr int kMovingLevelFiles = 20;

// One 800 x 600 mask; non-zero bytes are playable when a level is built.
std::vector<uint8_t> MakeMask(ELevelSet set, int index);
// Level numbers 0..99 whose board is built from this mask file.
std::vector<int> LevelsUsingMask(ELevelSet set, int index);
// Writes every mask of every set and returns false if one fails its checks.
bool WriteMasks(COutput& out, std::string& problems);
} // namespace NDatagen
