// The generator's parts, one call per kind of data.
#pragma once

#include <string>

namespace NDatagen
{
class COutput;

void WriteFont(COutput& out);
void WriteGameSprites(COutput& out);
void WriteMenuSprites(COutput& out);
void WriteScreens(COutput& out);
void WriteHints(COutput& out);
// False (with the reason added to problems) when a page overflows.
bool WriteHelp(COutput& out, std::string& problems);
void WriteSounds(COutput& out);
void WriteMusic(COutput& out);
} // namespace NDatagen
