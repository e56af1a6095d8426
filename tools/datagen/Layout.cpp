// Positions that follow from a rule rather than a table.
#include "tools/datagen/Layout.h"

#include "rules/BonusTable.h"

namespace NDatagen
{
std::vector<SPlace> BonusLayout()
{
    std::vector<SPlace> places;
    places.push_back({"m_main_menu_btn", kMenuBtnX, kMenuBtnY});
    for (const NGame::SBonusInfo& bonus : NGame::kBonusTable)
        places.push_back(
            {bonus.ButtonName(), kBonusRowX + kBonusPitch * static_cast<float>(bonus.m_kind), kBonusRowY});
    return places;
}
} // namespace NDatagen
