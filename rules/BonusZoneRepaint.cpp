// Zone repaint: the same-colour area around a free flower takes the human's
// colour, and what it encloses is captured.
#include "rules/BonusZoneRepaint.h"

namespace NGame
{
CBonusZoneRepaint::CBonusZoneRepaint(CField& field) : CBonus(field)
{
    AimAtFreeFlower(m_target);
}

bool CBonusZoneRepaint::CanBuy(const CField& field)
{
    return HasFreeFlowerToRepaint(field);
}

bool CBonusZoneRepaint::Update(float elapsedMs)
{
    return Carry(elapsedMs, kRepaintLeaveDelayMs);
}

bool CBonusZoneRepaint::Arrive()
{
    int colour = 0;
    if (!ChooseFreeFlower(m_target, colour))
        return false;
    m_field.Repaint(m_target.m_row, m_target.m_column, colour);
    return true;
}
} // namespace NGame
