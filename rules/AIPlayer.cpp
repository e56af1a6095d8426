// The opponent's search. Depth and cell weights follow its search level and
// how much of the board is already taken: early on a strong opponent races
// along the middle towards the human, later it grabs cells far from home and
// at the end it simply counts cells.
#include "rules/AIPlayer.h"

#include "catalogue/Opponents.h"
#include "rules/Random.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace NGame
{
CAIPlayer::CAIPlayer(int homeRow, int homeColumn, CField* field, int difficulty)
    : CPlayer(homeRow, homeColumn, field)
{
    if (difficulty < 0)
        m_search_level = 1;
    else if (difficulty <= 1)
        m_search_level = 2;
    else if (difficulty == 3)
        m_search_level = 4;
    else if (difficulty >= 5)
        m_search_level = 5;
    else
        m_search_level = difficulty;
}

int CAIPlayer::DifficultyForLevel(int level)
{
    // Strength rises within a cycle of thirteen levels at first, then of
    // ten, then four, and stays at the top from level 85 on.
    if (level < 30)
    {
        static constexpr int kFirst[13] = {0, 1, 0, 1, 1, 2, 2, 2, 3, 3, 4, 4, 5};
        return kFirst[(level < 0 ? 0 : level) % 13];
    }
    if (level < 60)
        return (level % 10) / 2 + 1;
    if (level < 85)
    {
        static constexpr int kThird[4] = {2, 4, 5, 5};
        return kThird[level % 4];
    }
    return 5;
}

int CAIPlayer::DifficultyFor(int level, int opponent)
{
    const int own = DifficultyForLevel(level);
    switch (NOpponents::FromStored(opponent))
    {
    case NOpponents::kGentle:
        return kGentleDifficulty;
    case NOpponents::kFierce:
        // Strengths up to 2 search as 2, 3 and 4 as 4: one level up each.
        return own <= 2 ? 4 : 5;
    default:
        return own;
    }
}

void CAIPlayer::Update(float)
{
    if (!m_field)
        return;
    if (m_state == PlayerTurn && !m_field->IsLevelFinished())
    {
        ChooseMove();
    }
    else if (m_state == PlayerMoving && m_field->IsIdle() && !m_field->IsLevelFinished())
    {
        m_state = PlayerWaiting;
    }
}

float CAIPlayer::MeasureOwned() const
{
    if (!m_field)
        return 1.0f;
    const int playable = m_field->CountPlayableCells();
    // A board without flowers has nothing left to win.
    if (playable == 0)
        return 1.0f;
    int owned = m_field->CountRegion(m_home_row, m_home_column);
    for (const CPlayer* player : Registry())
        if (player != this && player->GetField() == m_field)
            owned += m_field->CountRegion(player->GetHomeRow(), player->GetHomeColumn());
    return static_cast<float>(owned) / static_cast<float>(playable);
}

int CAIPlayer::DepthFor(float owned) const
{
    if (m_search_level == 5)
        return owned < 0.4f ? 3 : (owned < 0.7f ? 2 : 1);
    if (m_search_level == 4)
        return owned < 0.4f ? 2 : 1;
    return 1;
}

std::int64_t CAIPlayer::Weight(int row, int column, int distance) const
{
    if (m_search_level == 4 && m_owned < 0.4f)
        return static_cast<std::int64_t>(distance) * distance;
    if (m_search_level == 5)
    {
        const int mid = m_field->GetRows() / 2;
        const std::int64_t x = std::abs(mid - row) + 2 * column;
        const std::int64_t ahead = 2 * m_home_column - x;
        const std::int64_t across = row - m_home_row;
        if (m_owned < 0.1f)
            return ahead * ahead - across * across;
        if (m_owned < 0.4f)
            return ahead * ahead * ahead;
        if (m_owned < 0.7f)
            return static_cast<std::int64_t>(distance) * distance;
    }
    return 1;
}

CColourMap CAIPlayer::BuildDistanceMap() const
{
    if (!m_field)
        return CColourMap();
    CColourMap map = m_field->MakeColourMap();
    for (int& value : map.Values())
        if (value >= 0)
            value = -2;
    if (!m_field->IsValidCell(m_home_row, m_home_column))
        return map;
    map.At(m_home_row, m_home_column) = 0;
    std::vector<SCellPos> queue{{m_home_row, m_home_column}};
    const int mid = m_field->GetRows() / 2;
    for (std::size_t head = 0; head < queue.size(); ++head)
    {
        const int r = queue[head].m_row;
        const int c = queue[head].m_column;
        const int side = r < mid ? 1 : (r == mid ? 0 : -1);
        const SCellPos next[6] = {{r - 1, c},
                                  {r + 1, c},
                                  {r, c - 1},
                                  {r, c + 1},
                                  {r - 1, side < 0 ? c + 1 : c - 1},
                                  {r + 1, side > 0 ? c + 1 : c - 1}};
        for (const SCellPos& n : next)
        {
            if (!m_field->IsValidCell(n.m_row, n.m_column) || map.At(n.m_row, n.m_column) != -2)
                continue;
            map.At(n.m_row, n.m_column) = map.At(r, c) + 1;
            queue.push_back(n);
        }
    }
    return map;
}

std::vector<std::int64_t> CAIPlayer::WeightsFor(const CColourMap& distances) const
{
    std::vector<std::int64_t> weights(distances.Values().size(), 0);
    const int columns = distances.GetColumns();
    for (int r = 0; r < distances.GetRows(); ++r)
        for (int c = 0; c < columns; ++c)
            weights[static_cast<std::size_t>(r * columns + c)] = Weight(r, c, distances.At(r, c));
    return weights;
}

std::int64_t CAIPlayer::ScoreTerritory(CColourMap& map, const CColourMap& distances, int row, int column,
                                       int value) const
{
    if (!m_field || distances.GetRows() != map.GetRows() || distances.GetColumns() != map.GetColumns())
        return 0;
    return ScoreArea(map, WeightsFor(distances), row, column, value);
}

std::int64_t CAIPlayer::ScoreArea(CColourMap& map, const std::vector<std::int64_t>& weights, int row,
                                  int column, int value) const
{
    if (!m_field || !m_field->IsValidCell(m_home_row, m_home_column) || !m_field->IsValidCell(row, column))
        return 0;
    // Maps of another board shape would be read out of bounds.
    const int columns = m_field->GetColumns();
    if (map.GetRows() != m_field->GetRows() || map.GetColumns() != columns ||
        weights.size() != map.Values().size())
        return 0;
    const int own = map.At(m_home_row, m_home_column);
    // Holes and marks are no territory; re-marking an area with its own value
    // would walk it for ever.
    if (own < 0 || own == value || map.At(row, column) != own)
        return 0;
    const std::vector<SNeighbours>& table = NeighbourTable(map.GetRows(), columns);
    std::vector<int>& values = map.Values();
    std::int64_t sum = 0;
    // Cells are marked as they are queued, so each is queued once; the sum
    // does not depend on the order of the walk.
    static thread_local std::vector<int> queue;
    queue.clear();
    const int start = row * columns + column;
    queue.push_back(start);
    values[static_cast<std::size_t>(start)] = value;
    for (std::size_t head = 0; head < queue.size(); ++head)
    {
        const int index = queue[head];
        sum += weights[static_cast<std::size_t>(index)];
        for (int n : table[static_cast<std::size_t>(index)])
        {
            if (n < 0 || values[static_cast<std::size_t>(n)] != own)
                continue;
            values[static_cast<std::size_t>(n)] = value;
            queue.push_back(n);
        }
    }
    return sum < 0 ? 0 : sum;
}

const std::vector<CAIPlayer::SNeighbours>& CAIPlayer::NeighbourTable(int rows, int columns) const
{
    if (m_table_rows == rows && m_table_columns == columns)
        return m_neighbour_table;
    m_table_rows = rows;
    m_table_columns = columns;
    m_neighbour_table.assign(static_cast<std::size_t>(rows * columns), SNeighbours{-1, -1, -1, -1, -1, -1});
    const int mid = rows / 2;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
        {
            if (!m_field->IsValidCell(r, c))
                continue;
            const int side = r < mid ? 1 : (r == mid ? 0 : -1);
            const int next[6][2] = {{r - 1, c},
                                    {r + 1, c},
                                    {r, c - 1},
                                    {r, c + 1},
                                    {r - 1, side < 0 ? c + 1 : c - 1},
                                    {r + 1, side > 0 ? c + 1 : c - 1}};
            SNeighbours& out = m_neighbour_table[static_cast<std::size_t>(r * columns + c)];
            for (int i = 0; i < 6; ++i)
                out[static_cast<std::size_t>(i)] =
                    m_field->IsValidCell(next[i][0], next[i][1]) ? next[i][0] * columns + next[i][1] : -1;
        }
    return m_neighbour_table;
}

void CAIPlayer::SearchColour(const CColourMap& map, const CColourMap& distances, int depth, bool allowedOnly,
                             int& colour, std::int64_t& score) const
{
    colour = -1;
    score = 0;
    if (distances.GetRows() != map.GetRows() || distances.GetColumns() != map.GetColumns())
        return;
    Search(map, WeightsFor(distances), depth, allowedOnly, colour, score);
}

void CAIPlayer::Search(const CColourMap& map, const std::vector<std::int64_t>& weights, int depth,
                       bool allowedOnly, int& colour, std::int64_t& score) const
{
    colour = -1;
    score = 0;
    if (depth <= 0 || !m_field || !m_field->IsValidCell(m_home_row, m_home_column) ||
        map.GetRows() != m_field->GetRows() || map.GetColumns() != m_field->GetColumns())
        return;
    // The territory after each colour, one walk for all colours; deeper plies
    // play on a copy with the territory turned to that colour.
    std::int64_t sums[CField::kColourCount];
    LastPlySums(map, weights, sums);
    std::int64_t best = 0;
    int bestColour = -1;
    CColourMap copy;
    for (int k = 0; k < m_field->GetColourCount() && k < CField::kColourCount; ++k)
    {
        if (k == map.At(m_home_row, m_home_column) || (allowedOnly && !m_field->IsColourAllowed(k)))
            continue;
        std::int64_t deeper = 0;
        if (depth > 1)
        {
            copy = map;
            ScoreArea(copy, weights, m_home_row, m_home_column, k);
            int deeperColour = -1;
            Search(copy, weights, depth - 1, false, deeperColour, deeper);
        }
        const std::int64_t s = (sums[k] < 0 ? 0 : sums[k]) + deeper;
        if (s > best)
        {
            best = s;
            bestColour = k;
        }
    }
    colour = bestColour;
    score = best;
}

void CAIPlayer::LastPlySums(const CColourMap& map, const std::vector<std::int64_t>& weights,
                            std::int64_t sums[CField::kColourCount]) const
{
    for (int k = 0; k < CField::kColourCount; ++k)
        sums[k] = 0;
    const int rows = map.GetRows();
    const int columns = map.GetColumns();
    if (!m_field || rows != m_field->GetRows() || columns != m_field->GetColumns() ||
        weights.size() != map.Values().size() || !m_field->IsValidCell(m_home_row, m_home_column))
        return;
    const int own = map.At(m_home_row, m_home_column);
    if (own < 0)
        return;
    // Playing colour k joins the territory with every area of k touching it,
    // so one walk of the territory and one of each touching area give the
    // sums for all colours at once, instead of two walks per colour.
    const std::vector<SNeighbours>& table = NeighbourTable(rows, columns);
    const std::vector<int>& values = map.Values();
    static thread_local std::vector<unsigned char> seen;
    static thread_local std::vector<int> queue;
    static thread_local std::vector<int> area;
    seen.assign(values.size(), 0);
    const auto walk = [&](int from, int value, std::vector<int>& cells)
    {
        std::int64_t sum = 0;
        cells.clear();
        cells.push_back(from);
        seen[static_cast<std::size_t>(from)] = 1;
        for (std::size_t head = 0; head < cells.size(); ++head)
        {
            const int index = cells[head];
            sum += weights[static_cast<std::size_t>(index)];
            for (int n : table[static_cast<std::size_t>(index)])
                if (n >= 0 && !seen[static_cast<std::size_t>(n)] &&
                    values[static_cast<std::size_t>(n)] == value)
                {
                    seen[static_cast<std::size_t>(n)] = 1;
                    cells.push_back(n);
                }
        }
        return sum;
    };
    const std::int64_t territory = walk(m_home_row * columns + m_home_column, own, queue);
    std::int64_t touching[CField::kColourCount] = {};
    for (int index : queue)
    {
        for (int n : table[static_cast<std::size_t>(index)])
        {
            if (n < 0 || seen[static_cast<std::size_t>(n)])
                continue;
            const int value = values[static_cast<std::size_t>(n)];
            if (value >= 0 && value < CField::kColourCount && value != own)
                touching[value] += walk(n, value, area);
        }
    }
    for (int k = 0; k < CField::kColourCount; ++k)
        sums[k] = territory + touching[k];
}

int CAIPlayer::PickColour()
{
    if (!m_field)
        return -1;
    const CColourMap map = m_field->MakeColourMap();
    if (m_search_level == 1)
        return GentleColour(map);
    const CColourMap distances = BuildDistanceMap();
    m_owned = MeasureOwned();
    int colour = -1;
    std::int64_t score = 0;
    SearchColour(map, distances, DepthFor(m_owned), true, colour, score);
    if (colour < 0)
        colour = LargestTerritoryColour(map);
    return colour;
}

int CAIPlayer::LargestTerritoryColour(const CColourMap& map) const
{
    // Weights that never turn positive (cells far above or below the home
    // early in a hard level) leave every colour at 0; searching again would
    // find the same, so the most cells after the move decide.
    const std::vector<std::int64_t> cells(map.Values().size(), 1);
    std::int64_t sums[CField::kColourCount];
    LastPlySums(map, cells, sums);
    int best = -1;
    for (int k = 0; k < m_field->GetColourCount() && k < CField::kColourCount; ++k)
        if (m_field->IsColourAllowed(k) && (best < 0 || sums[k] > sums[best]))
            best = k;
    return best;
}

int CAIPlayer::GentleColour(const CColourMap& map) const
{
    // Of the two largest bites one is taken at random: a player who keeps
    // to the greedy colour wins most levels, one who looks ahead nearly all.
    constexpr int kChoices = 2;
    const std::vector<std::int64_t> cells(map.Values().size(), 1);
    std::int64_t sums[CField::kColourCount];
    LastPlySums(map, cells, sums);
    const int own = m_field->IsValidCell(m_home_row, m_home_column) ? map.At(m_home_row, m_home_column) : -1;
    if (own < 0 || own >= CField::kColourCount)
        return LargestTerritoryColour(map);
    int gaining[CField::kColourCount];
    int count = 0;
    for (int k = 0; k < m_field->GetColourCount() && k < CField::kColourCount; ++k)
        if (k != own && m_field->IsColourAllowed(k) && sums[k] > sums[own])
            gaining[count++] = k;
    if (count == 0)
        return LargestTerritoryColour(map);
    std::stable_sort(gaining, gaining + count, [&](int a, int b) { return sums[a] > sums[b]; });
    return gaining[RandomModulo(std::min(count, kChoices))];
}

void CAIPlayer::ChooseMove()
{
    // A move the board refuses passes the turn: choosing again would find
    // the same colour every frame and the human would never move again.
    if (!PlayColour(PickColour(), false))
        m_state = PlayerMoving;
}
} // namespace NGame
