// Property-file data: configuration, layouts, the menu resource list and
// sprite descriptions.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace NDatagen
{
class COutput;

struct SBonusPrice
{
    const char* key;
    int cents;
};
// In the order of the game's button bar; the tooltips name these prices.
inline const std::vector<SBonusPrice> kBonusPrices = {
    {"m_bonus_price_single_repaint", 1}, {"m_bonus_price_zone_repaint", 2},
    {"m_bonus_price_free_randomize", 3}, {"m_bonus_price_forward3", 5},
    {"m_bonus_price_forward6", 10},      {"m_bonus_price_self_repaint", 15},
    {"m_bonus_price_skip_move", 25},     {"m_bonus_price_backward3", 30},
    {"m_bonus_price_backward6", 40},     {"m_bonus_price_apponent_randomize", 50},
    {"m_bonus_price_life", 100}};

// Menu resource names and the picture files they load.
const std::vector<std::pair<std::string, std::string>>& MenuResources();
// File of a menu resource by its key ("m_back_btn" -> "mui/btn/back.tga").
std::string MenuResourceFile(const std::string& key);

std::string SpriteFile(const std::string& picture, int groups, int frames, bool mipmaps = false);

void WriteConfig(COutput& out);
} // namespace NDatagen
