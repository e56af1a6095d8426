// Backward: the opponent's territory loses up to `count` cells at the left
// edge of every row; its home always stays.
#include "rules/BonusBackward3.h"

#include "rules/Random.h"

namespace NGame
{
CBonusBackward3::CBonusBackward3(CField& field, int count) : CBonus(field), m_count(count)
{
    FlyTo(m_mid, m_last);
}

bool CBonusBackward3::Update(float elapsedMs)
{
    return Carry(elapsedMs, kLeaveDelayMs);
}

bool CBonusBackward3::Arrive()
{
    if (OpponentCellsBeyondHome(m_field).empty())
        return false;
    const CColourMap map = MarkTerritory(m_field, m_mid, m_last, -4);
    for (int r = 0; r < m_field.GetRows(); ++r)
    {
        int painted = 0;
        for (int c = 0; c < m_field.RowLength(r) && painted < m_count; ++c)
        {
            if (map.At(r, c) != -4 || (r == m_mid && c == m_last))
                continue;
            m_field.PaintCell(r, c, RandomModulo(CField::kColourCount), false);
            ++painted;
        }
    }
    return true;
}
} // namespace NGame
