// Single repaint: one free flower of another colour takes the human's colour.
#include "rules/BonusSimpleRepaint.h"

namespace NGame
{
CBonusSimpleRepaint::CBonusSimpleRepaint(CField& field)
    : CBonus(field), m_colour(field.GetCellColour(m_mid, 0))
{
    m_has_target = AimAtFreeFlower(m_colour, m_target);
}

bool CBonusSimpleRepaint::CanBuy(const CField& field)
{
    return HasFreeFlowerToRepaint(field);
}

bool CBonusSimpleRepaint::Update(float elapsedMs)
{
    return Carry(elapsedMs, kRepaintLeaveDelayMs);
}

void CBonusSimpleRepaint::Arrive()
{
    if (!m_has_target)
        return;
    m_field.PaintCell(m_target.m_row, m_target.m_column, m_colour, true);
}
} // namespace NGame
