// The board's level-state text: the snapshot the game keeps of each level's
// start, restoring a board from such a text, and saving and loading it with
// the level set under the saved game's keys.
#include "rules/Field.h"

#include "rules/BoardGeometry.h"
#include "rules/LevelState.h"

#include <algorithm>
#include <vector>

namespace NGame
{
namespace
{
// Whether `cells` describe a board of `level`: exactly its number of cells,
// with flowers under both homes.
bool FitsLevel(NLevelSets::ESet set, int level, const std::vector<SCellState>& cells)
{
    const CBoardGeometry geometry(level);
    if (static_cast<std::size_t>(geometry.CellCount()) != cells.size())
        return false;
    // Only the moving set writes what lies under a hole; elsewhere the board
    // would keep it but never write it again.
    if (set != NLevelSets::kMoving &&
        std::any_of(cells.begin(), cells.end(),
                    [](const SCellState& cell)
                    { return cell.m_colour < 0 && (cell.m_hidden >= 0 || cell.m_coin >= 0); }))
        return false;
    // The board never has a hole under a home; a text that says so is damaged.
    const int mid = geometry.Mid();
    return cells[static_cast<std::size_t>(geometry.IndexOf(mid, 0))].m_colour >= 0 &&
           cells[static_cast<std::size_t>(geometry.IndexOf(mid, geometry.Columns() - 1))].m_colour >= 0;
}

const char* const kNoState = "\x01none";
// Far beyond any level a game reaches; a larger number in a save is damage
// and would otherwise open every level of the set.
constexpr int kMaxSavedLevel = 9999;

// The board at the end of its opening: as built, with every coin still on
// its way lying on the cell its insect flies to.
std::string OpeningState(const CField& field)
{
    int level = 0;
    std::vector<SCellState> cells;
    if (!CLevelState::Read(field.DescribeState(), level, cells))
        return std::string();
    const CBoardGeometry geometry(level);
    for (const auto& insect : field.GetInsects())
    {
        if (insect->m_coin < 0)
            continue;
        const SCellPos at = geometry.CellAt(insect->m_target_x, insect->m_target_y);
        if (!geometry.IsValid(at.m_row, at.m_column))
            continue;
        const std::size_t index = static_cast<std::size_t>(geometry.IndexOf(at.m_row, at.m_column));
        if (index < cells.size() && cells[index].m_colour >= 0)
            cells[index].m_coin = insect->m_coin;
    }
    return CLevelState::Write(level, cells);
}
} // namespace

std::string CField::DescribeState() const
{
    // Only the moving set's flowers come out of a pond again; elsewhere what
    // lies under one never shows, and the text stays as it always was.
    const bool scrolls = m_set == NLevelSets::kMoving;
    std::vector<SCellState> cells;
    for (int r = 0; r < m_geometry.Rows(); ++r)
    {
        for (int c = 0; c < RowLength(r); ++c)
        {
            SCellState state;
            const CCell* cell = m_cells[r][c].get();
            if (!cell || cell->IsHole())
            {
                state.m_colour = -3;
                if (cell && scrolls)
                {
                    state.m_hidden = cell->GetFlowerColour();
                    state.m_coin = cell->GetCoin();
                }
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
    m_level_state = DescribeState();
    m_snapshot_level = m_level;
    m_has_snapshot = true;
    ++m_snapshot_count;
}

void CField::ApplyState(int level, const std::vector<SCellState>& cells)
{
    m_level = level;
    AdvanceLevel(0);
    // The board comes back exactly as it was saved, holes included; the
    // mask the rebuild read has no say.
    std::size_t i = 0;
    for (int r = 0; r < m_geometry.Rows(); ++r)
    {
        for (int c = 0; c < RowLength(r); ++c, ++i)
        {
            CCell* cell = m_cells[r][c].get();
            const SCellState& state = cells[i];
            cell->SetHole(state.m_colour < 0);
            const int flower = state.m_colour < 0 ? state.m_hidden : state.m_colour;
            if (flower < 0)
                continue;
            cell->SetColourDirect(flower);
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
    if (!CLevelState::Read(text, level, cells) || !FitsLevel(m_set, level, cells))
        return false;
    ApplyState(level, cells);
    return true;
}

bool CField::SaveState(SSavedBoard& saved) const
{
    // The last snapshot is of the level before, or of the try before a
    // replay, until the opening ends: a save then starts the level afresh.
    const bool opening = m_state == Intro;
    if (!opening && !m_has_snapshot)
        return false;
    saved.m_field_state = opening ? OpeningState(*this) : m_level_state;
    saved.m_dir_pattern = NLevelSets::Set(m_set).m_pattern;
    saved.m_level_num = opening ? m_level : m_snapshot_level;
    saved.m_levels_count = m_levels_count;
    saved.m_game_type = NLevelSets::Set(m_set).m_saved_flag;
    return true;
}

bool CField::LoadState(const SSavedBoard& saved)
{
    const std::string& text = saved.m_field_state;
    if (text == kNoState || text.empty())
        return false;
    // A stored pattern names a file to read, so only the sets' own are taken.
    const NLevelSets::SLevelSet* set =
        NLevelSets::FindSavedSet(saved.m_dir_pattern.c_str(), saved.m_game_type);
    const int levelNumber = saved.m_level_num;
    const int levelsCount = saved.m_levels_count;

    int level = 0;
    std::vector<SCellState> cells;
    // The snapshot's level and the stored level number are written together
    // and always agree; a disagreement means a damaged file.
    if (!set || levelNumber < 0 || levelNumber > kMaxSavedLevel || levelsCount <= 0 ||
        !CLevelState::Read(text, level, cells) || level != levelNumber || !FitsLevel(set->m_id, level, cells))
        return false;

    m_set = set->m_id;
    // Set before the rebuild so that the level takes its mask from the saved set.
    m_levels_count = levelsCount;
    ApplyState(level, cells);
    return true;
}
} // namespace NGame
