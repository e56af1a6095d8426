// The opponent's search. Depth and cell weights follow its search level and
// how much of the board is already taken: early on a strong opponent races
// along the middle towards the human, later it grabs cells far from home and
// at the end it simply counts cells.
#include "rules/AIPlayer.h"

#include <cstdlib>

namespace NGame
{
CAIPlayer::CAIPlayer(int homeRow, int homeColumn, CField* field, int difficulty)
    : CPlayer(homeRow, homeColumn, field)
{
    if (difficulty <= 1)
        m_searchLevel = 2;
    else if (difficulty == 3)
        m_searchLevel = 4;
    else if (difficulty >= 5)
        m_searchLevel = 5;
    else
        m_searchLevel = difficulty;
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

void CAIPlayer::Update(float)
{
    if (!m_field)
        return;
    if (m_state == PlayerTurn && !m_field->IsLevelFinished())
    {
        ChooseMove();
        ++m_moveCount;
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
    int owned = m_field->CountRegion(m_homeRow, m_homeColumn);
    for (const CPlayer* player : Registry())
        if (player != this && player->GetField() == m_field)
            owned += m_field->CountRegion(player->GetHomeRow(), player->GetHomeColumn());
    return static_cast<float>(owned) / static_cast<float>(playable);
}

int CAIPlayer::DepthFor(float owned) const
{
    if (m_searchLevel == 5)
        return owned < 0.4f ? 3 : (owned < 0.7f ? 2 : 1);
    if (m_searchLevel == 4)
        return owned < 0.4f ? 2 : 1;
    return 1;
}

std::int64_t CAIPlayer::Weight(int row, int column, int distance) const
{
    if (m_searchLevel == 4 && m_owned < 0.4f)
        return static_cast<std::int64_t>(distance) * distance;
    if (m_searchLevel == 5)
    {
        const int mid = m_field->GetRows() / 2;
        const std::int64_t x = std::abs(mid - row) + 2 * column;
        const std::int64_t ahead = 2 * m_homeColumn - x;
        const std::int64_t across = row - m_homeRow;
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
    if (!m_field->IsValidCell(m_homeRow, m_homeColumn))
        return map;
    map.At(m_homeRow, m_homeColumn) = 0;
    std::vector<SCellPos> queue{{m_homeRow, m_homeColumn}};
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

std::int64_t CAIPlayer::ScoreTerritory(CColourMap& map, const CColourMap& distances, int row, int column,
                                       int value) const
{
    if (!m_field || !m_field->IsValidCell(m_homeRow, m_homeColumn) || !m_field->IsValidCell(row, column))
        return 0;
    // Maps of another board shape would be read out of bounds.
    const int columns = m_field->GetColumns();
    if (map.GetRows() != m_field->GetRows() || map.GetColumns() != columns ||
        distances.GetRows() != map.GetRows() || distances.GetColumns() != columns)
        return 0;
    const int own = map.At(m_homeRow, m_homeColumn);
    // Holes and marks are no territory; re-marking an area with its own value
    // would walk it for ever.
    if (own < 0 || own == value)
        return 0;
    const int rows = m_field->GetRows();
    const int mid = rows / 2;
    std::int64_t sum = 0;
    static thread_local std::vector<SCellPos> queue;
    queue.clear();
    queue.push_back({row, column});
    for (std::size_t head = 0; head < queue.size(); ++head)
    {
        const int r = queue[head].m_row;
        const int c = queue[head].m_column;
        int& at = map.At(r, c);
        if (at != own)
            continue;
        at = value;
        sum += Weight(r, c, distances.At(r, c));
        const int side = r < mid ? 1 : (r == mid ? 0 : -1);
        const SCellPos next[6] = {{r - 1, c},
                                  {r + 1, c},
                                  {r, c - 1},
                                  {r, c + 1},
                                  {r - 1, side < 0 ? c + 1 : c - 1},
                                  {r + 1, side > 0 ? c + 1 : c - 1}};
        for (const SCellPos& n : next)
            if (m_field->IsValidCell(n.m_row, n.m_column))
                queue.push_back(n);
    }
    return sum < 0 ? 0 : sum;
}

void CAIPlayer::SearchColour(const CColourMap& map, const CColourMap& distances, int depth, bool allowedOnly,
                             int& colour, std::int64_t& score) const
{
    colour = -1;
    score = 0;
    if (depth <= 0 || !m_field || !m_field->IsValidCell(m_homeRow, m_homeColumn) ||
        map.GetRows() != m_field->GetRows() || map.GetColumns() != m_field->GetColumns())
        return;
    CColourMap copy = map;
    std::int64_t best = 0;
    int bestColour = -1;
    for (int k = 0; k < m_field->GetColourCount(); ++k)
    {
        if (k == copy.At(m_homeRow, m_homeColumn) || (allowedOnly && !m_field->IsColourAllowed(k)))
            continue;
        ScoreTerritory(copy, distances, m_homeRow, m_homeColumn, k);
        int deeperColour = -1;
        std::int64_t deeper = 0;
        SearchColour(copy, distances, depth - 1, false, deeperColour, deeper);
        const std::int64_t s = ScoreTerritory(copy, distances, m_homeRow, m_homeColumn, -1) + deeper;
        if (s > best)
        {
            best = s;
            bestColour = k;
        }
        copy.Values() = map.Values();
    }
    colour = bestColour;
    score = best;
}

int CAIPlayer::PickColour()
{
    if (!m_field)
        return -1;
    const CColourMap map = m_field->MakeColourMap();
    const CColourMap distances = BuildDistanceMap();
    m_owned = MeasureOwned();
    int colour = -1;
    std::int64_t score = 0;
    SearchColour(map, distances, DepthFor(m_owned), true, colour, score);
    return colour;
}

void CAIPlayer::ChooseMove()
{
    // Without a positive score the colour is -1, the board refuses it and the
    // turn stays, so the search runs again next frame.
    PlayColour(PickColour(), false);
}
} // namespace NGame
