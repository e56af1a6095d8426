// Forward: the carrier lands on the human's front on the middle row and, on
// its way out, paints the next cells in the human's colour.
#include "rules/BonusForward3.h"

namespace NGame
{
CBonusForward3::CBonusForward3(CField& field, int count) : CBonus(field), m_start(Front()), m_count(count)
{
    FlyTo(m_start.m_row, m_start.m_column);
}

SCellPos CBonusForward3::Front() const
{
    SCellPos front{m_mid, 0};
    const CColourMap map = MarkTerritory(m_field, m_mid, 0, -4);
    for (int c = 0; c < m_field.RowLength(m_mid); ++c)
        if (map.At(m_mid, c) == -4)
            front.m_column = c;
    return front;
}

bool CBonusForward3::Update(float elapsedMs)
{
    if (Carry(elapsedMs, kLeaveDelayMs))
        return true;
    if (m_arrived)
        PaintUnderCarrier();
    return false;
}

bool CBonusForward3::Arrive()
{
    // The front as it is now: another bonus may have moved it since purchase.
    m_start = Front();
    m_last_painted = m_start.m_column;
    // Straight along the middle row rather than off to a random height.
    m_insect->SetTarget(kLeaveX, m_insect->m_y);
    // Whether it acts shows as it paints.
    return false;
}

void CBonusForward3::PaintUnderCarrier()
{
    if (m_last_painted - m_start.m_column >= m_count)
        return;
    const SCellPos at = m_field.CellAt(m_insect->m_x, m_insect->m_y);
    if (at.m_column == m_last_painted || at.m_column <= m_start.m_column)
        return;
    const bool onBoard = m_field.IsValidCell(at.m_row, at.m_column);
    // The opponent's territory as it is at this cell's turn, passed over unpainted.
    if (onBoard && MarkTerritory(m_field, m_mid, m_last, -5).At(at.m_row, at.m_column) == -5)
        return;
    const int colour = m_field.GetCellColour(m_mid, 0);
    // A hole or the board's edge ends the advance.
    if (!onBoard || colour < 0 || m_field.GetCellColour(at.m_row, at.m_column) < 0)
    {
        m_count = 0;
        return;
    }
    m_field.PaintCell(at.m_row, at.m_column, colour, true);
    m_last_painted = at.m_column;
    m_acted = true;
}
} // namespace NGame
