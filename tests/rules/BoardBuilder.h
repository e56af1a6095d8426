// Boards for the rules tests: masks made in memory and boards laid out cell by
// cell through the level-state text, so no test depends on generated data.
#pragma once

#include "rules/Field.h"
#include "rules/LevelState.h"

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace NGame::NTest
{
constexpr int kHole = -3;
// The homes' row and the opponent's column on a level-0 board.
constexpr int kMid = 8;
constexpr int kLast = 20;

inline std::vector<unsigned char> FullMask(unsigned char value = 1)
{
    return std::vector<unsigned char>(800 * 600, value);
}

// Serves masks by file name; names not in the table read as missing files.
struct SMaskTable
{
    std::map<std::string, std::vector<unsigned char>> m_files;
    std::vector<std::string> m_requests;

    CField::MaskReader Reader()
    {
        return [this](const std::string& name)
        {
            m_requests.push_back(name);
            auto it = m_files.find(name);
            return it == m_files.end() ? CField::Mask()
                                       : std::make_shared<const std::vector<unsigned char>>(it->second);
        };
    }
};

// Runs frames until the board is idle (ends an intro at once by landing the insects).
inline bool RunUntilIdle(CField& field, float frameMs = 16.0f, int maxFrames = 5000)
{
    field.LandAllInsects();
    for (int i = 0; i < maxFrames && !field.IsIdle(); ++i)
        field.Update(frameMs);
    return field.IsIdle();
}

// Sheets shaped like the game's: flowers in 8 rows of 16 frames, coins in 5
// rows, insects in one.
inline SFieldResources TestResources()
{
    return SFieldResources{CSpriteClock(8, 16, 50), CSpriteClock(5, 8, 50), CSpriteClock(1, 4, 50)};
}

// A level-0 board (17 rows, 21 columns, mid row 8) without holes.
struct SBoard
{
    SMaskTable m_masks;
    std::unique_ptr<CField> m_field;

    explicit SBoard(int level = 0, int levelsCount = 1, NLevelSets::ESet set = NLevelSets::kClassic)
    {
        m_masks.m_files[std::string(NLevelSets::Set(set).m_folder) + "/lev000.raw"] = FullMask();
        m_field = std::make_unique<CField>(set, levelsCount, TestResources(), m_masks.Reader());
        if (level != 0)
            m_field->SetLevel(level);
    }

    CField& operator*() { return *m_field; }
    CField* operator->() { return m_field.get(); }

    float X(int r, int c) const
    {
        float x = 0.0f;
        float y = 0.0f;
        m_field->CellPosition(r, c, x, y);
        return x;
    }

    // Lays out every cell with `colour(r, c)` (kHole for a hole) and `coin(r, c)`,
    // then lets the board settle into its idle state.
    void Layout(const std::function<int(int, int)>& colour,
                const std::function<int(int, int)>& coin = nullptr)
    {
        std::vector<SCellState> cells;
        for (int r = 0; r < m_field->GetRows(); ++r)
            for (int c = 0; c < m_field->RowLength(r); ++c)
                cells.push_back({colour(r, c), coin ? coin(r, c) : -1});
        const std::string text = CLevelState::Write(m_field->GetLevel(), cells);
        if (!m_field->RestoreState(text))
            throw std::runtime_error("layout refused");
        RunUntilIdle(*m_field);
    }
};
} // namespace NGame::NTest
