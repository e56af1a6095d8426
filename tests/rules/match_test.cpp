// The match: a decided level is reported and counted once, and a finished
// moving level stands still until it is left for the next, which it opens.
#include "BoardBuilder.h"
#include "rules/Match.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace NGame::NTest
{
namespace
{
// Frames as the game screen runs them.
void Frames(CMatch& match, int count)
{
    for (int i = 0; i < count; ++i)
    {
        match.UpdateBoard(16.0f);
        match.AdvanceTurn(100);
    }
}

void ClickCell(CMatch& match, int r, int c)
{
    float x = 0.0f;
    float y = 0.0f;
    match.GetField().CellPosition(r, c, x, y);
    match.GetPlayer(0)->OnClick(x, y);
}

TEST(MatchTurns, ALevelIsDecidedOnceAndItsTerritoryCountedOnce)
{
    SBoard board;
    // One move of colour 2 takes everything but the opponent's home.
    board.Layout([](int r, int c) { return c == 0 ? 0 : (r == kMid && c == kLast ? 1 : 2); });
    CMatch match(kClassicGame, std::move(board.m_field));
    ClickCell(match, 3, 5);
    Frames(match, 300);
    ASSERT_TRUE(match.GetField().IsLevelFinished());
    EXPECT_EQ(match.TakeLevelEnds(), std::vector<CMatch::ELevelEnd>{CMatch::kLevelCompleted});
    EXPECT_EQ(match.GetTotalScore(), match.Region(0));
    Frames(match, 100);
    EXPECT_TRUE(match.TakeLevelEnds().empty());
    EXPECT_EQ(match.GetTotalScore(), match.Region(0));

    match.NextLevelOrRetry();
    EXPECT_EQ(match.GetField().GetLevel(), 1);
    EXPECT_EQ(match.GetCurrentPlayer(), 0);
    EXPECT_EQ(match.GetPlayer(0)->GetLives(), 3);
}

TEST(MatchTurns, AWonMovingLevelStandsStillUntilItOpensTheNextMovingLevel)
{
    SBoard board(0, 1, NLevelSets::kMoving);
    board.Layout([](int r, int c) { return c == 0 ? 0 : (r == 0 ? 1 : 2); });
    std::vector<std::pair<CField::ELevelSet, int>> reached;
    board->SetLevelReached([&reached](CField::ELevelSet set, int level)
                           { reached.emplace_back(set, level); });
    CMatch match(kMovingGame, std::move(board.m_field));
    // The opponent's home's colour joins the two homes and ends the race.
    ClickCell(match, kMid, kLast);
    for (int i = 0; i < 300; ++i)
    {
        Frames(match, 1);
        ASSERT_NE(match.GetField().GetState(), Shifting) << "frame " << i;
    }
    ASSERT_TRUE(match.GetField().IsLevelFinished());
    EXPECT_EQ(match.GetCurrentPlayer(), 0);
    EXPECT_TRUE(reached.empty()) << "nothing is reached before the level is left";
    match.NextLevelOrRetry();
    EXPECT_EQ(reached, (std::vector<std::pair<CField::ELevelSet, int>>{{NLevelSets::kMoving, 2}}));
}
} // namespace
} // namespace NGame::NTest
