// The game screen's bonus bar: a button per bonus kind, enabled while the
// match could sell it, bought by a click or its key, and the tooltip that
// names what the hovered one does and costs.
#pragma once

#include "rules/BonusTable.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CControl;
class CGameResources;
class CPropertyFile;
class CScreen;
class CSimpleButton;

namespace NPlaces
{
struct SPlace;
}

namespace NGame
{
class CMatch;

class CBonusBar
{
  public:
    // The buttons join `owner`'s controls where `layout` places them.
    CBonusBar(CScreen* owner, const CGameResources& resources, const CPropertyFile& layout, CMatch& match);
    ~CBonusBar();
    CBonusBar(const CBonusBar&) = delete;
    CBonusBar& operator=(const CBonusBar&) = delete;

    // Enables the buttons of what the match would sell now.
    void Update();
    // True when `control` is one of the bar's buttons and its bonus was bought.
    bool Buy(const CControl* control);
    // The enabled button that `key` presses, null for none.
    CSimpleButton* KeyButton(int key) const;

    CSimpleButton* GetButton(int bonus) const { return m_buttons.at(bonus).get(); }
    // The bonus whose button is under the cursor (first in bar order), -1 for none.
    int HoveredBonus() const;
    // What the bonus does, the price the configuration charges and its key.
    std::string TooltipText(int bonus) const;
    // The hovered bonus's tooltip, if any, at `at`.
    void DrawTooltip(const NPlaces::SPlace& at) const;
    // What the bar shows: each button's state.
    void AppendLook(std::vector<double>& look) const;

  private:
    const CGameResources& m_resources;
    CMatch& m_match;
    std::array<std::unique_ptr<CSimpleButton>, BonusKindCount> m_buttons;
};
} // namespace NGame
