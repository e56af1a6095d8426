// Single repaint: one free flower of another colour takes the human's colour.
#include "rules/BonusSimpleRepaint.h"

namespace NGame
{
CBonusSimpleRepaint::CBonusSimpleRepaint(CField& field) : CBonus(field)
{
    AimAtFreeFlower(m_target);
}

bool CBonusSimpleRepaint::CanBuy(const CField& field)
{
    return HasFreeFlowerToRepaint(field);
}

bool CBonusSimpleRepaint::Update(float elapsedMs)
{
    return Carry(elapsedMs, kRepaintLeaveDelayMs);
}

bool CBonusSimpleRepaint::Arrive()
{
    int colour = 0;
    if (!ChooseFreeFlower(m_target, colour))
        return false;
    m_field.PaintCell(m_target.m_row, m_target.m_column, colour, true);
    return true;
}
} // namespace NGame
