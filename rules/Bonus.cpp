// The carrier's course shared by every bonus, and the board queries the
// bonuses choose their targets with.
#include "rules/Bonus.h"

#include "rules/Random.h"

#include <algorithm>
#include <cmath>

namespace NGame
{
namespace
{
constexpr float kOffScreenX = 800.0f;
constexpr float kWaveDelayPerUnit = 3.0f;
} // namespace

CBonus::CBonus(CField& field)
    : m_field(field), m_insect(std::make_unique<CInsect>(field.GetInsectClock())), m_mid(field.GetRows() / 2),
      m_last(field.GetColumns() - 1)
{
    m_insect->m_x = -50.0f;
    m_insect->m_y = static_cast<float>(RandomModulo(600));
}

CBonus::~CBonus() = default;

bool CBonus::Update(float elapsedMs)
{
    m_insect->Update(elapsedMs);
    return false;
}

bool CBonus::Carry(float elapsedMs, float leaveDelayMs)
{
    m_insect->Update(elapsedMs);
    if (m_insect->m_state != InsectArrived)
        return false;
    if (m_insect->m_x >= kOffScreenX)
        return true;
    // Only the first arrival is at the target; every later one is off screen.
    m_insect->SetTarget(kLeaveX, static_cast<float>(RandomModulo(600)));
    m_insect->m_delay = leaveDelayMs;
    m_field.QueueSound(kBoardSoundBonus);
    m_arrived = true;
    m_acted = Arrive();
    return false;
}

void CBonus::FlyTo(int row, int column)
{
    float x = 0.0f;
    float y = 0.0f;
    m_field.CellPosition(row, column, x, y);
    m_insect->SetTarget(x, y);
}

void CBonus::AimAtFreeFlower(SCellPos& target)
{
    const std::vector<SCellPos> candidates = FreeCells(m_field, m_field.GetCellColour(m_mid, 0));
    target = candidates.empty()
                 ? SCellPos{m_mid, 0}
                 : candidates[static_cast<std::size_t>(RandomModulo(static_cast<int>(candidates.size())))];
    FlyTo(target.m_row, target.m_column);
}

bool CBonus::ChooseFreeFlower(SCellPos& target, int& colour) const
{
    colour = m_field.GetCellColour(m_mid, 0);
    if (colour < 0)
        return false;
    const std::vector<SCellPos> candidates = FreeCells(m_field, colour);
    if (candidates.empty())
        return false;
    if (std::find(candidates.begin(), candidates.end(), target) != candidates.end())
        return true;
    // The board changed under the carrier: the nearest flower that still
    // qualifies, so that the change shows where the carrier is.
    float best = -1.0f;
    for (const SCellPos& at : candidates)
    {
        const float distance = DistanceFrom(at.m_row, at.m_column, m_insect->m_x, m_insect->m_y);
        if (best < 0.0f || distance < best)
        {
            best = distance;
            target = at;
        }
    }
    return true;
}

bool CBonus::HasFreeFlowerToRepaint(const CField& field)
{
    const int colour = field.GetCellColour(field.GetRows() / 2, 0);
    return colour >= 0 && !FreeCells(field, colour).empty();
}

std::vector<SCellPos> CBonus::FreeCells(const CField& field, int exceptColour)
{
    const int mid = field.GetRows() / 2;
    CColourMap map = field.MakeColourMap();
    field.FloodMark(map, mid, 0, -3, -1);
    field.FloodMark(map, mid, field.GetColumns() - 1, -3, -1);
    std::vector<SCellPos> cells;
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
            if (map.At(r, c) >= 0 && map.At(r, c) != exceptColour)
                cells.push_back({r, c});
    return cells;
}

std::vector<SCellPos> CBonus::OpponentCellsBeyondHome(const CField& field)
{
    const int mid = field.GetRows() / 2;
    const int last = field.GetColumns() - 1;
    std::vector<SCellPos> cells = Marked(field, MarkTerritory(field, mid, last, -4), -4);
    cells.erase(std::remove(cells.begin(), cells.end(), SCellPos{mid, last}), cells.end());
    return cells;
}

CColourMap CBonus::MarkTerritory(const CField& field, int row, int column, int mark)
{
    CColourMap map = field.MakeColourMap();
    // A hole under a home has no territory to mark.
    if (field.GetCellColour(row, column) >= 0)
        field.FloodMark(map, row, column, mark, -100);
    return map;
}

std::vector<SCellPos> CBonus::Marked(const CField& field, const CColourMap& map, int mark)
{
    std::vector<SCellPos> cells;
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
            if (map.At(r, c) == mark)
                cells.push_back({r, c});
    return cells;
}

float CBonus::DistanceFrom(int row, int column, float x, float y) const
{
    float cx = 0.0f;
    float cy = 0.0f;
    m_field.CellPosition(row, column, cx, cy);
    return std::sqrt((cx - x) * (cx - x) + (cy - y) * (cy - y));
}

void CBonus::RandomizeCells(const std::vector<SCellPos>& cells, float x, float y)
{
    for (const SCellPos& at : cells)
    {
        m_field.PaintCell(at.m_row, at.m_column, RandomModulo(CField::kColourCount), false);
        m_field.SetCellDelay(at.m_row, at.m_column,
                             kWaveDelayPerUnit * DistanceFrom(at.m_row, at.m_column, x, y));
    }
}
} // namespace NGame
