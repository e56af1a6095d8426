// The computer opponent: search levels, look-ahead depth, cell weights and
// what it plays when no colour scores.
#include "BoardBuilder.h"
#include "catalogue/Opponents.h"
#include "rules/AIPlayer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <set>
#include <tuple>

namespace NGame::NTest
{
namespace
{

// Human colour 0 left of a wall of holes at 560-600; right of it the
// opponent's home (colour 2), rows above colour 3, rows below colour 4 and
// the rest of the middle row `middle`.
void LayoutThreeChoices(SBoard& board, int middle)
{
    board.Layout(
        [&](int r, int c)
        {
            const float x = board.X(r, c);
            if (x < 560.0f)
                return 0;
            if (x < 600.0f)
                return kHole;
            if (r == kMid)
                return c == kLast ? 2 : middle;
            return r < kMid ? 3 : 4;
        });
}

TEST(AISearch, LevelTwoTakesTheLargestTerritoryAndLowerIndexOnTies)
{
    SBoard board;
    CPlayer human(kMid, 0, board.m_field.get());
    CAIPlayer ai(kMid, kLast, board.m_field.get(), 2);
    // Colours 3 and 4 win equal halves; 5 only the middle row.
    LayoutThreeChoices(board, 5);
    EXPECT_EQ(ai.PickColour(), 3);
    // With the middle row in colour 4 the lower half is larger.
    LayoutThreeChoices(board, 4);
    EXPECT_EQ(ai.PickColour(), 4);
}

TEST(AISearch, EasyDifficultiesPlayAlikeOnRandomBoards)
{
    for (unsigned seed = 1; seed <= 30; ++seed)
    {
        std::srand(seed);
        SBoard board(static_cast<int>(seed % 18));
        const int mid = board->GetRows() / 2;
        CPlayer human(mid, 0, board.m_field.get());
        int picks[6];
        for (int d = 0; d <= 5; ++d)
        {
            CAIPlayer ai(mid, board->RowLength(mid) - 1, board.m_field.get(), d);
            picks[d] = ai.PickColour();
        }
        EXPECT_EQ(picks[0], picks[2]) << seed;
        EXPECT_EQ(picks[1], picks[2]) << seed;
        EXPECT_EQ(picks[3], picks[4]) << seed;
        for (int d = 0; d <= 4; ++d)
            EXPECT_TRUE(board->IsColourAllowed(picks[d])) << seed << " " << d;
        EXPECT_TRUE(picks[5] == -1 || board->IsColourAllowed(picks[5])) << seed;
    }
}

// The look-ahead as plainly stated: for each colour, turn the territory to it,
// search the next ply on that board, and score the territory it now joins.
void PlainSearch(const CAIPlayer& ai, const CColourMap& map, const CColourMap& distances, int depth,
                 bool allowedOnly, const CField& field, int& colour, std::int64_t& score)
{
    colour = -1;
    score = 0;
    if (depth <= 0)
        return;
    const int home = map.At(ai.GetHomeRow(), ai.GetHomeColumn());
    for (int k = 0; k < field.GetColourCount(); ++k)
    {
        if (k == home || (allowedOnly && !field.IsColourAllowed(k)))
            continue;
        CColourMap copy = map;
        ai.ScoreTerritory(copy, distances, ai.GetHomeRow(), ai.GetHomeColumn(), k);
        int deeperColour = -1;
        std::int64_t deeper = 0;
        PlainSearch(ai, copy, distances, depth - 1, false, field, deeperColour, deeper);
        const std::int64_t s =
            ai.ScoreTerritory(copy, distances, ai.GetHomeRow(), ai.GetHomeColumn(), -1) + deeper;
        if (s > score)
        {
            score = s;
            colour = k;
        }
    }
}

TEST(AISearch, SearchMatchesThePlainLookAheadThroughALevel)
{
    // Random boards played part of the way, so that the territory, the
    // proportion owned and with them the weights and depths vary.
    for (unsigned seed = 1; seed <= 8; ++seed)
    {
        std::srand(seed);
        SBoard board(static_cast<int>(5 + seed % 10));
        const int mid = board->GetRows() / 2;
        CAIPlayer human(mid, 0, board.m_field.get(), 2);
        CAIPlayer ai(mid, board->RowLength(mid) - 1, board.m_field.get(), 5);
        for (int move = 0; move < 40 && !board->IsLevelFinished(); ++move)
        {
            if (move % 2 == 1)
            {
                const int picked = ai.PickColour();
                const CColourMap map = board->MakeColourMap();
                const CColourMap distances = ai.BuildDistanceMap();
                for (int depth = 0; depth <= 3; ++depth)
                {
                    int colour = -1, plainColour = -1;
                    std::int64_t score = 0, plainScore = 0;
                    ai.SearchColour(map, distances, depth, true, colour, score);
                    PlainSearch(ai, map, distances, depth, true, *board, plainColour, plainScore);
                    ASSERT_EQ(colour, plainColour) << seed << " " << move << " " << depth;
                    ASSERT_EQ(score, plainScore) << seed << " " << move << " " << depth;
                }
                if (!ai.PlayColour(picked, false))
                    continue;
            }
            else if (!human.PlayColour(human.PickColour(), false))
                continue;
            RunUntilIdle(*board);
        }
    }
}

TEST(AISearch, ProportionOfExactlyPointFourLooksOnePlyAndCountsCells)
{
    SBoard board;
    CPlayer human(kMid, 0, board.m_field.get());
    CAIPlayer ai(kMid, kLast, board.m_field.get(), 4);
    // Ten flowers on the middle row: two for each home and six free.
    board.Layout(
        [](int r, int c)
        {
            if (r != kMid || (c >= 2 && c <= 12))
                return kHole;
            if (c <= 1)
                return 0;
            if (c >= 19)
                return 2;
            return c >= 17 ? 3 : (c == 16 ? 4 : 5);
        });
    EXPECT_FLOAT_EQ(ai.MeasureOwned(), 0.4f);
    EXPECT_EQ(ai.DepthFor(ai.MeasureOwned()), 1);
    EXPECT_EQ(ai.DepthFor(0.39f), 2);
    EXPECT_EQ(ai.PickColour(), 3);
    // At this proportion a cell weighs 1: the two cells of the territory
    // score 2 (squared distances would give 0 + 1).
    CColourMap map = board->MakeColourMap();
    EXPECT_EQ(ai.ScoreTerritory(map, ai.BuildDistanceMap(), kMid, kLast, -1), 2);
}

TEST(AISearch, DistanceMapCountsStepsThroughFlowersAsTheBoardsNeighboursRun)
{
    // Every colour, 0 included, is a step; the steps are the board's own
    // neighbour relation, counted out here breadth first from homes anywhere.
    SBoard board(13);
    const CBoardGeometry g(13);
    board.Layout([](int r, int c) { return (r * 5 + c) % 6; });
    for (const SCellPos home : {SCellPos{g.Mid(), g.RowLength(g.Mid()) - 1}, SCellPos{g.Mid(), 0},
                                SCellPos{0, 0}, SCellPos{g.Rows() - 1, 3}})
    {
        CAIPlayer ai(home.m_row, home.m_column, board.m_field.get(), 2);
        std::vector<std::vector<int>> steps(g.Rows(), std::vector<int>(g.Columns(), -1));
        std::vector<SCellPos> queue{home};
        steps[home.m_row][home.m_column] = 0;
        for (std::size_t head = 0; head < queue.size(); ++head)
            for (const SCellPos& n : g.Neighbours(queue[head].m_row, queue[head].m_column))
                if (g.IsValid(n.m_row, n.m_column) && steps[n.m_row][n.m_column] < 0)
                {
                    steps[n.m_row][n.m_column] = steps[queue[head].m_row][queue[head].m_column] + 1;
                    queue.push_back(n);
                }
        const CColourMap distances = ai.BuildDistanceMap();
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.RowLength(r); ++c)
                ASSERT_EQ(distances.At(r, c), steps[r][c]) << r << "," << c;
    }

    // A hole is no step: beyond it nothing is reachable.
    SBoard row;
    CAIPlayer rowAi(kMid, kLast, row.m_field.get(), 2);
    row.Layout([](int r, int c) { return r == kMid && c == 10 ? kHole : (r == kMid ? 1 : kHole); });
    const CColourMap rowDistances = rowAi.BuildDistanceMap();
    EXPECT_EQ(rowDistances.At(kMid, 11), 9);
    EXPECT_EQ(rowDistances.At(kMid, 10), -3);
    EXPECT_EQ(rowDistances.At(kMid, 9), -2);
}

TEST(AISearch, StrongWeightsAreAlikeAboveAndBelowTheHomeRow)
{
    // The upper half in colour 3, the lower half its mirror in colour 4:
    // early in a level both weigh the same.
    SBoard board;
    CPlayer human(kMid, 0, board.m_field.get());
    CAIPlayer ai(kMid, kLast, board.m_field.get(), 5);
    board.Layout([](int r, int c)
                 { return r == kMid ? (c == 0 ? 0 : (c == kLast ? 2 : 5)) : (r < kMid ? 3 : 4); });
    ASSERT_EQ(ai.PickColour(), 3) << "the lower index of a tie";
    const CColourMap distances = ai.BuildDistanceMap();
    std::int64_t scores[2] = {0, 0};
    for (const int k : {3, 4})
    {
        CColourMap map = board->MakeColourMap();
        ai.ScoreTerritory(map, distances, kMid, kLast, k);
        scores[k - 3] = ai.ScoreTerritory(map, distances, kMid, kLast, -1);
    }
    EXPECT_GT(scores[0], 0);
    EXPECT_EQ(scores[0], scores[1]);
    EXPECT_EQ(CAIPlayer(kMid, kLast, nullptr, 5).PickColour(), -1) << "no board, no colour";
}

TEST(AIStrength, RisesThroughCyclesOfLevelsAndTheChosenOpponentShiftsItOneSearchLevel)
{
    // Level, its own strength, and the fierce one's: one search level up
    // (2 to 4, 4 to 5), the top staying the top.
    const int expected[][3] = {{0, 0, 4},  {1, 1, 4},  {2, 0, 4},  {5, 2, 4},  {8, 3, 5},
                               {10, 4, 5}, {11, 4, 5}, {12, 5, 5}, {13, 0, 4}, {29, 1, 4},
                               {30, 1, 4}, {39, 5, 5}, {59, 5, 5}, {60, 2, 4}, {61, 4, 5},
                               {62, 5, 5}, {84, 2, 4}, {85, 5, 5}, {99, 5, 5}, {-4, 0, 4}};
    for (const auto& [level, strength, fierce] : expected)
    {
        EXPECT_EQ(CAIPlayer::DifficultyForLevel(level), strength) << level;
        EXPECT_EQ(CAIPlayer::DifficultyFor(level, NOpponents::kLevel), strength) << level;
        EXPECT_EQ(CAIPlayer::DifficultyFor(level, NOpponents::kFierce), fierce) << level;
        EXPECT_EQ(CAIPlayer::DifficultyFor(level, NOpponents::kGentle), CAIPlayer::kGentleDifficulty)
            << level;
        // A value no options screen writes plays the level's own.
        EXPECT_EQ(CAIPlayer::DifficultyFor(level, 7), strength) << level;
    }
}

TEST(AIStrength, GentleTakesOneOfTheTwoLargestBitesAsTheSeedSays)
{
    SBoard board;
    CPlayer human(kMid, 0, board.m_field.get());
    CAIPlayer gentle(kMid, kLast, board.m_field.get(), CAIPlayer::kGentleDifficulty);
    // Colour 4 wins the most, 3 the next most, 5 only the middle row.
    LayoutThreeChoices(board, 4);
    std::set<int> picks;
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        std::srand(seed);
        const int pick = gentle.PickColour();
        std::srand(seed);
        EXPECT_EQ(gentle.PickColour(), pick) << "a seed replays the choice";
        picks.insert(pick);
    }
    EXPECT_EQ(picks, (std::set<int>{3, 4}));
}

TEST(AIStrength, TheSameSideWinsMoreAgainstTheGentleOpponentThanAgainstTheWeakest)
{
    int won[2] = {0, 0};
    for (unsigned seed = 1; seed <= 6; ++seed)
        for (const int rival : {CAIPlayer::kGentleDifficulty, 0})
        {
            std::srand(seed);
            SBoard board(static_cast<int>(seed % 18));
            const int mid = board->GetRows() / 2;
            CAIPlayer human(mid, 0, board.m_field.get(), 2);
            CAIPlayer ai(mid, board->RowLength(mid) - 1, board.m_field.get(), rival);
            for (int move = 0; move < 400 && !board->IsLevelFinished(); ++move)
            {
                CAIPlayer& player = move % 2 ? ai : human;
                if (player.PlayColour(player.PickColour(), false))
                    RunUntilIdle(*board);
            }
            won[rival == 0] += board->CountRegion(mid, 0);
        }
    EXPECT_GT(won[0], won[1] * 11 / 10) << "the human side's flowers, gentle rival against the weakest";
}

TEST(AITurn, WithoutAPositiveScoreTheLargestTerritoryIsPlayed)
{
    // The opponent's home (colour 2) reaches only the right edge above it
    // (colour 3) and below it (colour 4), walled off by holes. Early in a
    // hard level those edge cells weigh 0, so no colour scores above 0.
    for (const auto& [above, below, expected] : {std::tuple{2, 3, 4}, std::tuple{2, 2, 3}})
    {
        SBoard board;
        CPlayer human(kMid, 0, board.m_field.get());
        CAIPlayer ai(kMid, kLast, board.m_field.get(), 5);
        board.Layout(
            [&, above = above, below = below](int r, int c)
            {
                const int d = std::abs(r - kMid);
                const int edge = board->RowLength(r) - 1;
                if (r == kMid && (c == 0 || c == kLast))
                    return c == 0 ? 0 : 2;
                if (c == edge && d >= 1 && d <= (r < kMid ? above : below))
                    return r < kMid ? 3 : 4;
                if (c >= edge - 1 && d <= 4)
                    return kHole;
                return (r + c) % 6;
            });
        ASSERT_LT(ai.MeasureOwned(), 0.1f);
        CColourMap map = board->MakeColourMap();
        int searched = 0;
        std::int64_t score = 0;
        ai.SearchColour(map, ai.BuildDistanceMap(), 3, true, searched, score);
        ASSERT_EQ(searched, -1);
        EXPECT_EQ(ai.PickColour(), expected);
        ai.BeginTurn();
        ai.Update(16.0f);
        EXPECT_EQ(ai.GetState(), PlayerMoving);
        EXPECT_EQ(board->GetCellColour(kMid, kLast), expected);
    }
}

TEST(AITurn, PlaysAtOnceAndDiscardsTheCoinsItTakes)
{
    SBoard board;
    CPlayer human(kMid, 0, board.m_field.get());
    CAIPlayer ai(kMid, kLast, board.m_field.get(), 2);
    // Colour 1 next to the human stays free, so the level goes on.
    board.Layout(
        [](int r, int c)
        {
            if (r == kMid && (c == 0 || c == kLast))
                return c == 0 ? 0 : 2;
            return (c == 0 && r >= kMid - 1 && r <= kMid + 1) || (r == kMid && c == 1) ? 1 : 3;
        },
        [](int r, int c) { return r == kMid && c == 19 ? 4 : -1; });
    ai.BeginTurn();
    ai.Update(16.0f);
    EXPECT_EQ(ai.GetState(), PlayerMoving);
    EXPECT_EQ(board->GetCellColour(kMid, kLast), 3);
    EXPECT_TRUE(board->CollectedCoins().empty());
    EXPECT_EQ(ai.GetMoney(), 25);
    RunUntilIdle(*board);
    ai.Update(16.0f);
    EXPECT_EQ(ai.GetState(), PlayerWaiting);
}
} // namespace
} // namespace NGame::NTest
