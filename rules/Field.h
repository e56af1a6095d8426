// The board: a hexagon of hexagonal cells built from a level mask, the move
// rules (repaint, annexation, enclosure capture), the moving set's scrolling
// and the insects of the level intro. The game screen draws it (play/BoardPainter.h).
#pragma once

#include "anim/SpriteClock.h"
#include "catalogue/LevelSets.h"
#include "rules/BoardGeometry.h"
#include "rules/Cell.h"
#include "rules/Insect.h"
#include "rules/LevelState.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace NGame
{
// What the board asks the presentation to play, in order.
enum EBoardSound
{
    kBoardSoundStartPaint,
    kBoardSoundWrongPaint,
    kBoardSoundBonus
};

// What a saved game keeps of the board: the last snapshot's text, the level
// set's pattern and saved flag (NLevelSets::SLevelSet), its size and the level.
struct SSavedBoard
{
    std::string m_field_state;
    std::string m_dir_pattern;
    int m_level_num = 0;
    int m_levels_count = 0;
    int m_game_type = 1;
};

enum EFieldState
{
    Idle = 0,
    Settling = 1,
    Shifting = 2,
    Intro = 3,
    Leaving = 4,
    Gone = 5
};

struct SCollectedCoin
{
    int m_kind = 0;
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_width = 0.0f;
};

// One value per cell, row-major with a stride of the column count; the move
// rules, the opponent and the bonuses write their area marks into it.
class CColourMap
{
  public:
    CColourMap() = default;
    CColourMap(int rows, int columns) : m_rows(rows), m_columns(columns), m_values(rows * columns, -1) {}
    int& At(int row, int column) { return m_values[row * m_columns + column]; }
    int At(int row, int column) const { return m_values[row * m_columns + column]; }
    int GetRows() const { return m_rows; }
    int GetColumns() const { return m_columns; }
    std::vector<int>& Values() { return m_values; }
    const std::vector<int>& Values() const { return m_values; }

  private:
    int m_rows = 0;
    int m_columns = 0;
    std::vector<int> m_values;
};

// The shapes of the game's sheets (groups, frames, frame time, cell size) that
// the board's animations run on; the pictures stay with the game screen.
// Missing prototypes are allowed: the board then keeps its rules and counts,
// its flowers run on a sheet of 8 colours and 16 frames, and coins and insects
// have no picture.
struct SFieldResources
{
    std::optional<CSpriteClock> m_cell_clock;
    std::optional<CSpriteClock> m_coin_clock;
    std::optional<CSpriteClock> m_insect_clock;
};

class CField
{
  public:
    static constexpr int kMaxCells = 120;
    static constexpr int kColourCount = 6;
    // The value MarkZone gives a zone's cells: no colour map holds it.
    static constexpr int kZoneMark = -100;

    // A mask's bytes, shared by whoever read them; null or short for a
    // missing or damaged file.
    using Mask = std::shared_ptr<const std::vector<unsigned char>>;
    // Reads a mask file by name ("dat/levels_classic/lev000.raw").
    using MaskReader = std::function<Mask(const std::string&)>;
    // The level sets, numbered as the game types that play them.
    using ELevelSet = NLevelSets::ESet;
    // Told the set and the number of the highest level reached whenever a
    // level is left for the next.
    using LevelReached = std::function<void(ELevelSet set, int level)>;

    CField(ELevelSet set, int levelsCount, const SFieldResources& resources, MaskReader maskReader);
    virtual ~CField();
    CField(const CField&) = delete;
    CField& operator=(const CField&) = delete;

    // Where AdvanceLevel reports the level reached; nowhere by default.
    void SetLevelReached(LevelReached reached) { m_level_reached = std::move(reached); }
    // The moving set refills from another set's masks; this is their count.
    void SetRefillLevelsCount(int count) { m_refill_levels_count = count; }
    // The pointer as the game sees it this frame, for the magnifier.
    void SetPointer(float x, float y, bool rightButtonHeld);

    // Level control.
    void SetLevel(int level);
    void AdvanceLevel(int delta);
    void ChangeLevelSet(ELevelSet set);
    // A set without a count reads its first mask for every level, as a set
    // of one; the count saved with a game is therefore never below one.
    void SetLevelsCount(int count) { m_levels_count = count > 0 ? count : 1; }
    void BeginLevelOut();

    // Geometry and queries; every one tolerates invalid positions.
    bool IsValidCell(int row, int column) const;
    int RowLength(int row) const;
    int GetRows() const { return m_geometry.Rows(); }
    int GetColumns() const { return m_geometry.Columns(); }
    int GetColourCount() const { return m_colour_count; }
    int GetLevel() const { return m_level; }
    int GetLevelsCount() const { return m_levels_count; }
    ELevelSet GetLevelSet() const { return m_set; }
    int GetState() const { return m_state; }
    bool IsIdle() const { return m_state == Idle; }
    bool IsLevelFinished() const { return m_level_finished; }
    int GetCellColour(int row, int column) const;
    bool IsHole(int row, int column) const;
    bool IsChanged(int row, int column) const;
    int GetCoin(int row, int column) const;
    SCellPos CellAt(float x, float y) const;
    void CellPosition(int row, int column, float& x, float& y) const;
    float GetCellWidth() const { return m_geometry.CellWidth(); }
    float GetRowPitch() const { return m_geometry.RowPitch(); }
    const CBoardGeometry& GetGeometry() const { return m_geometry; }
    // The cell object, or null for an invalid position or empty slot.
    CCell* GetCell(int row, int column) const;
    SCellPos GetHovered() const { return m_hovered; }

    CColourMap MakeColourMap() const;
    void FreeColourMap(CColourMap& map) const { map = CColourMap(); }

    void AddHome(int row, int column);
    void RemoveHome(int row, int column);
    const std::vector<int>& GetHomes() const { return m_homes; }

    // Cell pass-throughs; the lit and hover setters act only while the board
    // is idle or settling, and the hover setter reports whether it acted.
    void SetCellLit(int row, int column, bool lit);
    bool SetCellHover(int row, int column, bool hover);
    void SetCellDelay(int row, int column, float ms);
    void SetCellCoin(int row, int column, int kind);

    // Move rules.
    bool IsColourAllowed(int colour) const;
    bool Repaint(int row, int column, int colour);
    void SettleMove(int row, int column, int colour);
    void SettleTerritory(int row, int column);
    void PaintCell(int row, int column, int colour, bool removeCoin);
    bool FloodMark(CColourMap& map, int row, int column, int mark, int stop) const;
    void PaintMarked(const CColourMap& map, int mark, int colour);
    // Marks kZoneMark on `map` the zone around (row, column); with a colour,
    // the zone that playing it would leave: relabelled, then grown by the
    // flowers of that colour it touches.
    void MarkZone(CColourMap& map, int row, int column, int colour = -1) const;
    int CountRegion(int row, int column) const;
    // The outline of the zone around (row, column) on `map`, the cells of
    // its value that connect to it as FloodMark walks them: for each cell of
    // the zone, one bit per side that faces no cell of the zone (another
    // colour, a hole, the board's edge), in the order of
    // CBoardGeometry::Neighbours; 0 outside it. One value per slot of the
    // map; all 0 for a hole or an empty slot.
    std::vector<unsigned char> ZoneSides(const CColourMap& map, int row, int column) const;
    int CountPlayableCells() const;
    bool CanGoForward() const;
    // The level-finished test: every playable cell lies in some territory.
    bool AllCellsOwned() const;

    std::vector<SCollectedCoin>& CollectedCoins() { return m_collected; }
    // Sounds the rules asked for since the last call.
    std::vector<EBoardSound> TakeSounds();
    void QueueSound(EBoardSound sound) { m_sounds.push_back(sound); }

    // Moving level set.
    void StartShift(int count);

    // Insects of the level intro.
    void SpawnInsect(int kind);
    void LandAllInsects();
    const std::vector<std::unique_ptr<CInsect>>& GetInsects() const { return m_insects; }
    const CSpriteClock* GetInsectClock() const
    {
        return m_resources.m_insect_clock ? &*m_resources.m_insect_clock : nullptr;
    }

    // Level-state text of the board as it stands, and the last snapshot.
    std::string DescribeState() const;
    void TakeSnapshot();
    const std::string& GetLevelState() const { return m_level_state; }
    int GetSnapshotLevel() const { return m_snapshot_level; }
    // How many snapshots were taken: tells an observer that a new one exists.
    unsigned GetSnapshotCount() const { return m_snapshot_count; }
    // Rebuilds the text's level and puts its colours and coins on the cells,
    // without insects; the board then fades in. Refuses (false, board
    // unchanged) a malformed text or one whose cell count does not fit.
    bool RestoreState(const std::string& text);
    // The last snapshot as a saved game keeps it; during a level's opening,
    // the board as the opening will leave it (the coins still carried in
    // place). False, and nothing written, when there is neither.
    bool SaveState(SSavedBoard& saved) const;
    // Restores a saved snapshot with its level set. It comes from a file in
    // the user's folder, so everything is checked before the board is
    // touched: false leaves the board exactly as it was.
    bool LoadState(const SSavedBoard& saved);

    void Update(float elapsedMs);
    // The flower under a previewing pointer grows a fifth of the way to
    // `factor` times its size with every call; holes and spinning homes stay.
    void ScaleCell(int row, int column, float factor);

  private:
    void BuildLevel();
    void DeleteCells();
    void ComputeGeometry();
    Mask ReadMask(int index) const;
    std::unique_ptr<CCell> MakeCell(int colour, int row, int column) const;
    // The two homes' cells, the ends of the middle row: always flowers.
    bool IsHomePosition(int row, int column) const;
    // Whether the mask makes the cell at (row, column) a hole: a zero byte or
    // none at its centre, except under a home.
    bool IsMaskHole(const Mask& mask, int row, int column) const;
    // Marks the mover's territory -1 and every other one -2; false when the
    // mover's home is not on the board.
    void MarkTerritories(CColourMap& map, int row, int column) const;
    void CaptureEnclosures(CColourMap& map, int colour);
    void CollectCoin(CCell& cell);
    void CheckLevelFinished();
    void ShiftStep();
    void ShiftCells();
    void RefillColumn();
    // Whether some cell on the board passes `test`.
    bool AnyCell(const std::function<bool(const CCell&)>& test) const;
    // The state's own step of Update: whether the cells or insects it waits
    // for are done.
    void UpdateState(float elapsedMs);
    void UpdateArrivingInsects(float elapsedMs);
    // The magnifier: the right button enlarges the cell under the pointer on
    // boards whose cells are small.
    void UpdateMagnifier();
    void ApplyState(int level, const std::vector<SCellState>& cells);

    int m_state = Intro;
    ELevelSet m_set;
    std::vector<int> m_homes;
    int m_levels_count;
    int m_refill_levels_count;
    int m_level = 0;
    // Level 0 is a level like any other: whether a snapshot exists is kept apart.
    bool m_has_snapshot = false;
    int m_snapshot_level = 0;
    unsigned m_snapshot_count = 0;
    bool m_level_finished = false;
    int m_colour_count = kColourCount;
    CBoardGeometry m_geometry;
    std::array<std::array<std::unique_ptr<CCell>, kMaxCells>, kMaxCells> m_cells;
    SFieldResources m_resources;
    CSpriteClock m_default_cell_clock;
    MaskReader m_mask_reader;
    LevelReached m_level_reached;
    SCellPos m_hovered;
    float m_pointer_x = -1.0f;
    float m_pointer_y = -1.0f;
    bool m_right_button = false;
    std::vector<SCollectedCoin> m_collected;
    std::vector<std::unique_ptr<CInsect>> m_insects;
    int m_pending_shifts = 0;
    bool m_first_insect = true;
    std::string m_level_state;
    std::vector<EBoardSound> m_sounds;
};
} // namespace NGame
