// Forward: the carrier lands on the human's front on the middle row and, on
// its way out, paints the next cells in the human's colour.
#include "rules/BonusForward3.h"

namespace NGame
{
CBonusForward3::CBonusForward3(CField& field, int count)
    : CBonus(field), m_colour(field.GetCellColour(m_mid, 0)), m_start{m_mid, 0}, m_count(count),
      m_map(field.MakeColourMap())
{
    if (m_colour >= 0)
        field.FloodMark(m_map, m_mid, 0, -4, -100);
    if (field.GetCellColour(m_mid, m_last) >= 0)
        field.FloodMark(m_map, m_mid, m_last, -5, -100);
    for (int c = 0; c < field.RowLength(m_mid); ++c)
        if (m_map.At(m_mid, c) == -4)
            m_start.m_column = c;
    m_last_painted = m_start.m_column;
    FlyTo(m_start.m_row, m_start.m_column);
}

bool CBonusForward3::Update(float elapsedMs)
{
    if (Carry(elapsedMs, kLeaveDelayMs))
        return true;
    if (m_arrived)
        PaintUnderCarrier();
    return false;
}

void CBonusForward3::Arrive()
{
    // Straight along the middle row rather than off to a random height.
    m_insect->SetTarget(kLeaveX, m_insect->m_y);
}

void CBonusForward3::PaintUnderCarrier()
{
    if (m_last_painted - m_start.m_column >= m_count)
        return;
    const SCellPos at = m_field.CellAt(m_insect->m_x, m_insect->m_y);
    if (at.m_column == m_last_painted || at.m_column <= m_start.m_column)
        return;
    const bool onBoard = m_field.IsValidCell(at.m_row, at.m_column);
    if (onBoard && m_map.At(at.m_row, at.m_column) == -5)
        return;
    // A hole or the board's edge ends the advance.
    if (!onBoard || m_field.GetCellColour(at.m_row, at.m_column) < 0)
    {
        m_count = 0;
        return;
    }
    m_field.PaintCell(at.m_row, at.m_column, m_colour, true);
    m_last_painted = at.m_column;
}
} // namespace NGame
