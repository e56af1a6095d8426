// The bonus bar's buttons, purchases and tooltip.
#include "play/BonusBar.h"

#include "catalogue/Places.h"
#include "catalogue/Texts.h"
#include "framework/Screen.h"
#include "play/GameResources.h"
#include "play/Hint.h"
#include "rules/Match.h"
#include "widgets/SimpleButton.h"

namespace NGame
{
CBonusBar::CBonusBar(CScreen* owner, const CGameResources& resources, const CPropertyFile& layout,
                     CMatch& match)
    : m_resources(resources), m_match(match)
{
    for (int i = 0; i < BonusKindCount; ++i)
    {
        m_buttons[i] = std::make_unique<CSimpleButton>(owner, resources.GetBonusButton(i));
        m_buttons[i]->LoadLayout(layout, kBonusTable[i].ButtonName());
        owner->AddControl(m_buttons[i].get());
    }
    Update();
}

CBonusBar::~CBonusBar() = default;

void CBonusBar::Update()
{
    for (int i = 0; i < BonusKindCount; ++i)
        m_buttons[i]->SetDisabled(!m_match.CanBuyBonus(i, m_resources.GetPrice(i)));
}

bool CBonusBar::Buy(const CControl* control)
{
    for (int i = 0; i < BonusKindCount; ++i)
        if (control == m_buttons[i].get())
            return m_match.BuyBonus(i, m_resources.GetPrice(i));
    return false;
}

CSimpleButton* CBonusBar::KeyButton(int key) const
{
    for (int i = 0; i < BonusKindCount; ++i)
        if (key == kBonusTable[i].m_key && !m_buttons[i]->IsDisabled())
            return m_buttons[i].get();
    return nullptr;
}

int CBonusBar::HoveredBonus() const
{
    for (int i = 0; i < BonusKindCount; ++i)
        if (m_buttons[i]->IsMouseOver())
            return i;
    return -1;
}

std::string CBonusBar::TooltipText(int bonus) const
{
    const SBonusInfo* info = FindBonus(bonus);
    return info ? NTexts::Format(NTexts::EText::kTooltipKey,
                                 info->Tooltip(m_resources.GetPrice(bonus)).c_str(), info->m_key)
                : "";
}

void CBonusBar::DrawTooltip(const NPlaces::SPlace& at) const
{
    const int bonus = HoveredBonus();
    if (bonus >= 0)
        CHint::Draw(m_resources, TooltipText(bonus).c_str(), at.m_x, at.m_y, at.m_size, false, true);
}

void CBonusBar::AppendLook(std::vector<double>& look) const
{
    for (const auto& button : m_buttons)
        look.insert(look.end(), {button->IsDisabled() ? 1.0 : 0.0, button->IsMouseOver() ? 1.0 : 0.0});
}
} // namespace NGame
