// The board: geometry, level building from masks, move rules with enclosure
// capture, the moving set's scrolling, the intro's insects and the drawing.
#include "rules/Field.h"

#include "platform/Gl.h"
#include "rules/LevelState.h"
#include "rules/Random.h"
#include "storage/PropertyFile.h"
#include "storage/Settings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace NGame
{
namespace
{
constexpr float kMagnifiedSize = 56.0f;
constexpr float kMaxMagnifiedWidth = 48.0f;
constexpr float kFlipDelayPerUnit = 3.0f;
constexpr int kMaxInsectTries = 10000;
const char* const kMovingPattern = "dat/levels_moving/lev%03d.raw";

// Columns and band of a level; levels repeat their shapes every hundred.
int ColumnsForLevel(int level)
{
    const int l = ((level % 100) + 100) % 100;
    const int q = l / 18;
    const int band = (l % 18) / 6;
    const int base = band == 0 ? 21 : (band == 1 ? 18 : 30);
    return (l % 6) + 2 * q + base;
}

// Truncation towards zero that refuses values no int can hold.
bool TruncateToInt(float value, int& out)
{
    if (!(value > -1.0e9f && value < 1.0e9f))
        return false;
    out = static_cast<int>(value);
    return true;
}

// The pattern's "%03d" replaced by the index; every other character is taken
// as it stands, so a stored pattern can never act as a format string.
std::string FormatPattern(const std::string& pattern, int index)
{
    const std::size_t at = pattern.find("%03d");
    if (at == std::string::npos)
        return pattern;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", index);
    return pattern.substr(0, at) + digits + pattern.substr(at + 4);
}

// A breadth-first walk: `accept` decides on each cell as it leaves the queue;
// only accepted cells queue their neighbours, in the order (r-1, c),
// (r+1, c), (r, c-1), (r, c+1) and then the two diagonal ones of the row's
// side of the middle.
template <typename Valid, typename Accept>
void Walk(int rows, int row, int column, const Valid& valid, const Accept& accept)
{
    static thread_local std::vector<SCellPos> queue;
    queue.clear();
    queue.push_back({row, column});
    const int mid = rows / 2;
    for (std::size_t head = 0; head < queue.size(); ++head)
    {
        const SCellPos at = queue[head];
        if (!accept(at.m_row, at.m_column))
            continue;
        const int r = at.m_row;
        const int c = at.m_column;
        SCellPos next[6] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}, {}, {}};
        if (r < mid)
        {
            next[4] = {r - 1, c - 1};
            next[5] = {r + 1, c + 1};
        }
        else if (r == mid)
        {
            next[4] = {r - 1, c - 1};
            next[5] = {r + 1, c - 1};
        }
        else
        {
            next[4] = {r - 1, c + 1};
            next[5] = {r + 1, c - 1};
        }
        for (const SCellPos& n : next)
            if (valid(n.m_row, n.m_column))
                queue.push_back(n);
    }
}
} // namespace

CField::CField(const std::string& directory, int levelsCount, int advancedSet,
               const SFieldResources& resources, MaskReader maskReader)
    : m_pattern(directory + "/lev%03d.raw"), m_levelsCount(levelsCount > 0 ? levelsCount : 1),
      m_refillLevelsCount(levelsCount), m_advancedSet(advancedSet), m_resources(resources),
      m_defaultCellSprite(8, 16, 50, nullptr), m_maskReader(std::move(maskReader))
{
    BuildLevel();
}

CField::~CField() = default;

void CField::SetPointer(float x, float y, bool rightButtonHeld)
{
    m_pointerX = x;
    m_pointerY = y;
    m_rightButton = rightButtonHeld;
}

// ---------------------------------------------------------------- levels

void CField::DeleteCells()
{
    for (auto& row : m_cells)
        for (auto& cell : row)
            cell.reset();
}

void CField::SetLevel(int level)
{
    m_level = level;
    DeleteCells();
    m_insects.clear();
    BuildLevel();
}

void CField::AdvanceLevel(int delta)
{
    m_level += delta;
    // The moving set shares the classic flag but has no levels to unlock.
    if (m_settings && m_pattern != kMovingPattern)
    {
        if (m_advancedSet == 0)
        {
            if (m_settings->m_classic_level < m_level + 1)
                m_settings->m_classic_level = m_level + 1;
        }
        else if (m_settings->m_adv_level < m_level + 1)
        {
            m_settings->m_adv_level = m_level + 1;
        }
    }
    SetLevel(m_level);
}

void CField::ChangeLevelSet(const std::string& directory, int advancedSet)
{
    m_advancedSet = advancedSet;
    m_pattern = directory + "/lev%03d.raw";
    SetLevel(m_level);
}

void CField::BeginLevelOut()
{
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c])
                m_cells[r][c]->FadeOut();
    m_state = Leaving;
}

void CField::ComputeGeometry()
{
    m_columns = ColumnsForLevel(m_level);
    m_cellWidth = 776.0f / static_cast<float>(m_columns);
    m_halfWidth = m_cellWidth / 2.0f;
    m_columnPitch = m_cellWidth;
    m_rowPitch = std::sqrt(m_halfWidth * 3.0f * m_halfWidth);
    m_rows = static_cast<int>(532.0f / m_rowPitch);
    if (m_rows % 2 == 0)
    {
        ++m_rows;
        m_rowPitch = 532.0f / static_cast<float>(m_rows);
    }
    m_originX = m_cellWidth / 2.0f + 12.0f;
    m_originY = 282.0f;
    m_colourCount = kColourCount;
}

CDataBuffer CField::ReadMask(int index) const
{
    if (!m_maskReader)
        return CDataBuffer();
    return m_maskReader(FormatPattern(m_pattern, index));
}

int CField::MaskByte(const CDataBuffer& mask, float x, float y)
{
    int ix = 0;
    int iy = 0;
    if (!TruncateToInt(x, ix) || !TruncateToInt(y, iy) || ix < 0 || iy < 0 || ix >= kMaskWidth)
        return -1;
    const long long index = static_cast<long long>(ix) + static_cast<long long>(iy) * kMaskWidth;
    if (index >= mask.Size())
        return -1;
    return mask.Data()[index];
}

bool CField::IsHomePosition(int row, int column) const
{
    return row == m_rows / 2 && (column == 0 || column == m_columns - 1);
}

bool CField::IsMaskHole(const CDataBuffer& mask, int row, int column) const
{
    // Without a flower under each home neither side could ever move.
    if (IsHomePosition(row, column))
        return false;
    float x = 0.0f;
    float y = 0.0f;
    CellPosition(row, column, x, y);
    // A missing or short mask leaves the uncovered cells as holes.
    return MaskByte(mask, x, y) <= 0;
}

std::unique_ptr<CCell> CField::MakeCell(int colour, int row, int column) const
{
    float x = 0.0f;
    float y = 0.0f;
    CellPosition(row, column, x, y);
    const CSprite& sprite = m_resources.m_cellSprite ? *m_resources.m_cellSprite : m_defaultCellSprite;
    return std::make_unique<CCell>(colour, sprite, m_resources.m_coinSprite, x, y, m_cellWidth);
}

void CField::BuildLevel()
{
    m_levelFinished = false;
    ComputeGeometry();
    const int mid = m_rows / 2;
    const int l = ((m_level % 100) + 100) % 100;
    const CDataBuffer mask = ReadMask(l % m_levelsCount);

    for (int r = 0; r < m_rows; ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            int colour = 0;
            if (r == mid && c == m_columns - 1)
            {
                // The two homes never start in the same colour.
                const int human = m_cells[mid][0]->GetFlowerColour();
                do
                    colour = RandomModulo(kColourCount);
                while (colour == human);
            }
            else
            {
                colour = RandomModulo(kColourCount);
            }
            m_cells[r][c] = MakeCell(colour, r, c);
            CCell& cell = *m_cells[r][c];
            cell.SetHole(IsMaskHole(mask, r, c));
            cell.FadeIn();
        }
    }

    // The human's start cluster takes colours other than the opponent's home.
    const int opponent = m_cells[mid][m_columns - 1]->GetFlowerColour();
    const SCellPos cluster[4] = {{mid, 0}, {mid, 1}, {mid - 1, 0}, {mid + 1, 0}};
    for (const SCellPos& at : cluster)
    {
        if (!IsValidCell(at.m_row, at.m_column))
            continue;
        int colour = 0;
        do
            colour = RandomModulo(kColourCount);
        while (colour == opponent);
        m_cells[at.m_row][at.m_column]->SetColourDirect(colour);
    }

    for (int i = 0; i < 3; ++i)
        SpawnInsect(0);
    if (RandomModulo(2) == 1)
        SpawnInsect(1);
    if (RandomModulo(2) == 1)
        SpawnInsect(1);
    if (RandomModulo(4) == 1)
        SpawnInsect(2);
    if (RandomModulo(8) == 1)
        SpawnInsect(3);
    if (RandomModulo(16) == 1)
        SpawnInsect(4);
    m_state = Intro;
}

// ---------------------------------------------------------------- queries

bool CField::IsValidCell(int row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < RowLength(row);
}

int CField::RowLength(int row) const
{
    const int mid = m_rows / 2;
    if (row < 0 || row >= m_rows)
        return 0;
    return m_columns - std::abs(mid - row);
}

CCell* CField::GetCell(int row, int column) const
{
    if (!IsValidCell(row, column) || row >= kMaxCells || column >= kMaxCells)
        return nullptr;
    return m_cells[row][column].get();
}

int CField::GetCellColour(int row, int column) const
{
    const CCell* cell = GetCell(row, column);
    return cell ? cell->GetColour() : -1;
}

bool CField::IsHole(int row, int column) const
{
    const CCell* cell = GetCell(row, column);
    return cell && cell->IsHole();
}

bool CField::IsChanged(int row, int column) const
{
    const CCell* cell = GetCell(row, column);
    return cell && cell->IsChanged();
}

int CField::GetCoin(int row, int column) const
{
    const CCell* cell = GetCell(row, column);
    return cell ? cell->GetCoin() : -1;
}

void CField::CellPosition(int row, int column, float& x, float& y) const
{
    const int mid = m_rows / 2;
    x = m_originX + static_cast<float>(column) * m_cellWidth +
        static_cast<float>(std::abs(row - mid)) * m_cellWidth / 2.0f;
    y = m_originY + static_cast<float>(row - mid) * m_rowPitch;
}

SCellPos CField::CellAt(float x, float y) const
{
    SCellPos at;
    int inner = 0;
    if (!TruncateToInt(y - m_originY + static_cast<float>(m_rows) / 2.0f * m_rowPitch, inner) ||
        !TruncateToInt(static_cast<float>(inner) / m_rowPitch, at.m_row))
        return SCellPos();
    // Rows outside the board still get a shape so that the column follows
    // the same arithmetic; the caller tests validity.
    const int length = m_columns - std::abs(m_rows / 2 - at.m_row);
    if (!TruncateToInt(x - m_originX - static_cast<float>(m_columns - length) * m_cellWidth / 2.0f +
                           m_cellWidth / 2.0f,
                       inner) ||
        !TruncateToInt(static_cast<float>(inner) / m_cellWidth, at.m_column))
        return SCellPos();
    return at;
}

CColourMap CField::MakeColourMap() const
{
    CColourMap map(m_rows, m_columns);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
            map.At(r, c) = GetCellColour(r, c);
    return map;
}

void CField::AddHome(int row, int column)
{
    m_homes.push_back(row);
    m_homes.push_back(column);
}

void CField::RemoveHome(int row, int column)
{
    for (std::size_t i = 0; i + 1 < m_homes.size(); i += 2)
    {
        if (m_homes[i] == row && m_homes[i + 1] == column)
        {
            m_homes.erase(m_homes.begin() + static_cast<long>(i), m_homes.begin() + static_cast<long>(i) + 2);
            return;
        }
    }
}

void CField::SetCellLit(int row, int column, bool lit)
{
    CCell* cell = GetCell(row, column);
    if (cell && (m_state == Idle || m_state == Settling))
        cell->SetLit(lit);
}

bool CField::SetCellHover(int row, int column, bool hover)
{
    CCell* cell = GetCell(row, column);
    if (!cell || (m_state != Idle && m_state != Settling))
        return false;
    cell->SetHover(hover);
    return true;
}

void CField::SetCellDelay(int row, int column, float ms)
{
    if (CCell* cell = GetCell(row, column))
        cell->SetDelay(ms);
}

void CField::SetCellCoin(int row, int column, int kind)
{
    if (CCell* cell = GetCell(row, column))
        cell->SetCoin(kind < 0 || kind > 4 ? -1 : kind);
}

std::vector<std::string> CField::TakeSounds()
{
    std::vector<std::string> sounds;
    sounds.swap(m_sounds);
    return sounds;
}

// ---------------------------------------------------------------- move rules

bool CField::IsColourAllowed(int colour) const
{
    if (colour < 0 || colour >= m_colourCount)
        return false;
    for (std::size_t i = 0; i + 1 < m_homes.size(); i += 2)
        if (GetCellColour(m_homes[i], m_homes[i + 1]) == colour)
            return false;
    return true;
}

bool CField::FloodMark(CColourMap& map, int row, int column, int mark, int stop) const
{
    if (!IsValidCell(row, column) || map.GetRows() != m_rows || map.GetColumns() != m_columns)
        return false;
    const int value = map.At(row, column);
    // An area already carrying the mark has nothing left to mark; walking it
    // again would never end.
    if (value == mark && value != stop)
        return false;
    bool touches = false;
    Walk(
        m_rows, row, column, [this](int r, int c) { return IsValidCell(r, c); },
        [&](int r, int c)
        {
            int& at = map.At(r, c);
            if (at == stop)
            {
                touches = true;
                return false;
            }
            if (at != value)
                return false;
            at = mark;
            return true;
        });
    return touches;
}

void CField::PaintMarked(const CColourMap& map, int mark, int colour)
{
    if (map.GetRows() != m_rows || map.GetColumns() != m_columns)
        return;
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (map.At(r, c) == mark && m_cells[r][c])
                m_cells[r][c]->SetColour(colour);
}

int CField::CountRegion(int row, int column) const
{
    if (!IsValidCell(row, column))
        return 0;
    CColourMap map = MakeColourMap();
    const int value = map.At(row, column);
    // Holes are never part of a territory, even under a home.
    if (value < 0)
        return 0;
    int count = 0;
    Walk(
        m_rows, row, column, [this](int r, int c) { return IsValidCell(r, c); },
        [&](int r, int c)
        {
            int& at = map.At(r, c);
            if (at != value)
                return false;
            ++count;
            at = -1;
            return true;
        });
    return count;
}

int CField::CountPlayableCells() const
{
    int count = 0;
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c] && !m_cells[r][c]->IsHole())
                ++count;
    return count;
}

bool CField::AllCellsOwned() const
{
    // One shared map: a territory two homes share is counted once.
    CColourMap map = MakeColourMap();
    int total = 0;
    for (std::size_t i = 0; i + 1 < m_homes.size(); i += 2)
    {
        const int hr = m_homes[i];
        const int hc = m_homes[i + 1];
        if (!IsValidCell(hr, hc))
            continue;
        const int value = map.At(hr, hc);
        if (value < 0)
            continue;
        Walk(
            m_rows, hr, hc, [this](int r, int c) { return IsValidCell(r, c); },
            [&](int r, int c)
            {
                int& at = map.At(r, c);
                if (at != value)
                    return false;
                ++total;
                at = -1;
                return true;
            });
    }
    return total == CountPlayableCells();
}

bool CField::Repaint(int row, int column, int colour)
{
    const int old = GetCellColour(row, column);
    // A hole or an empty slot has no territory to repaint.
    if (old < 0 || colour < 0 || colour >= m_colourCount || colour == old)
        return false;
    Walk(
        m_rows, row, column, [this](int r, int c) { return IsValidCell(r, c); },
        [&](int r, int c)
        {
            CCell* cell = m_cells[r][c].get();
            if (!cell || cell->IsHole() || cell->GetColour() != old || cell->GetColour() == colour)
                return false;
            cell->SetColour(colour);
            return true;
        });
    SettleMove(row, column, colour);
    m_state = Settling;
    return true;
}

void CField::MarkTerritories(CColourMap& map, int row, int column) const
{
    for (std::size_t i = 0; i + 1 < m_homes.size(); i += 2)
    {
        const int hr = m_homes[i];
        const int hc = m_homes[i + 1];
        if (hr == row && hc == column)
            FloodMark(map, hr, hc, -1, -3);
        else if (IsValidCell(hr, hc) && map.At(hr, hc) != -1)
            FloodMark(map, hr, hc, -2, -3);
    }
}

void CField::CaptureEnclosures(CColourMap& map, int colour)
{
    for (int& value : map.Values())
        if (value >= 0 && value <= 7)
            value = 0;
    int id = 1;
    for (int r = 0; r < m_rows; ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            if (map.At(r, c) != 0)
                continue;
            if (!FloodMark(map, r, c, id, -2))
                PaintMarked(map, id, colour);
            ++id;
        }
    }
}

void CField::CollectCoin(CCell& cell)
{
    if (cell.GetCoin() < 0)
        return;
    m_collected.push_back({cell.GetCoin(), cell.GetX(), cell.GetY(), m_cellWidth});
    cell.SetCoin(-1);
}

void CField::SettleMove(int row, int column, int colour)
{
    if (!IsValidCell(row, column) || colour < 0 || colour >= m_colourCount)
        return;
    CColourMap map = MakeColourMap();
    MarkTerritories(map, row, column);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (map.At(r, c) == -1 && m_cells[r][c] && !m_cells[r][c]->IsChanged())
                m_cells[r][c]->SetColour(colour);
    CaptureEnclosures(map, colour);

    float sx = 0.0f;
    float sy = 0.0f;
    CellPosition(row, column, sx, sy);
    for (int r = 0; r < m_rows; ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            CCell* cell = m_cells[r][c].get();
            if (!cell || !cell->IsChanged())
                continue;
            cell->StartFlip();
            if (r != row || c != column)
            {
                // The flip spreads from the start cell as a wave.
                const float dx = cell->GetX() - sx;
                const float dy = cell->GetY() - sy;
                cell->SetDelay(kFlipDelayPerUnit * std::sqrt(dx * dx + dy * dy));
            }
            CollectCoin(*cell);
        }
    }
}

void CField::SettleTerritory(int row, int column)
{
    const int colour = GetCellColour(row, column);
    // Without a flower at the home there is no territory to settle; painting
    // areas in a hole's value would corrupt the cells.
    if (colour < 0)
        return;
    CColourMap map = MakeColourMap();
    MarkTerritories(map, row, column);
    CaptureEnclosures(map, colour);
    // The list is credited at the human's next move, and the human's home is
    // the first; what another territory takes is lost, as on its own moves.
    const bool paid = m_homes.size() < 2 || (m_homes[0] == row && m_homes[1] == column);
    const std::size_t before = m_collected.size();
    bool changed = false;
    for (int r = 0; r < m_rows; ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            CCell* cell = m_cells[r][c].get();
            if (!cell)
                continue;
            if (!cell->IsChanged())
            {
                if (map.At(r, c) == -1)
                    CollectCoin(*cell);
                continue;
            }
            changed = true;
            cell->StartFlip();
            if (r != row || c != column)
                cell->SetDelay(static_cast<float>(RandomModulo(250)));
            CollectCoin(*cell);
        }
    }
    if (!paid)
        m_collected.resize(before);
    if (changed)
        m_state = Settling;
}

void CField::PaintCell(int row, int column, int colour, bool removeCoin)
{
    CCell* cell = GetCell(row, column);
    if (!cell || colour < 0 || colour >= m_colourCount || (m_state != Idle && m_state != Settling))
        return;
    cell->SetColour(colour);
    cell->StartFlip();
    if (removeCoin)
        cell->SetCoin(-1);
    m_state = Settling;
}

bool CField::CanGoForward() const
{
    const int mid = m_rows / 2;
    // A hole at the human's home has no territory; flooding from it would
    // mark the holes around it as one.
    if (GetCellColour(mid, 0) < 0)
        return false;
    CColourMap map = MakeColourMap();
    FloodMark(map, mid, 0, -4, -100);
    FloodMark(map, mid, m_columns - 1, -5, -100);
    int front = -1;
    for (int c = 0; c < RowLength(mid); ++c)
        if (map.At(mid, c) == -4)
            front = c;
    // No front, or a front already at the far edge, leaves nowhere to go.
    if (front < 0 || front + 1 >= RowLength(mid))
        return false;
    const int next = map.At(mid, front + 1);
    return next != -5 && next != -3;
}

void CField::CheckLevelFinished()
{
    if (AllCellsOwned())
        m_levelFinished = true;
}

// ---------------------------------------------------------------- moving set

void CField::StartShift(int count)
{
    m_pendingShifts = count < 0 ? 0 : count;
    ShiftStep();
}

void CField::ShiftStep()
{
    if (m_pendingShifts == 0)
    {
        RefillColumn();
        return;
    }
    --m_pendingShifts;
    m_state = Shifting;
    std::vector<std::vector<bool>> holes(static_cast<std::size_t>(m_rows));
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
            holes[r].push_back(m_cells[r][c] && m_cells[r][c]->IsHole());
    for (int r = 0; r < m_rows; ++r)
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
    for (int r = 0; r < m_rows; ++r)
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
    const int count = m_refillLevelsCount > 0 ? m_refillLevelsCount : 1;
    const int l = ((m_level % count) + count) % count;
    const CDataBuffer mask = ReadMask(l);
    for (int r = 0; r < m_rows; ++r)
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

// ---------------------------------------------------------------- insects

void CField::SpawnInsect(int kind)
{
    auto insect = std::make_unique<CInsect>(m_resources.m_insectSprite);
    insect->m_y = static_cast<float>(625 + RandomModulo(100));
    insect->m_x = static_cast<float>(RandomModulo(800));

    // Random points cover only part of the board; a board with few flowers
    // there must not keep the build waiting forever.
    SCellPos target;
    bool found = false;
    for (int tries = 0; tries < kMaxInsectTries && !found; ++tries)
    {
        const float px = static_cast<float>(25 + RandomModulo(511));
        const float py = static_cast<float>(160 + RandomModulo(338));
        target = CellAt(px, py);
        if (m_firstInsect)
        {
            target = {m_rows / 3, 4};
            m_firstInsect = false;
        }
        found = IsValidCell(target.m_row, target.m_column) && !IsHole(target.m_row, target.m_column);
    }
    if (!found)
        return;
    float x = 0.0f;
    float y = 0.0f;
    CellPosition(target.m_row, target.m_column, x, y);
    insect->SetTarget(x, y);
    insect->m_delay = static_cast<float>(RandomModulo(300));
    insect->m_coin = kind;
    m_insects.push_back(std::move(insect));
}

void CField::LandAllInsects()
{
    if (m_state != Intro)
        return;
    for (const auto& insect : m_insects)
    {
        // An insect on its way out has dropped its coin already; it must not
        // take the value of a coin lying under it and leave the picture.
        if (insect->m_coin < 0)
            continue;
        const SCellPos at = CellAt(insect->m_x, insect->m_y);
        if (CCell* cell = GetCell(at.m_row, at.m_column))
            cell->SetCoin(insect->m_coin);
    }
    m_insects.clear();
}

// ---------------------------------------------------------------- level state

std::string CField::DescribeState() const
{
    std::vector<SCellState> cells;
    for (int r = 0; r < m_rows; ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            SCellState state;
            const CCell* cell = m_cells[r][c].get();
            if (!cell || cell->IsHole())
            {
                state.m_colour = -3;
            }
            else
            {
                state.m_colour = cell->GetColour();
                state.m_coin = cell->GetCoin();
            }
            cells.push_back(state);
        }
    }
    return CLevelState::Write(m_level, cells);
}

void CField::TakeSnapshot()
{
    m_levelState = DescribeState();
    m_snapshotLevel = m_level;
    m_hasSnapshot = true;
}

bool CField::FitsLevel(int level, const std::vector<SCellState>& cells)
{
    const int columns = ColumnsForLevel(level);
    const float half = 776.0f / static_cast<float>(columns) / 2.0f;
    int rows = static_cast<int>(532.0f / std::sqrt(half * 3.0f * half));
    if (rows % 2 == 0)
        ++rows;
    std::size_t count = 0;
    std::size_t home = 0;
    for (int r = 0; r < rows; ++r)
    {
        if (r == rows / 2)
            home = count;
        count += static_cast<std::size_t>(columns - std::abs(rows / 2 - r));
    }
    // The board never has a hole under a home; a text that says so is damaged.
    return count == cells.size() && cells[home].m_colour >= 0 &&
           cells[home + static_cast<std::size_t>(columns) - 1].m_colour >= 0;
}

void CField::ApplyState(int level, const std::vector<SCellState>& cells)
{
    m_level = level;
    AdvanceLevel(0);
    // The board comes back exactly as it was saved, holes included; the
    // mask the rebuild read has no say.
    std::size_t i = 0;
    for (int r = 0; r < m_rows; ++r)
    {
        for (int c = 0; c < RowLength(r); ++c, ++i)
        {
            CCell* cell = m_cells[r][c].get();
            const SCellState& state = cells[i];
            cell->SetHole(state.m_colour < 0);
            if (state.m_colour < 0)
                continue;
            cell->SetColourDirect(state.m_colour);
            if (state.m_coin >= 0)
                cell->SetCoin(state.m_coin);
        }
    }
    // The coins are exactly those of the text.
    m_insects.clear();
}

bool CField::RestoreState(const std::string& text)
{
    int level = 0;
    std::vector<SCellState> cells;
    // The text must describe exactly the board its level builds.
    if (!CLevelState::Read(text, level, cells) || !FitsLevel(level, cells))
        return false;
    ApplyState(level, cells);
    return true;
}

namespace
{
const char* const kNoState = "\x01none";
// Far beyond any level a game reaches; a larger number in a save is damage
// and would otherwise open every level of the set.
constexpr int kMaxSavedLevel = 9999;
// The level sets the game writes; a stored pattern names a file to read, so
// nothing else is ever accepted from a save.
const char* const kLevelPatterns[] = {"dat/levels_classic/lev%03d.raw", "dat/levels_duel/lev%03d.raw",
                                      "dat/levels_moving/lev%03d.raw"};

// The board at the end of its opening: as built, with every coin still on
// its way lying on the cell its insect flies to.
std::string OpeningState(const CField& field)
{
    int level = 0;
    std::vector<SCellState> cells;
    if (!CLevelState::Read(field.DescribeState(), level, cells))
        return std::string();
    for (const auto& insect : field.GetInsects())
    {
        if (insect->m_coin < 0)
            continue;
        const SCellPos at = field.CellAt(insect->m_targetX, insect->m_targetY);
        if (!field.IsValidCell(at.m_row, at.m_column))
            continue;
        std::size_t index = static_cast<std::size_t>(at.m_column);
        for (int r = 0; r < at.m_row; ++r)
            index += static_cast<std::size_t>(field.RowLength(r));
        if (index < cells.size() && cells[index].m_colour >= 0)
            cells[index].m_coin = insect->m_coin;
    }
    return CLevelState::Write(level, cells);
}
} // namespace

bool CField::SaveState(CPropertyFile& properties) const
{
    // The last snapshot is of the level before, or of the try before a
    // replay, until the opening ends: a save then starts the level afresh.
    const bool opening = m_state == Intro;
    if (!opening && !m_hasSnapshot)
        return false;
    properties.SetString("gamedata.fieldstate", opening ? OpeningState(*this) : m_levelState);
    properties.SetString("gamedata.dir_pattern", m_pattern);
    properties.SetInt("gamedata.level_num", opening ? m_level : m_snapshotLevel);
    properties.SetInt("gamedata.levels_count", m_levelsCount);
    properties.SetInt("gamedata.m_game_type", m_advancedSet);
    return true;
}

bool CField::LoadState(const CPropertyFile& properties)
{
    const int advancedSet = properties.GetInt("gamedata.m_game_type", 1);
    const std::string text = properties.GetString("gamedata.fieldstate", kNoState);
    if (text == kNoState || text.empty())
        return false;
    const std::string pattern = properties.GetString("gamedata.dir_pattern", "0");
    const int levelNumber = properties.GetInt("gamedata.level_num", 0);
    const int levelsCount = properties.GetInt("gamedata.levels_count", 0);

    bool knownPattern = false;
    for (const char* known : kLevelPatterns)
        knownPattern = knownPattern || pattern == known;
    int level = 0;
    std::vector<SCellState> cells;
    // The snapshot's level and the stored level number are written together
    // and always agree; a disagreement means a damaged file.
    if (!knownPattern || levelNumber < 0 || levelNumber > kMaxSavedLevel ||
        (advancedSet != 0 && advancedSet != 1) || levelsCount <= 0 ||
        !CLevelState::Read(text, level, cells) || level != levelNumber || !FitsLevel(level, cells))
        return false;

    m_advancedSet = advancedSet;
    m_pattern = pattern;
    // Set before the rebuild so that the level takes its mask from the saved set.
    m_levelsCount = levelsCount;
    ApplyState(level, cells);
    return true;
}

// ---------------------------------------------------------------- per frame

bool CField::AllCellsIdle() const
{
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c] && !m_cells[r][c]->IsIdle())
                return false;
    return true;
}

void CField::Update(float elapsedMs)
{
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c])
                m_cells[r][c]->Update(elapsedMs);

    switch (m_state)
    {
    case Settling:
    {
        bool changed = false;
        for (int r = 0; r < m_rows && !changed; ++r)
            for (int c = 0; c < RowLength(r) && !changed; ++c)
                changed = m_cells[r][c] && m_cells[r][c]->IsChanged();
        if (!changed)
        {
            m_state = Idle;
            CheckLevelFinished();
        }
        break;
    }
    case Intro:
    {
        for (std::size_t i = 0; i < m_insects.size();)
        {
            CInsect& insect = *m_insects[i];
            insect.Update(elapsedMs);
            if (insect.m_state != InsectArrived)
            {
                ++i;
                continue;
            }
            if (insect.m_coin < 0)
            {
                m_insects.erase(m_insects.begin() + static_cast<long>(i));
                continue;
            }
            const SCellPos at = CellAt(insect.m_x, insect.m_y);
            if (CCell* cell = GetCell(at.m_row, at.m_column))
                cell->SetCoin(insect.m_coin);
            const float awayX = static_cast<float>(RandomModulo(1200) - 200);
            insect.SetTarget(awayX, -50.0f);
            insect.m_delay = static_cast<float>(RandomModulo(300));
            insect.m_coin = -1;
            ++i;
        }
        if (m_insects.empty() && AllCellsIdle())
        {
            m_state = Idle;
            // A board its homes already cover (all the rest holes) would
            // otherwise wait for a move that no colour allows.
            CheckLevelFinished();
            TakeSnapshot();
        }
        break;
    }
    case Leaving:
    {
        bool gone = true;
        for (int r = 0; r < m_rows && gone; ++r)
            for (int c = 0; c < RowLength(r) && gone; ++c)
                gone = !m_cells[r][c] || m_cells[r][c]->IsGone();
        if (gone)
            m_state = Gone;
        break;
    }
    case Shifting:
    {
        bool moving = false;
        for (int r = 0; r < m_rows && !moving; ++r)
            for (int c = 0; c < RowLength(r) && !moving; ++c)
                moving = m_cells[r][c] && m_cells[r][c]->IsMoving();
        if (!moving)
        {
            ShiftCells();
            ShiftStep();
        }
        break;
    }
    default:
        break;
    }

    // The magnifier: the right button enlarges the cell under the pointer on
    // boards whose cells are small.
    m_hovered = SCellPos();
    if (m_rightButton && m_cellWidth <= kMaxMagnifiedWidth)
    {
        const SCellPos at = CellAt(m_pointerX, m_pointerY);
        if (IsValidCell(at.m_row, at.m_column))
            m_hovered = at;
    }
    for (int r = 0; r < m_rows; ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            CCell* cell = m_cells[r][c].get();
            if (!cell || cell->IsHover())
                continue;
            const float goal = (m_hovered == SCellPos{r, c}) ? kMagnifiedSize : m_cellWidth;
            cell->SetSize(cell->GetSize() + (goal - cell->GetSize()) / 5.0f);
        }
    }
}

// ---------------------------------------------------------------- drawing

void CField::DrawBackground() const
{
    if (NGl::IsHeadless())
        return;
    NGl::BindTexture(m_resources.m_background);
    NGl::Enable(GL_TEXTURE_2D);
    // Pictures are stored bottom row first: t = 1 is the picture's top edge.
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.0f, 1.0f);
    NGl::Vertex(-112.0f, -212.0f);
    NGl::TexCoord(1.0f, 1.0f);
    NGl::Vertex(912.0f, -212.0f);
    NGl::TexCoord(1.0f, 0.0f);
    NGl::Vertex(912.0f, 812.0f);
    NGl::TexCoord(0.0f, 0.0f);
    NGl::Vertex(-112.0f, 812.0f);
    NGl::End();
}

void CField::DrawPreview() const
{
    if (NGl::IsHeadless())
        return;
    NGl::BindTexture(m_resources.m_background);
    NGl::Enable(GL_TEXTURE_2D);
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.109375f, 0.79296875f);
    NGl::Vertex(0.0f, 0.0f);
    NGl::TexCoord(0.890625f, 0.79296875f);
    NGl::Vertex(800.0f, 0.0f);
    NGl::TexCoord(0.890625f, 0.20703125f);
    NGl::Vertex(800.0f, 600.0f);
    NGl::TexCoord(0.109375f, 0.20703125f);
    NGl::Vertex(0.0f, 600.0f);
    NGl::End();
    // One draw call per cell would make the renderer keep a copy of the
    // drawing state for each of them until the frame is done: megabytes.
    NGl::CQuadBatchScope batch;
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c])
                m_cells[r][c]->DrawPlain();
}

void CField::Draw() const
{
    DrawFlowers();
    DrawOverlay();
}

void CField::DrawFlowers() const
{
    const float everywhere[4] = {-1e9f, -1e9f, 1e9f, 1e9f};
    DrawFlowers(everywhere);
}

void CField::DrawFlowers(const float area[4]) const
{
    if (NGl::IsHeadless())
        return;
    const auto reaches = [area](const CCell& cell)
    {
        const float reach = std::fabs(cell.GetSize() * cell.GetSizeFactor()) * 0.7072f + 2.0f;
        return cell.GetX() + reach >= area[0] && cell.GetX() - reach <= area[2] &&
               cell.GetY() + reach >= area[1] && cell.GetY() - reach <= area[3];
    };
    // Over a thousand small sprites: submitted in batches, one call per sheet.
    NGl::CQuadBatchScope batch;
    const CCell* magnified = GetCell(m_hovered.m_row, m_hovered.m_column);
    // Spinning cells are drawn last so that they lie on top of their neighbours.
    for (int pass = 0; pass < 2; ++pass)
        for (int r = 0; r < m_rows; ++r)
            for (int c = 0; c < RowLength(r); ++c)
            {
                const CCell* cell = m_cells[r][c].get();
                if (cell && cell != magnified && cell->IsHover() == (pass == 1) && reaches(*cell))
                    cell->Draw();
            }
}

void CField::DrawOverlay() const
{
    if (NGl::IsHeadless())
        return;
    NGl::CQuadBatchScope batch;
    const CCell* magnified = GetCell(m_hovered.m_row, m_hovered.m_column);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c] && m_cells[r][c].get() != magnified)
                m_cells[r][c]->DrawCoins();
    if (magnified)
    {
        magnified->Draw();
        magnified->DrawCoins();
    }
    for (const auto& insect : m_insects)
        insect->Draw();
}

void CField::AppendFlowersLook(std::vector<double>& look) const
{
    look.push_back(m_resources.m_background);
    look.push_back(m_rows);
    look.push_back(m_hovered.m_row);
    look.push_back(m_hovered.m_column);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < RowLength(r); ++c)
        {
            if (m_cells[r][c])
                m_cells[r][c]->AppendLook(look);
            else
                CCell::AppendNoLook(look);
        }
}

bool CField::ChangedFlowersArea(const double* before, const double* after, std::size_t size, float area[4])
{
    constexpr std::size_t kHeader = 4;
    area[0] = area[1] = 1e9f;
    area[2] = area[3] = -1e9f;
    if (size < kHeader || (size - kHeader) % CCell::kLookSize != 0 ||
        !std::equal(before, before + kHeader, after))
        return false;
    for (std::size_t i = kHeader; i < size; i += CCell::kLookSize)
        if (!std::equal(before + i, before + i + CCell::kLookSize, after + i))
        {
            CCell::ExtendByLook(before + i, area);
            CCell::ExtendByLook(after + i, area);
        }
    return true;
}

void CField::DrawCell(int row, int column) const
{
    const CCell* cell = GetCell(row, column);
    if (!cell || cell->IsHole())
        return;
    cell->Draw();
    cell->DrawCoins();
}

void CField::DrawCellShadow(int row, int column) const
{
    const CCell* cell = GetCell(row, column);
    if (!cell || cell->IsHole())
        return;
    cell->DrawTinted(0.0f, 0.0f, 0.0f, 2.0f);
    cell->DrawCoins();
}

void CField::ScaleCell(int row, int column, float factor)
{
    CCell* cell = GetCell(row, column);
    if (!cell || cell->IsHole() || cell->IsHover())
        return;
    const float size = cell->GetSize();
    cell->SetSize(size + (size * factor - size) / 5.0f);
}
} // namespace NGame
