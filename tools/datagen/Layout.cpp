// Positions that follow from a rule rather than a table.
#include "tools/datagen/Layout.h"

namespace NDatagen
{
std::vector<SPlace> BonusLayout()
{
    std::vector<SPlace> places;
    places.push_back({"m_main_menu_btn", kMenuBtnX, kMenuBtnY});
    for (size_t i = 0; i < kBonusNames.size(); ++i)
        places.push_back(
            {kBonusNames[i].c_str(), kBonusRowX + kBonusPitch * static_cast<float>(i), kBonusRowY});
    return places;
}
} // namespace NDatagen
