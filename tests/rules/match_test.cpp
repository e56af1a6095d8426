// The match: a decided level is reported and counted once with its lives and
// purse, the bonus bar opens only on the human's resting turn, a skip passes
// over one rival turn, and a finished moving level stands still until it is
// left for the next, which it opens.
#include "BoardBuilder.h"
#include "rules/BonusKinds.h"
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

// Boards one move of the human from their end (the human clicks (kMid, 1)).
int WonBoard(int r, int c)
{
    return c == 0 ? 0 : (r == kMid && c == kLast ? 1 : 2);
}
int LostBoard(int r, int c)
{
    return r == kMid && c == 0 ? 2 : (r == kMid && c == 1 ? 0 : 1);
}
// Halves of the board in the two players' colours; a row of odd length has a
// hole in its middle.
int TiedBoard(int r, int c)
{
    const int length = CBoardGeometry(0).RowLength(r);
    if (r == kMid && c == 0)
        return 2;
    return c < length / 2 ? 0 : (length % 2 == 1 && c == length / 2 ? kHole : 1);
}

TEST(MatchLevelEnd, EachOutcomeIsDecidedOnceWithItsLivesPurseAndNextLevel)
{
    constexpr int kLifePrice = 100;
    const struct
    {
        const char* name;
        int (*layout)(int, int);
        int lives, money;
        CMatch::ELevelEnd end;
        int nextLevel, livesAfter, moneyAfter;
    } cases[] = {
        {"won", WonBoard, 3, 137, CMatch::kLevelCompleted, 1, 3, 137},
        {"tied", TiedBoard, 3, 137, CMatch::kLevelCompleted, 1, 3, 137},
        {"lost with lives", LostBoard, 3, 25, CMatch::kLevelLifeLost, 0, 2, 25},
        {"lost with the last life", LostBoard, 1, kLifePrice, CMatch::kLevelLifeLost, 0, 0, kLifePrice},
        // The life bought is the one lost: the replay starts with none.
        {"lost, a life bought", LostBoard, 0, kLifePrice, CMatch::kLevelLifeLost, 0, 0, 0},
        {"lost, nothing to buy with", LostBoard, 0, kLifePrice - 1, CMatch::kLevelGameOver, -1, 0,
         kLifePrice - 1},
    };
    for (const auto& c : cases)
    {
        SBoard board;
        board.Layout(c.layout);
        CMatch match(kClassicGame, std::move(board.m_field));
        match.GetPlayer(0)->SetLives(c.lives);
        match.GetPlayer(0)->SetMoney(c.money);
        ClickCell(match, kMid, 1);
        for (int i = 0; i < 300 && !match.IsLevelDecided(); ++i)
        {
            match.UpdateBoard(16.0f);
            match.AdvanceTurn(kLifePrice);
        }
        ASSERT_TRUE(match.IsLevelDecided()) << c.name;
        Frames(match, 10);
        EXPECT_EQ(match.TakeLevelEnds(), std::vector<CMatch::ELevelEnd>{c.end}) << c.name;
        EXPECT_EQ(match.GetTotalScore(), match.Region(0)) << c.name << ": lost levels score too, once";
        EXPECT_EQ(match.Region(0) == match.Region(1), c.layout == TiedBoard) << c.name;
        EXPECT_EQ(match.IsGameOver(), c.nextLevel < 0) << c.name;
        EXPECT_EQ(match.IsLifeLost(), c.end == CMatch::kLevelLifeLost) << c.name;
        EXPECT_EQ(match.GetMoment().m_kind, CMatch::kMomentFinished) << c.name;
        if (c.nextLevel < 0)
        {
            EXPECT_EQ(match.GetPlayer(0)->GetMoney(), c.moneyAfter) << c.name;
            continue;
        }
        match.NextLevelOrRetry();
        EXPECT_EQ(match.GetField().GetLevel(), c.nextLevel) << c.name;
        EXPECT_EQ(match.GetPlayerCount(), 2u) << c.name;
        EXPECT_EQ(match.GetCurrentPlayer(), 0) << c.name;
        EXPECT_EQ(match.GetPlayer(0)->GetLives(), c.livesAfter) << c.name;
        EXPECT_EQ(match.GetPlayer(0)->GetMoney(), c.moneyAfter) << c.name;
        EXPECT_FALSE(match.IsLifeLost()) << c.name;
        EXPECT_FALSE(match.IsLevelDecided()) << c.name;
        match.StartAtLevel(0);
        EXPECT_EQ(match.GetPlayerCount(), 2u) << c.name;
    }
}

TEST(MatchBonuses, TheBarOpensOnTheHumansRestingTurnAndASkipPassesOverOneRivalTurn)
{
    SBoard board;
    board.Layout([](int r, int c) { return (r + 2 * c) % 6; });
    CMatch match(kClassicGame, std::move(board.m_field));
    CPlayer& human = *match.GetPlayer(0);
    human.SetMoney(100);
    Frames(match, 1);
    EXPECT_FALSE(match.CanBuyBonus(BonusLife, 101)) << "more than the purse";
    // A life is no skip; a skip is bought once until its turn has passed.
    ASSERT_TRUE(match.BuyBonus(BonusLife, 10));
    EXPECT_FALSE(match.IsSkipPending());
    ASSERT_TRUE(match.BuyBonus(BonusSkipMove, 10));
    EXPECT_TRUE(match.IsSkipPending());
    EXPECT_FALSE(match.CanBuyBonus(BonusSkipMove, 10));
    EXPECT_EQ(human.GetMoney(), 80);
    const CCell& rivalHome = *match.GetField().GetCell(kMid, kLast);
    for (int i = 0; i < 2000 && match.GetBonusCount() > 0; ++i)
    {
        match.UpdateBonuses(16.0f);
        Frames(match, 1);
    }
    ASSERT_EQ(match.GetBonusCount(), 0u);
    EXPECT_FALSE(rivalHome.IsLit());
    Frames(match, 60);
    EXPECT_LT(rivalHome.GetAlpha(), 0.5f) << "the dimmed home shows dim";
    // The human moves twice; the rival's home lights as its skipped turn
    // passes and stays lit through the turn it does get. The bar stays shut
    // while a move runs and in the rival's turn.
    for (const int move : {1, 2})
    {
        ASSERT_TRUE(match.CanBuyBonus(BonusLife, 10)) << move;
        const int own = match.GetField().GetCellColour(kMid, 0);
        const int rival = match.GetField().GetCellColour(kMid, kLast);
        for (int c = 1; c < kLast; ++c)
            if (match.GetField().GetCellColour(kMid, c) != own &&
                match.GetField().GetCellColour(kMid, c) != rival)
            {
                ClickCell(match, kMid, c);
                break;
            }
        match.UpdateBoard(16.0f);
        EXPECT_FALSE(match.CanBuyBonus(BonusLife, 10)) << move;
        bool rivalMoved = false;
        bool litAndLockedInItsTurn = true;
        for (int i = 0; i < 2000 && !(human.GetState() == PlayerTurn && match.GetField().IsIdle()); ++i)
        {
            Frames(match, 1);
            rivalMoved = rivalMoved || match.GetCurrentPlayer() == 1;
            litAndLockedInItsTurn =
                litAndLockedInItsTurn &&
                (match.GetCurrentPlayer() == 0 || (rivalHome.IsLit() && !match.CanBuyBonus(BonusLife, 10)));
        }
        EXPECT_EQ(rivalMoved, move == 2) << move;
        EXPECT_TRUE(litAndLockedInItsTurn) << move;
        EXPECT_FALSE(match.IsSkipPending()) << move;
        Frames(match, 60);
        EXPECT_FLOAT_EQ(rivalHome.GetAlpha(), 1.0f) << move;
        EXPECT_FLOAT_EQ(match.GetField().GetCell(kMid, 0)->GetAlpha(), 1.0f) << move;
    }
}

TEST(MatchBonuses, CoinsABonusJoinsToTheHumansZoneArePaidOnceWhenItSettles)
{
    // The only free flower, next to the human's home, carries a dollar.
    SBoard board;
    board.Layout([](int r, int c) { return r == kMid && c < 2 ? 2 * c : 5; },
                 [](int r, int c) { return r == kMid && c == 1 ? 4 : -1; });
    CMatch match(kClassicGame, std::move(board.m_field));
    match.GetPlayer(0)->SetMoney(100);
    Frames(match, 1);
    ASSERT_TRUE(match.BuyBonus(BonusZoneRepaint, 10));
    for (int i = 0; i < 2000 && match.GetBonusCount() > 0; ++i)
    {
        match.UpdateBonuses(16.0f);
        Frames(match, 1);
    }
    Frames(match, 60);
    EXPECT_EQ(match.GetField().GetCellColour(kMid, 1), 0);
    EXPECT_EQ(match.GetPlayer(0)->GetMoney(), 90 + CPlayer::CoinValue(4));
    EXPECT_TRUE(match.GetField().CollectedCoins().empty()) << "paid now, not again";
}

TEST(MatchBonuses, TheMovingSetSellsNoSkipButOtherBonuses)
{
    SBoard board(0, 1, NLevelSets::kMoving);
    board.Layout([](int r, int c) { return (r + 2 * c) % 6; });
    CMatch match(kMovingGame, std::move(board.m_field));
    match.GetPlayer(0)->SetMoney(100);
    Frames(match, 1);
    EXPECT_FALSE(match.CanBuyBonus(BonusSkipMove, 10));
    EXPECT_TRUE(match.CanBuyBonus(BonusLife, 10));
    match.RestoreSkipPending(10);
    EXPECT_FALSE(match.IsSkipPending()) << "nothing to skip in a moving game";

    // The move's turn ends with the garden moving on: no colour until it rests.
    CPlayer& human = *match.GetPlayer(0);
    const int home = match.GetField().GetCellColour(kMid, 0);
    human.OnColourKey((home + 1) % 6 == match.GetField().GetCellColour(kMid, kLast) ? (home + 2) % 6
                                                                                    : (home + 1) % 6);
    for (int i = 0; i < 2000 && match.GetField().GetState() != Shifting; ++i)
        Frames(match, 1);
    ASSERT_EQ(match.GetField().GetState(), Shifting);
    ASSERT_EQ(human.GetState(), PlayerTurn);
    const int shifting = match.GetField().GetCellColour(kMid, 0);
    human.OnColourKey((shifting + 1) % 6);
    EXPECT_EQ(human.GetState(), PlayerTurn);
    EXPECT_EQ(match.GetField().GetCellColour(kMid, 0), shifting);
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
