// The level-state text: its exact form, the checked reader, and mask holes
// that no text can fill (whole boards going through a saved file and damaged
// saves are in saved_state_test).
#include "BoardBuilder.h"

#include <gtest/gtest.h>

namespace NGame::NTest
{
namespace
{
TEST(LevelStateText, WritesHolesCoinsAndColoursInFixedWidths)
{
    const std::string text =
        CLevelState::Write(7, {{-3, -1}, {2, -1}, {4, 1}, {5, -1}, {-3, -1, 3}, {-3, 4, 0}});
    EXPECT_EQ(text, "007 50 02 60 04 01 05 51 03 61 00 04 ");
    int level = 0;
    std::vector<SCellState> cells;
    ASSERT_TRUE(CLevelState::Read(text, level, cells));
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0].m_hidden, -1);
    EXPECT_EQ(std::vector<int>({cells[4].m_colour, cells[4].m_hidden, cells[4].m_coin}),
              std::vector<int>({-3, 3, -1}));
    EXPECT_EQ(std::vector<int>({cells[5].m_colour, cells[5].m_hidden, cells[5].m_coin}),
              std::vector<int>({-3, 0, 4}));
}

TEST(LevelStateText, RefusesMalformedTextWithoutTouchingTheOutputs)
{
    for (const std::string& bad : std::vector<std::string>{
             "", "7 01 ", "007", "007 06 ", "007 60 02 ", "007 60 02 05 ", "007 60 07 01 ", "007 01",
             "007 01 x", "007 1 ", "abc 01 ", "007  01 ", "99999999 01 ", std::string("007 0\0 ", 7),
             "007 51 ", "007 51 06 ", "007 61 02 ", "007 61 02 05 "})
    {
        int level = -5;
        std::vector<SCellState> cells(2);
        EXPECT_FALSE(CLevelState::Read(bad, level, cells)) << bad;
        EXPECT_EQ(level, -5);
        EXPECT_EQ(cells.size(), 2u);
    }
    int level = 0;
    std::vector<SCellState> cells;
    EXPECT_TRUE(CLevelState::Read("012 ", level, cells));
    EXPECT_TRUE(cells.empty());
}

TEST(LoadState, ASnapshotComesBackAndAnUnknownSetFlagIsRefused)
{
    SBoard board(0, 1, NLevelSets::kClassic);
    board.Layout([](int r, int c) { return (r + c) % 6; });
    board->TakeSnapshot();
    SSavedBoard saved;
    ASSERT_TRUE(board->SaveState(saved));
    SBoard other(0, 1, NLevelSets::kClassic);
    for (const int gameType : {2, -1})
    {
        saved.m_game_type = gameType;
        EXPECT_FALSE(other->LoadState(saved)) << gameType;
    }
    for (const int gameType : {1, 0})
    {
        saved.m_game_type = gameType;
        ASSERT_TRUE(other->LoadState(saved)) << gameType;
    }
    EXPECT_EQ(other->DescribeState(), board->DescribeState());
}

TEST(RestoreState, TheTextsHolesAndFlowersReplaceTheMasks)
{
    SMaskTable masks;
    std::vector<unsigned char> mask = FullMask();
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 100; ++x)
            mask[static_cast<std::size_t>(x + y * 800)] = 0;
    masks.m_files["dat/levels_classic/lev000.raw"] = mask;
    CField field(NLevelSets::kClassic, 1, TestResources(), masks.Reader());
    ASSERT_TRUE(field.IsHole(8, 1));
    // Flowers where the mask has holes, a hole where it has a flower.
    std::vector<SCellState> cells(285, SCellState{1, -1});
    cells[140] = {kHole, -1};
    cells[133] = {4, 2};
    const std::string text = CLevelState::Write(0, cells);
    ASSERT_TRUE(field.RestoreState(text));
    EXPECT_EQ(field.DescribeState(), text);
    EXPECT_EQ(field.GetCoin(8, 1), 2);

    // No board has a hole under a home.
    for (const std::size_t home : {132u, 152u})
    {
        std::vector<SCellState> holed = cells;
        holed[home] = {kHole, -1};
        EXPECT_FALSE(field.RestoreState(CLevelState::Write(0, holed))) << home;
    }
    // What lies under a hole only the moving set writes: a classic text with
    // it would load a board that never writes it back.
    for (const SCellState under : {SCellState{kHole, -1, 3}, SCellState{kHole, 2, 3}})
    {
        std::vector<SCellState> hidden = cells;
        hidden[140] = under;
        EXPECT_FALSE(field.RestoreState(CLevelState::Write(0, hidden)));
    }
    EXPECT_EQ(field.DescribeState(), text);
}
} // namespace
} // namespace NGame::NTest
