// Property-file data: configuration, layouts, the menu resource list and
// sprite descriptions.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace NDatagen
{
class COutput;

// Menu resource names and the picture files they load.
const std::vector<std::pair<std::string, std::string>>& MenuResources();
// File of a menu resource by its key ("m_back_btn" -> "mui/btn/back.tga").
std::string MenuResourceFile(const std::string& key);

std::string SpriteFile(const std::string& picture, int groups, int frames, bool mipmaps = false);

void WriteConfig(COutput& out);
} // namespace NDatagen
