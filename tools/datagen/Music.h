// The game's five music modules, composed by rule from a few song settings.
#pragma once

#include "tools/datagen/XmWriter.h"

#include <string>
#include <vector>

namespace NDatagen
{
struct SSong
{
    std::string file;
    std::string title;
    int tonic; // XM note number of the key's root in the melody octave (C-5 = 61)
    bool minor;
    int bpm;
    std::vector<int> verse; // chord roots as scale degrees, one per bar
    std::vector<int> bridge;
    int melodyInstrument; // 1-based
    int arpInstrument;
    bool drums;
    bool lively; // busier bass and drums
    uint32_t seed;
};

const std::vector<SSong>& Songs();
SXmModule ComposeSong(const SSong& song);
} // namespace NDatagen
