// The board's cells as the generator walks them, and the mask check.
#include "tools/datagen/Board.h"

#include <queue>

namespace NDatagen
{
std::vector<SBoardCell> BoardCells(const CBoardGeometry& g)
{
    std::vector<SBoardCell> cells;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.RowLength(r); ++c)
        {
            float x = 0.0f;
            float y = 0.0f;
            g.Position(r, c, x, y);
            cells.push_back({r, c, x, y});
        }
    return cells;
}

std::vector<std::pair<int, int>> BoardNeighbours(const CBoardGeometry& g, int row, int column)
{
    std::vector<std::pair<int, int>> out;
    for (const NGame::SCellPos& n : g.Neighbours(row, column))
        if (g.IsValid(n.m_row, n.m_column))
            out.emplace_back(n.m_row, n.m_column);
    return out;
}

SMaskReport CheckMask(const std::vector<uint8_t>& mask, int level)
{
    SMaskReport report;
    const CBoardGeometry g(level);
    auto hole = [&](int r, int c)
    {
        const long long i = g.MaskIndex(r, c);
        return i < 0 || static_cast<size_t>(i) >= mask.size() || mask[static_cast<size_t>(i)] == 0;
    };
    for (const SBoardCell& cell : BoardCells(g))
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
            for (const auto& [nr, nc] : BoardNeighbours(g, r, c))
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
