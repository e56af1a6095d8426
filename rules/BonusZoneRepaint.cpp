// Zone repaint: the same-colour area around a free flower takes the human's
// colour, and what it encloses is captured.
#include "rules/BonusZoneRepaint.h"

namespace NGame
{
CBonusZoneRepaint::CBonusZoneRepaint(CField& field) : CBonus(field), m_colour(field.GetCellColour(m_mid, 0))
{
    m_has_target = AimAtFreeFlower(m_colour, m_target);
}

bool CBonusZoneRepaint::CanBuy(const CField& field)
{
    return HasFreeFlowerToRepaint(field);
}

bool CBonusZoneRepaint::Update(float elapsedMs)
{
    return Carry(elapsedMs, kRepaintLeaveDelayMs);
}

void CBonusZoneRepaint::Arrive()
{
    if (!m_has_target)
        return;
    m_field.Repaint(m_target.m_row, m_target.m_column, m_colour);
}
} // namespace NGame
