// The board's snapshot in a saved game: what is written, what comes back, and
// saves that are refused without touching the board.
#include "BoardBuilder.h"

#include "storage/PropertyFile.h"

#include <gtest/gtest.h>

namespace NGame::NTest
{
namespace
{
constexpr const char* kClassic = "dat/levels_classic";

// A board of the classic set whose masks cover everything.
struct SClassicBoard
{
    SMaskTable m_masks;
    std::unique_ptr<CField> m_field;

    explicit SClassicBoard(int levelsCount = 4)
    {
        for (int i = 0; i < levelsCount; ++i)
        {
            char name[64];
            std::snprintf(name, sizeof name, "%s/lev%03d.raw", kClassic, i);
            m_masks.m_files[name] = FullMask();
        }
        m_field = std::make_unique<CField>(kClassic, levelsCount, 0, TestResources(), m_masks.Reader());
    }
    CField* operator->() { return m_field.get(); }
    CField& operator*() { return *m_field; }
};

// A saved game of `board` at `level`, with random colours and some coins.
CPropertyFile SaveRandomBoard(SClassicBoard& board, int level)
{
    board->SetLevel(level);
    RunUntilIdle(*board);
    std::vector<SCellState> cells;
    for (int r = 0; r < board->GetRows(); ++r)
        for (int c = 0; c < board->RowLength(r); ++c)
            cells.push_back(
                {std::rand() % 7 == 0 ? -3 : std::rand() % 6, std::rand() % 5 == 0 ? std::rand() % 5 : -1});
    EXPECT_TRUE(board->RestoreState(CLevelState::Write(level, cells)));
    RunUntilIdle(*board);
    CPropertyFile save;
    EXPECT_TRUE(board->SaveState(save));
    return save;
}

TEST(SaveState, FirstLevelWritesNoKeysAndReportsFalse)
{
    SClassicBoard board;
    RunUntilIdle(*board);
    ASSERT_EQ(board->GetSnapshotLevel(), 0);
    CPropertyFile save;
    EXPECT_FALSE(board->SaveState(save));
    EXPECT_TRUE(save.Map().empty());
}

TEST(SaveState, WritesTheFiveKeysOfTheLastSnapshot)
{
    std::srand(3);
    SClassicBoard board(7);
    board->SetLevel(2);
    RunUntilIdle(*board);
    const std::string snapshot = board->GetLevelState();
    // Moves after the snapshot are not part of the save.
    board->PaintCell(0, 0, (board->GetCellColour(0, 0) + 1) % 6, true);
    CPropertyFile save;
    ASSERT_TRUE(board->SaveState(save));
    EXPECT_EQ(save.Map().size(), 5u);
    EXPECT_EQ(save.GetString("gamedata.fieldstate", ""), snapshot);
    EXPECT_EQ(save.GetString("gamedata.dir_pattern", ""), "dat/levels_classic/lev%03d.raw");
    EXPECT_EQ(save.GetInt("gamedata.level_num", -1), 2);
    EXPECT_EQ(save.GetInt("gamedata.levels_count", -1), 7);
    EXPECT_EQ(save.GetInt("gamedata.m_game_type", -1), 0);
}

TEST(LoadState, RestoresColoursCoinsAndSetWithoutInsectsAndFadesIn)
{
    std::srand(8);
    SClassicBoard saved;
    CPropertyFile save = SaveRandomBoard(saved, 3);
    const std::string text = save.GetString("gamedata.fieldstate", "");

    // A board of another set and level takes the saved one over.
    SMaskTable masks;
    masks.m_files["dat/levels_duel/lev000.raw"] = FullMask();
    masks.m_files["dat/levels_classic/lev003.raw"] = FullMask();
    CField board("dat/levels_duel", 1, 1, TestResources(), masks.Reader());
    RunUntilIdle(board);
    masks.m_requests.clear();
    ASSERT_TRUE(board.LoadState(save));
    EXPECT_EQ(masks.m_requests, std::vector<std::string>{"dat/levels_classic/lev003.raw"});
    EXPECT_EQ(board.GetLevel(), 3);
    EXPECT_EQ(board.GetLevelsCount(), 4);
    EXPECT_EQ(board.GetAdvancedSet(), 0);
    EXPECT_EQ(board.GetState(), Intro);
    EXPECT_TRUE(board.GetInsects().empty());
    EXPECT_EQ(board.GetCell(0, 0)->GetState(), CellAppear);
    EXPECT_EQ(board.DescribeState(), text);

    // The intro ends by itself (no insects to land) and takes a new snapshot.
    for (int i = 0; i < 2000 && !board.IsIdle(); ++i)
        board.Update(16.0f);
    EXPECT_TRUE(board.IsIdle());
    EXPECT_EQ(board.GetLevelState(), text);
}

TEST(LoadState, RandomBoardsComeBackExactly)
{
    std::srand(99);
    for (int round = 0; round < 12; ++round)
    {
        SClassicBoard saved;
        const CPropertyFile save = SaveRandomBoard(saved, 1 + std::rand() % 150);
        // Through the file's text, as a saved game travels.
        const std::string file = save.ToText();
        CPropertyFile reread;
        reread.Parse(file.data(), file.size(), true);
        SClassicBoard loaded;
        ASSERT_TRUE(loaded->LoadState(reread));
        EXPECT_EQ(loaded->DescribeState(), save.GetString("gamedata.fieldstate", ""));
        EXPECT_EQ(loaded->GetRows(), saved->GetRows());
        EXPECT_EQ(loaded->GetColumns(), saved->GetColumns());
    }
}

TEST(LoadState, DamagedOrHostileSavesAreRefusedAndLeaveTheBoard)
{
    std::srand(5);
    SClassicBoard source;
    const CPropertyFile good = SaveRandomBoard(source, 2);
    const std::string text = good.GetString("gamedata.fieldstate", "");
    std::string wrongColour = text;
    wrongColour[5] = '6';

    const std::vector<std::pair<std::string, std::string>> damage = {
        {"gamedata.fieldstate", ""},
        {"gamedata.fieldstate", text.substr(0, text.size() - 3)},
        {"gamedata.fieldstate", text + "01 "},
        {"gamedata.fieldstate", "002 xx 01 "},
        {"gamedata.fieldstate", wrongColour},
        {"gamedata.fieldstate", "002 60 01 09 "},
        {"gamedata.fieldstate", "99999999999 01 "},
        {"gamedata.dir_pattern", "%s%s%s%n/lev%03d.raw"},
        {"gamedata.dir_pattern", "/etc/lev%03d.raw"},
        {"gamedata.dir_pattern", "dat/levels_classic/lev%03d.raw "},
        {"gamedata.level_num", "3"},
        {"gamedata.level_num", "-2"},
        {"gamedata.level_num", "99999999999"},
        {"gamedata.levels_count", "0"},
        {"gamedata.levels_count", "-4"},
        {"gamedata.levels_count", "many"},
        {"gamedata.m_game_type", "7"},
    };
    SClassicBoard board;
    RunUntilIdle(*board);
    const std::string before = board->DescribeState();
    for (const auto& [key, value] : damage)
    {
        CPropertyFile save = good;
        save.SetString(key, value);
        EXPECT_FALSE(board->LoadState(save)) << key << " = " << value;
    }
    for (const char* key :
         {"gamedata.fieldstate", "gamedata.dir_pattern", "gamedata.level_num", "gamedata.levels_count"})
    {
        CPropertyFile save;
        for (const auto& [k, v] : good.Map())
            if (k != key)
                save.SetString(k, v);
        EXPECT_FALSE(board->LoadState(save)) << "without " << key;
    }
    EXPECT_EQ(board->DescribeState(), before);
    EXPECT_TRUE(board->IsIdle());
    EXPECT_EQ(board->GetLevelPattern(), "dat/levels_classic/lev%03d.raw");
    EXPECT_EQ(board->GetLevelsCount(), 4);
}
} // namespace
} // namespace NGame::NTest
