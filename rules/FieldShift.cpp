// The moving set's scrolling: every row steps one cell to the left, the left
// end drops off, and the emptied right ends refill from the set's mask.
#include "rules/Field.h"

#include "rules/Random.h"

#include <vector>

namespace NGame
{
void CField::StartShift(int count)
{
    m_pending_shifts = count < 0 ? 0 : count;
    ShiftStep();
}

void CField::ShiftStep()
{
    if (m_pending_shifts == 0)
    {
        RefillColumn();
        return;
    }
    --m_pending_shifts;
    m_state = Shifting;
    std::vector<std::vector<bool>> holes(static_cast<std::size_t>(m_geometry.Rows()));
    for (int r = 0; r < m_geometry.Rows(); ++r)
        for (int c = 0; c < RowLength(r); ++c)
            holes[r].push_back(m_cells[r][c] && m_cells[r][c]->IsHole());
    for (int r = 0; r < m_geometry.Rows(); ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            CCell* cell = m_cells[r][c].get();
            if (!cell)
                continue;
            float x = 0.0f;
            float y = 0.0f;
            CellPosition(r, c - 1, x, y);
            if (c == 0)
            {
                cell->MoveTo(x, y, true);
            }
            else
            {
                // Holes belong to the screen, not to the flowers moving through them.
                cell->MoveTo(x, y, false);
                cell->SetHole(holes[r][c - 1]);
            }
        }
    }
}

void CField::ShiftCells()
{
    for (int r = 0; r < m_geometry.Rows(); ++r)
    {
        const int length = RowLength(r);
        m_cells[r][0].reset();
        for (int c = 1; c < length; ++c)
            m_cells[r][c - 1] = std::move(m_cells[r][c]);
        m_cells[r][length - 1].reset();
    }
}

void CField::RefillColumn()
{
    const int count = m_refill_levels_count > 0 ? m_refill_levels_count : 1;
    const int l = ((m_level % count) + count) % count;
    const Mask mask = ReadMask(l);
    for (int r = 0; r < m_geometry.Rows(); ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            if (m_cells[r][c])
                continue;
            m_cells[r][c] = MakeCell(RandomModulo(kColourCount), r, c);
            CCell& cell = *m_cells[r][c];
            // Read as the build reads it, so that holes stay put on the
            // screen while the flowers scroll through them.
            cell.SetHole(IsMaskHole(mask, r, c));
            cell.FadeIn();
        }
    }
    m_state = Intro;
}
} // namespace NGame
