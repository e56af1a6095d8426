// The board's layout for a level. Everything is computed in single precision
// on purpose: a cell centre on a pixel boundary must land on the same mask
// byte in the generator that drew the mask and in the game that reads it.
#include "rules/BoardGeometry.h"

#include <cmath>
#include <cstdlib>

namespace NGame
{
namespace
{
// Truncation towards zero that refuses values no int can hold.
bool TruncateToInt(float value, int& out)
{
    if (!(value > -1.0e9f && value < 1.0e9f))
        return false;
    out = static_cast<int>(value);
    return true;
}
} // namespace

CBoardGeometry::CBoardGeometry(int level)
{
    const int l = ((level % 100) + 100) % 100;
    const int q = l / 18;
    const int band = (l % 18) / 6;
    const int base = band == 0 ? 21 : (band == 1 ? 18 : 30);
    m_columns = (l % 6) + 2 * q + base;
    m_cell_width = 776.0f / static_cast<float>(m_columns);
    const float half = m_cell_width / 2.0f;
    m_row_pitch = std::sqrt(half * 3.0f * half);
    m_rows = static_cast<int>(532.0f / m_row_pitch);
    // An odd count gives the board a middle row for the two homes.
    if (m_rows % 2 == 0)
    {
        ++m_rows;
        m_row_pitch = 532.0f / static_cast<float>(m_rows);
    }
    m_origin_x = m_cell_width / 2.0f + 12.0f;
    m_origin_y = 282.0f;
}

int CBoardGeometry::RowLength(int row) const
{
    if (row < 0 || row >= m_rows)
        return 0;
    return m_columns - std::abs(Mid() - row);
}

bool CBoardGeometry::IsValid(int row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < RowLength(row);
}

int CBoardGeometry::CellCount() const
{
    return IndexOf(m_rows, 0);
}

int CBoardGeometry::IndexOf(int row, int column) const
{
    int index = column;
    for (int r = 0; r < row; ++r)
        index += RowLength(r);
    return index;
}

void CBoardGeometry::Position(int row, int column, float& x, float& y) const
{
    const int mid = Mid();
    x = m_origin_x + static_cast<float>(column) * m_cell_width +
        static_cast<float>(std::abs(row - mid)) * m_cell_width / 2.0f;
    y = m_origin_y + static_cast<float>(row - mid) * m_row_pitch;
}

SCellPos CBoardGeometry::CellAt(float x, float y) const
{
    SCellPos at;
    int inner = 0;
    if (!TruncateToInt(y - m_origin_y + static_cast<float>(m_rows) / 2.0f * m_row_pitch, inner) ||
        !TruncateToInt(static_cast<float>(inner) / m_row_pitch, at.m_row))
        return SCellPos();
    // Rows outside the board still get a shape so that the column follows
    // the same arithmetic.
    const int length = m_columns - std::abs(Mid() - at.m_row);
    if (!TruncateToInt(x - m_origin_x - static_cast<float>(m_columns - length) * m_cell_width / 2.0f +
                           m_cell_width / 2.0f,
                       inner) ||
        !TruncateToInt(static_cast<float>(inner) / m_cell_width, at.m_column))
        return SCellPos();
    return at;
}

long long CBoardGeometry::MaskIndex(int row, int column) const
{
    float x = 0.0f;
    float y = 0.0f;
    Position(row, column, x, y);
    int ix = 0;
    int iy = 0;
    if (!TruncateToInt(x, ix) || !TruncateToInt(y, iy) || ix < 0 || iy < 0 || ix >= kMaskWidth)
        return -1;
    return static_cast<long long>(ix) + static_cast<long long>(iy) * kMaskWidth;
}

std::array<SCellPos, 6> CBoardGeometry::Neighbours(int row, int column) const
{
    const int r = row;
    const int c = column;
    // A row nearer the middle is one cell longer and starts half a cell
    // further left, so its two touching cells sit at c and c + 1.
    const int mid = Mid();
    if (r < mid)
        return {{{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}, {r - 1, c - 1}, {r + 1, c + 1}}};
    if (r == mid)
        return {{{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}, {r - 1, c - 1}, {r + 1, c - 1}}};
    return {{{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}, {r - 1, c + 1}, {r + 1, c - 1}}};
}
} // namespace NGame
