// Board geometry for a level number, mirroring how the game lays out its cells.
#include "tools/datagen/Board.h"

#include <cmath>
#include <cstdlib>
#include <queue>

namespace NDatagen
{
CBoardGeometry::CBoardGeometry(int level)
{
    const int l = ((level % 100) + 100) % 100;
    const int q = l / 18;
    const int band = (l % 18) / 6;
    const int base = band == 0 ? 21 : band == 1 ? 18 : 30;
    m_columns = (l % 6) + 2 * q + base;
    // Float arithmetic on purpose: the game computes these in single precision
    // and a cell centre on a pixel boundary must land on the same byte.
    m_cellWidth = 776.0f / static_cast<float>(m_columns);
    const float half = m_cellWidth / 2.0f;
    m_rowPitch = std::sqrt(half * 3.0f * half);
    m_rows = static_cast<int>(532.0f / m_rowPitch);
    if (m_rows % 2 == 0)
    {
        ++m_rows;
        m_rowPitch = 532.0f / static_cast<float>(m_rows);
    }
    m_originX = half + 12.0f;
    m_originY = 282.0f;
}

int CBoardGeometry::RowLength(int row) const
{
    return m_columns - std::abs(Mid() - row);
}

bool CBoardGeometry::IsValid(int row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < RowLength(row);
}

std::pair<float, float> CBoardGeometry::Position(int row, int column) const
{
    const float x = m_originX + static_cast<float>(column) * m_cellWidth +
                    static_cast<float>(std::abs(row - Mid())) * m_cellWidth / 2.0f;
    const float y = m_originY + static_cast<float>(row - Mid()) * m_rowPitch;
    return {x, y};
}

std::vector<SCellPos> CBoardGeometry::Cells() const
{
    std::vector<SCellPos> cells;
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
        {
            const auto [x, y] = Position(r, c);
            cells.push_back({r, c, x, y});
        }
    return cells;
}

std::vector<std::pair<int, int>> CBoardGeometry::Neighbours(int row, int column) const
{
    std::vector<std::pair<int, int>> out;
    auto add = [&](int r, int c)
    {
        if (IsValid(r, c))
            out.emplace_back(r, c);
    };
    add(row, column - 1);
    add(row, column + 1);
    for (int dr : {-1, 1})
    {
        const int r = row + dr;
        // A row nearer the middle is one cell longer and starts half a cell
        // further left, so the two touching cells sit at c and c + 1 there.
        if (std::abs(r - Mid()) < std::abs(row - Mid()))
        {
            add(r, column);
            add(r, column + 1);
        }
        else
        {
            add(r, column - 1);
            add(r, column);
        }
    }
    return out;
}

size_t CBoardGeometry::MaskIndex(int row, int column) const
{
    const auto [x, y] = Position(row, column);
    return static_cast<size_t>(static_cast<int>(x)) + static_cast<size_t>(static_cast<int>(y)) * kMaskWidth;
}

SMaskReport CheckMask(const std::vector<uint8_t>& mask, int level)
{
    SMaskReport report;
    const CBoardGeometry g(level);
    auto hole = [&](int r, int c)
    {
        const size_t i = g.MaskIndex(r, c);
        return i >= mask.size() || mask[i] == 0;
    };
    for (const SCellPos& cell : g.Cells())
        (hole(cell.row, cell.column) ? report.holes : report.playable)++;
    const int mid = g.Mid();
    const int last = g.Columns() - 1;
    report.homesPlayable =
        !hole(mid, 0) && !hole(mid, 1) && !hole(mid - 1, 0) && !hole(mid + 1, 0) && !hole(mid, last);
    if (!report.homesPlayable)
        return report;
    auto reach = [&](int r0, int c0)
    {
        std::vector<char> seen(static_cast<size_t>(g.Rows()) * g.Columns(), 0);
        std::queue<std::pair<int, int>> todo;
        todo.emplace(r0, c0);
        seen[static_cast<size_t>(r0) * g.Columns() + c0] = 1;
        int count = 0;
        while (!todo.empty())
        {
            const auto [r, c] = todo.front();
            todo.pop();
            ++count;
            for (const auto& [nr, nc] : g.Neighbours(r, c))
            {
                char& s = seen[static_cast<size_t>(nr) * g.Columns() + nc];
                if (!s && !hole(nr, nc))
                {
                    s = 1;
                    todo.emplace(nr, nc);
                }
            }
        }
        return count;
    };
    report.connected = reach(mid, 0) == report.playable && reach(mid, last) == report.playable;
    return report;
}
} // namespace NDatagen
