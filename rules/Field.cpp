// The board: level building from masks, the move rules with enclosure
// capture, the intro's insects and the per-frame update with the magnifier.
// The scrolling of the moving set and the level-state text have files of
// their own (FieldShift.cpp, FieldState.cpp); play/BoardPainter.cpp draws.
#include "rules/Field.h"

#include "rules/Random.h"

#include <cmath>
#include <cstdio>

namespace NGame
{
namespace
{
constexpr float kMagnifiedSize = 56.0f;
constexpr float kMaxMagnifiedWidth = 48.0f;
constexpr float kFlipDelayPerUnit = 3.0f;
constexpr int kMaxInsectTries = 10000;
// Marks a zone in a colour map; no colour or other mark has this value.

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
// only accepted cells queue their neighbours, in the geometry's order.
template <typename Accept>
void Walk(const CBoardGeometry& geometry, int row, int column, const Accept& accept)
{
    static thread_local std::vector<SCellPos> queue;
    queue.clear();
    queue.push_back({row, column});
    for (std::size_t head = 0; head < queue.size(); ++head)
    {
        const SCellPos at = queue[head];
        if (!accept(at.m_row, at.m_column))
            continue;
        for (const SCellPos& n : geometry.Neighbours(at.m_row, at.m_column))
            if (geometry.IsValid(n.m_row, n.m_column))
                queue.push_back(n);
    }
}
} // namespace

CField::CField(ELevelSet set, int levelsCount, const SFieldResources& resources, MaskReader maskReader)
    : m_set(set), m_levels_count(levelsCount > 0 ? levelsCount : 1), m_refill_levels_count(levelsCount),
      m_resources(resources), m_default_cell_clock(8, 16, 50), m_mask_reader(std::move(maskReader))
{
    BuildLevel();
}

CField::~CField() = default;

void CField::SetPointer(float x, float y, bool rightButtonHeld)
{
    m_pointer_x = x;
    m_pointer_y = y;
    m_right_button = rightButtonHeld;
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
    if (m_level_reached)
        m_level_reached(GetLevelSet(), m_level + 1);
    SetLevel(m_level);
}

void CField::ChangeLevelSet(ELevelSet set)
{
    m_set = set;
    SetLevel(m_level);
}

void CField::BeginLevelOut()
{
    for (int r = 0; r < m_geometry.Rows(); ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c])
                m_cells[r][c]->FadeOut();
    m_state = Leaving;
}

void CField::ComputeGeometry()
{
    m_geometry = CBoardGeometry(m_level);
    m_colour_count = kColourCount;
}

CField::Mask CField::ReadMask(int index) const
{
    if (!m_mask_reader)
        return nullptr;
    return m_mask_reader(FormatPattern(NLevelSets::Set(m_set).m_pattern, index));
}

bool CField::IsHomePosition(int row, int column) const
{
    return row == m_geometry.Rows() / 2 && (column == 0 || column == m_geometry.Columns() - 1);
}

bool CField::IsMaskHole(const Mask& mask, int row, int column) const
{
    // Without a flower under each home neither side could ever move.
    if (IsHomePosition(row, column))
        return false;
    // A missing or short mask leaves the uncovered cells as holes.
    const long long index = m_geometry.MaskIndex(row, column);
    return !mask || index < 0 || index >= static_cast<long long>(mask->size()) || (*mask)[index] == 0;
}

std::unique_ptr<CCell> CField::MakeCell(int colour, int row, int column) const
{
    float x = 0.0f;
    float y = 0.0f;
    CellPosition(row, column, x, y);
    const CSpriteClock& clock = m_resources.m_cell_clock ? *m_resources.m_cell_clock : m_default_cell_clock;
    const CSpriteClock* coin = m_resources.m_coin_clock ? &*m_resources.m_coin_clock : nullptr;
    return std::make_unique<CCell>(colour, clock, coin, x, y, m_geometry.CellWidth());
}

void CField::BuildLevel()
{
    m_level_finished = false;
    ComputeGeometry();
    const int mid = m_geometry.Rows() / 2;
    const int l = ((m_level % 100) + 100) % 100;
    const Mask mask = ReadMask(l % m_levels_count);

    for (int r = 0; r < m_geometry.Rows(); ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            int colour = 0;
            if (r == mid && c == m_geometry.Columns() - 1)
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
    const int opponent = m_cells[mid][m_geometry.Columns() - 1]->GetFlowerColour();
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
    return m_geometry.IsValid(row, column);
}

int CField::RowLength(int row) const
{
    return m_geometry.RowLength(row);
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
    m_geometry.Position(row, column, x, y);
}

SCellPos CField::CellAt(float x, float y) const
{
    return m_geometry.CellAt(x, y);
}

std::vector<unsigned char> CField::ZoneSides(const CColourMap& map, int row, int column) const
{
    std::vector<unsigned char> sides(map.Values().size(), 0);
    if (!IsValidCell(row, column) || map.GetRows() != m_geometry.Rows() ||
        map.GetColumns() != m_geometry.Columns() || map.At(row, column) < 0)
        return sides;
    CColourMap zone = map;
    MarkZone(zone, row, column);
    for (int r = 0; r < m_geometry.Rows(); ++r)
        for (int c = 0; c < RowLength(r); ++c)
        {
            if (zone.At(r, c) != kZoneMark)
                continue;
            unsigned char bits = 0;
            unsigned char bit = 1;
            for (const SCellPos& n : m_geometry.Neighbours(r, c))
            {
                if (!m_geometry.IsValid(n.m_row, n.m_column) || zone.At(n.m_row, n.m_column) != kZoneMark)
                    bits |= bit;
                bit = static_cast<unsigned char>(bit << 1);
            }
            sides[static_cast<std::size_t>(r * map.GetColumns() + c)] = bits;
        }
    return sides;
}

CColourMap CField::MakeColourMap() const
{
    CColourMap map(m_geometry.Rows(), m_geometry.Columns());
    for (int r = 0; r < m_geometry.Rows(); ++r)
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

void CField::ScaleCell(int row, int column, float factor)
{
    CCell* cell = GetCell(row, column);
    if (!cell || cell->IsHole() || cell->IsHover())
        return;
    const float size = cell->GetSize();
    cell->SetSize(size + (size * factor - size) / 5.0f);
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

std::vector<EBoardSound> CField::TakeSounds()
{
    std::vector<EBoardSound> sounds;
    sounds.swap(m_sounds);
    return sounds;
}

// ---------------------------------------------------------------- move rules

bool CField::IsColourAllowed(int colour) const
{
    if (colour < 0 || colour >= m_colour_count)
        return false;
    for (std::size_t i = 0; i + 1 < m_homes.size(); i += 2)
        if (GetCellColour(m_homes[i], m_homes[i + 1]) == colour)
            return false;
    return true;
}

void CField::MarkZone(CColourMap& map, int row, int column, int colour) const
{
    if (colour >= 0)
        FloodMark(map, row, column, colour, kZoneMark);
    FloodMark(map, row, column, kZoneMark, kZoneMark);
}

bool CField::FloodMark(CColourMap& map, int row, int column, int mark, int stop) const
{
    if (!IsValidCell(row, column) || map.GetRows() != m_geometry.Rows() ||
        map.GetColumns() != m_geometry.Columns())
        return false;
    const int value = map.At(row, column);
    // An area already carrying the mark has nothing left to mark; walking it
    // again would never end.
    if (value == mark && value != stop)
        return false;
    bool touches = false;
    Walk(m_geometry, row, column,
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
    if (map.GetRows() != m_geometry.Rows() || map.GetColumns() != m_geometry.Columns())
        return;
    for (int r = 0; r < m_geometry.Rows(); ++r)
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
    Walk(m_geometry, row, column,
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
    for (int r = 0; r < m_geometry.Rows(); ++r)
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
        Walk(m_geometry, hr, hc,
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
    if (old < 0 || colour < 0 || colour >= m_colour_count || colour == old)
        return false;
    Walk(m_geometry, row, column,
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
    for (int r = 0; r < m_geometry.Rows(); ++r)
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
    m_collected.push_back({cell.GetCoin(), cell.GetX(), cell.GetY(), m_geometry.CellWidth()});
    cell.SetCoin(-1);
}

void CField::SettleMove(int row, int column, int colour)
{
    if (!IsValidCell(row, column) || colour < 0 || colour >= m_colour_count)
        return;
    // A move starts at its player's home, and what it changes is that
    // player's. A repaint started elsewhere (a bonus's) leaves the coins
    // where they lie: the settle after it collects those of the human's zone.
    bool fromHome = false;
    for (std::size_t i = 0; i + 1 < m_homes.size(); i += 2)
        fromHome = fromHome || (m_homes[i] == row && m_homes[i + 1] == column);
    CColourMap map = MakeColourMap();
    MarkTerritories(map, row, column);
    for (int r = 0; r < m_geometry.Rows(); ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (map.At(r, c) == -1 && m_cells[r][c] && !m_cells[r][c]->IsChanged())
                m_cells[r][c]->SetColour(colour);
    CaptureEnclosures(map, colour);

    float sx = 0.0f;
    float sy = 0.0f;
    CellPosition(row, column, sx, sy);
    for (int r = 0; r < m_geometry.Rows(); ++r)
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
            if (fromHome)
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
    // The zone as it stands now, captures included. Flowers that bonuses are
    // still flipping elsewhere keep their coins: only the zone's are taken.
    CColourMap zone = MakeColourMap();
    MarkZone(zone, row, column);
    // The human's home is the first; what another territory takes is lost,
    // as on its own moves.
    const bool paid = m_homes.size() < 2 || (m_homes[0] == row && m_homes[1] == column);
    const std::size_t before = m_collected.size();
    bool changed = false;
    for (int r = 0; r < m_geometry.Rows(); ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            CCell* cell = m_cells[r][c].get();
            if (!cell)
                continue;
            if (zone.At(r, c) == kZoneMark)
                CollectCoin(*cell);
            if (!cell->IsChanged())
                continue;
            changed = true;
            cell->StartFlip();
            if (r != row || c != column)
                cell->SetDelay(static_cast<float>(RandomModulo(250)));
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
    if (!cell || colour < 0 || colour >= m_colour_count || (m_state != Idle && m_state != Settling))
        return;
    cell->SetColour(colour);
    cell->StartFlip();
    if (removeCoin)
        cell->SetCoin(-1);
    m_state = Settling;
}

bool CField::CanGoForward() const
{
    const int mid = m_geometry.Rows() / 2;
    // A hole at the human's home has no territory; flooding from it would
    // mark the holes around it as one.
    if (GetCellColour(mid, 0) < 0)
        return false;
    CColourMap map = MakeColourMap();
    FloodMark(map, mid, 0, -4, -100);
    FloodMark(map, mid, m_geometry.Columns() - 1, -5, -100);
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
    // Asked again whenever the board comes to rest: a bonus still running
    // when a level looked finished may free cells again before it is decided.
    m_level_finished = AllCellsOwned();
}

// ---------------------------------------------------------------- insects

void CField::SpawnInsect(int kind)
{
    auto insect = std::make_unique<CInsect>(GetInsectClock());
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
        if (m_first_insect)
        {
            target = {m_geometry.Rows() / 3, 4};
            m_first_insect = false;
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

// ---------------------------------------------------------------- per frame

bool CField::AnyCell(const std::function<bool(const CCell&)>& test) const
{
    for (int r = 0; r < m_geometry.Rows(); ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c] && test(*m_cells[r][c]))
                return true;
    return false;
}

void CField::Update(float elapsedMs)
{
    for (int r = 0; r < m_geometry.Rows(); ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c])
                m_cells[r][c]->Update(elapsedMs);
    UpdateState(elapsedMs);
    UpdateMagnifier();
}

void CField::UpdateState(float elapsedMs)
{
    switch (m_state)
    {
    case Settling:
        if (!AnyCell([](const CCell& cell) { return cell.IsChanged(); }))
        {
            m_state = Idle;
            CheckLevelFinished();
        }
        break;
    case Intro:
        UpdateArrivingInsects(elapsedMs);
        if (m_insects.empty() && !AnyCell([](const CCell& cell) { return !cell.IsIdle(); }))
        {
            m_state = Idle;
            // A board its homes already cover (all the rest holes) would
            // otherwise wait for a move that no colour allows.
            CheckLevelFinished();
            TakeSnapshot();
        }
        break;
    case Leaving:
        if (!AnyCell([](const CCell& cell) { return !cell.IsGone(); }))
            m_state = Gone;
        break;
    case Shifting:
        if (!AnyCell([](const CCell& cell) { return cell.IsMoving(); }))
        {
            ShiftCells();
            ShiftStep();
        }
        break;
    default:
        break;
    }
}

// Insects that arrive leave their coin on the cell below and fly off; those
// without a coin are done.
void CField::UpdateArrivingInsects(float elapsedMs)
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
}

void CField::UpdateMagnifier()
{
    m_hovered = SCellPos();
    if (m_right_button && m_geometry.CellWidth() <= kMaxMagnifiedWidth)
    {
        const SCellPos at = CellAt(m_pointer_x, m_pointer_y);
        if (IsValidCell(at.m_row, at.m_column))
            m_hovered = at;
    }
    for (int r = 0; r < m_geometry.Rows(); ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            CCell* cell = m_cells[r][c].get();
            if (!cell || cell->IsHover())
                continue;
            const float goal = (m_hovered == SCellPos{r, c}) ? kMagnifiedSize : m_geometry.CellWidth();
            cell->SetSize(cell->GetSize() + (goal - cell->GetSize()) / 5.0f);
        }
    }
}

} // namespace NGame
