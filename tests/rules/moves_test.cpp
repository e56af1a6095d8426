// Colour moves: which colours may be chosen, annexation, enclosure capture,
// coin collection and the end of a level.
#include "BoardBuilder.h"
#include "rules/Player.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace NGame::NTest
{
namespace
{

// A level-0 board with the human home at (8, 0) and the opponent's at (8, 20).
struct SDuel : SBoard
{
    CPlayer m_human{kMid, 0, m_field.get()};
    CPlayer m_opponent{kMid, kLast, m_field.get()};
};

// Human colour 0 on the left, a wall of holes at 300 <= x < 340 with a gap in
// the middle row, opponent colour 2 on the right, and a pocket of colours 4
// and 5 in rows 7 to 9 just left of the wall.
void LayoutWallWithPocket(SDuel& duel, int gapColour)
{
    duel.Layout(
        [&](int r, int c)
        {
            const float x = duel.X(r, c);
            if (x >= 300.0f && x < 340.0f)
                return r == kMid ? gapColour : kHole;
            if (x >= 340.0f)
                return 2;
            if (x >= 250.0f && r >= kMid - 1 && r <= kMid + 1)
                return 4 + (c % 2);
            return 0;
        });
}

int CountColour(CField& field, int colour)
{
    int count = 0;
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
            count += field.GetCellColour(r, c) == colour;
    return count;
}

TEST(ColourChoice, OwnAndOpponentsColoursAreRefused)
{
    SDuel duel;
    duel.Layout([](int r, int c) { return c == 0 && r == kMid ? 3 : (c == kLast && r == kMid ? 5 : 1); });
    EXPECT_FALSE(duel->IsColourAllowed(3));
    EXPECT_FALSE(duel->IsColourAllowed(5));
    EXPECT_FALSE(duel->IsColourAllowed(-1));
    EXPECT_FALSE(duel->IsColourAllowed(-3));
    EXPECT_FALSE(duel->IsColourAllowed(6));
    EXPECT_TRUE(duel->IsColourAllowed(0));
    EXPECT_TRUE(duel->IsColourAllowed(1));
    // The board itself refuses a start cell's own colour, a negative colour
    // and a colour outside the six.
    EXPECT_FALSE(duel->Repaint(kMid, 0, 3));
    EXPECT_FALSE(duel->Repaint(kMid, 0, -1));
    EXPECT_FALSE(duel->Repaint(kMid, 0, 6));
    EXPECT_TRUE(duel->IsIdle());
}

TEST(ColourMove, RepaintAnnexesNeighboursOfTheNewColour)
{
    SDuel duel;
    // Columns 0-1 colour 0, columns 2-3 colour 1, the rest colour 3.
    duel.Layout(
        [](int r, int c)
        {
            if (r == kMid && c == kLast)
                return 2;
            return c < 2 ? 0 : (c < 4 ? 1 : 3);
        });
    const int before = duel->CountRegion(kMid, 0);
    ASSERT_TRUE(duel->Repaint(kMid, 0, 1));
    EXPECT_EQ(duel->GetState(), Settling);
    EXPECT_TRUE(RunUntilIdle(*duel));
    EXPECT_EQ(duel->GetCellColour(kMid, 0), 1);
    EXPECT_EQ(duel->CountRegion(kMid, 0), before + 17 * 2);
    EXPECT_EQ(CountColour(*duel, 0), 0);
}

TEST(EnclosureCapture, PocketOfSeveralColoursIsCaptured)
{
    SDuel duel;
    LayoutWallWithPocket(duel, kHole);
    ASSERT_GT(CountColour(*duel, 4), 0);
    ASSERT_GT(CountColour(*duel, 5), 0);
    const int opponent = duel->CountRegion(kMid, kLast);
    ASSERT_TRUE(duel->Repaint(kMid, 0, 1));
    RunUntilIdle(*duel);
    EXPECT_EQ(CountColour(*duel, 4), 0);
    EXPECT_EQ(CountColour(*duel, 5), 0);
    EXPECT_EQ(CountColour(*duel, 0), 0);
    EXPECT_EQ(duel->CountRegion(kMid, kLast), opponent);
    // Both sides now cover the board.
    EXPECT_TRUE(duel->IsLevelFinished());
}

TEST(EnclosureCapture, AreaTouchingTheOpponentInOneCellIsNotCaptured)
{
    SDuel duel;
    LayoutWallWithPocket(duel, 2);
    const int pocket = CountColour(*duel, 4) + CountColour(*duel, 5);
    ASSERT_GT(pocket, 0);
    ASSERT_TRUE(duel->Repaint(kMid, 0, 1));
    RunUntilIdle(*duel);
    EXPECT_EQ(CountColour(*duel, 4) + CountColour(*duel, 5), pocket);
    EXPECT_FALSE(duel->IsLevelFinished());
}

// Holes at 300-340 and 660-700 leave an island of colours 3 and 4 between
// the human (colour 0) and the opponent (colour 2) that touches nobody.
TEST(EnclosureCapture, IslandBoundedByHolesGoesToWhoeverMovesNext)
{
    for (const bool humanMoves : {true, false})
    {
        SDuel duel;
        duel.Layout(
            [&](int r, int c)
            {
                const float x = duel.X(r, c);
                if ((x >= 300.0f && x < 340.0f) || (x >= 660.0f && x < 700.0f))
                    return kHole;
                if (x < 300.0f)
                    return 0;
                if (x >= 700.0f)
                    return 2;
                return 3 + (r % 2);
            });
        const int island = CountColour(*duel, 3) + CountColour(*duel, 4);
        ASSERT_GT(island, 0);
        const int mover = humanMoves ? 0 : kLast;
        const int moverBefore = duel->CountRegion(kMid, mover);
        ASSERT_TRUE(duel->Repaint(kMid, mover, 5));
        RunUntilIdle(*duel);
        EXPECT_EQ(CountColour(*duel, 5), moverBefore + island);
        EXPECT_EQ(CountColour(*duel, 3) + CountColour(*duel, 4), 0);
    }
}

TEST(CoinCollection, CoinsOfEveryKindAddTheirValues)
{
    SDuel duel;
    // The human's three neighbours above, right and below carry coins on
    // colour 1, and so do the two cells right of the right one.
    duel.Layout(
        [](int r, int c)
        {
            if (r == kMid && c == 0)
                return 0;
            if (r == kMid && c == kLast)
                return 2;
            return (r == kMid - 1 && c == 0) || (r == kMid && c >= 1 && c <= 3) || (r == kMid + 1 && c == 0)
                       ? 1
                       : 3;
        },
        [](int r, int c)
        {
            if (r == kMid - 1 && c == 0)
                return 0;
            if (r == kMid && c == 1)
                return 2;
            if (r == kMid + 1 && c == 0)
                return 4;
            if (r == kMid && (c == 2 || c == 3))
                return c == 2 ? 3 : 1;
            return -1;
        });
    duel.m_human.BeginTurn();
    float x = 0.0f;
    float y = 0.0f;
    duel->CellPosition(kMid, 1, x, y);
    duel.m_human.OnClick(x, y);
    EXPECT_EQ(duel.m_human.GetState(), PlayerMoving);
    EXPECT_EQ(duel.m_human.GetMoney(), 25 + 1 + 10 + 100 + 25 + 5);
    EXPECT_TRUE(duel->CollectedCoins().empty());
    EXPECT_EQ(duel->GetCoin(kMid, 1), -1);
    // The coin pictures stay until each cell's flip starts.
    EXPECT_TRUE(duel->GetCell(kMid, 1)->HasRemovedCoin());
    RunUntilIdle(*duel);
    EXPECT_FALSE(duel->GetCell(kMid, 1)->HasRemovedCoin());
    const auto sounds = duel->TakeSounds();
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0], kBoardSoundStartPaint);
}

TEST(CoinCollection, CoinOnACellPaintedIntoTheTerritoryWaitsForSettleTerritory)
{
    SDuel duel;
    duel.Layout([](int r, int c) { return r == kMid && c == kLast ? 2 : (c < 3 ? 0 : 4); },
                [](int r, int c) { return r == kMid && c == 3 ? 3 : -1; });
    duel->PaintCell(kMid, 3, 0, false);
    RunUntilIdle(*duel);
    EXPECT_EQ(duel->GetCoin(kMid, 3), 3);
    EXPECT_TRUE(duel->CollectedCoins().empty());
    duel->SettleTerritory(kMid, 0);
    ASSERT_EQ(duel->CollectedCoins().size(), 1u);
    EXPECT_EQ(duel->CollectedCoins()[0].m_kind, 3);
    EXPECT_EQ(duel->GetCoin(kMid, 3), -1);
}

TEST(CoinCollection, CoinsTheOpponentsTerritoryTakesAreNotPaidToTheHuman)
{
    SDuel duel;
    // The human's home is walled in by holes, so the opponent's settling
    // after a bonus captures all the free cells, a coin of kind 4 among them.
    duel.Layout(
        [](int r, int c)
        {
            if (r == kMid && (c == 0 || c == kLast))
                return c == 0 ? 0 : 2;
            return (r == kMid && c == 1) || (c == 0 && std::abs(r - kMid) == 1) ? kHole : 4;
        },
        [](int r, int c) { return r == 3 && c == 10 ? 4 : -1; });
    duel->SettleTerritory(kMid, 0);
    duel->SettleTerritory(kMid, kLast);
    EXPECT_EQ(duel->GetCellColour(3, 10), 2);
    EXPECT_EQ(duel->GetCoin(3, 10), -1);
    RunUntilIdle(*duel);
    ASSERT_TRUE(duel.m_human.PlayColour(1, true));
    EXPECT_EQ(duel.m_human.GetMoney(), 25);
}

TEST(LevelEnd, EqualTerritoriesCoveringTheBoardFinishTheLevel)
{
    SDuel duel;
    // Left halves colour 0, right halves colour 2, the centre cell of odd rows a hole.
    duel.Layout(
        [&](int r, int c)
        {
            const int length = duel->RowLength(r);
            if (length % 2 == 1 && c == length / 2)
                return kHole;
            return c < length / 2 ? (c == 1 && r == 0 ? 1 : 0) : 2;
        });
    EXPECT_FALSE(duel->IsLevelFinished());
    ASSERT_TRUE(duel->Repaint(kMid, 0, 1));
    RunUntilIdle(*duel);
    EXPECT_TRUE(duel->IsLevelFinished());
    EXPECT_EQ(duel->CountRegion(kMid, 0), duel->CountRegion(kMid, kLast));
}

TEST(PaintCell, OneCellJoinsOnlyByAdjacency)
{
    SDuel duel;
    duel.Layout([](int r, int c) { return r == kMid && c == kLast ? 2 : (c == 0 ? 0 : 3); });
    const int before = duel->CountRegion(kMid, 0);
    duel->PaintCell(kMid, 5, 0, true);
    duel->PaintCell(kMid, 1, 0, false);
    RunUntilIdle(*duel);
    EXPECT_EQ(duel->CountRegion(kMid, 0), before + 1);
    EXPECT_EQ(duel->GetCellColour(kMid, 5), 0);
    // Not while the level opens.
    SBoard opening;
    ASSERT_EQ(opening->GetState(), Intro);
    const int colour = opening->GetCellColour(3, 9);
    opening->PaintCell(3, 9, (colour + 1) % 6, false);
    EXPECT_EQ(opening->GetCellColour(3, 9), colour);
    // Holes ignore recolouring.
    SDuel holes;
    holes.Layout([](int r, int c) { return r == 3 && c == 3 ? kHole : (r == kMid && c == kLast ? 2 : 0); });
    holes->PaintCell(3, 3, 1, true);
    EXPECT_EQ(holes->GetCellColour(3, 3), -3);
    EXPECT_FALSE(holes->IsChanged(3, 3));
}
} // namespace
} // namespace NGame::NTest
