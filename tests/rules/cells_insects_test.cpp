// Cell animations (flip, appear, vanish, slide, hover) and the insects that
// bring the intro's coins.
#include "BoardBuilder.h"
#include "rules/Cell.h"
#include "rules/Field.h"
#include "rules/Insect.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <vector>

namespace NGame::NTest
{
namespace
{
const CSpriteClock kCellSheet(8, 16, 50);
const CSpriteClock kCoinSheet(5, 8, 50);

CCell MakeIdleCell(int colour)
{
    return CCell(colour, kCellSheet, &kCoinSheet, 100.0f, 100.0f, 36.0f);
}

TEST(CellFlip, RunsBackToTheMiddleSwitchesColourAndRunsOnToTheEnd)
{
    CCell cell = MakeIdleCell(1);
    cell.SetColour(4);
    EXPECT_TRUE(cell.IsChanged());
    cell.StartFlip();
    std::vector<int> frames;
    std::vector<int> groups;
    for (int i = 0; i < 40 && cell.GetState() == CellFlip; ++i)
    {
        // 50 ms is above any frame time, so every update is one frame step.
        cell.Update(50.0f);
        frames.push_back(cell.GetClock().GetFrame());
        groups.push_back(cell.GetClock().GetGroup());
    }
    const std::vector<int> expected = {15, 14, 13, 12, 11, 10, 9, 8, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    EXPECT_EQ(frames, expected);
    // The old colour shows until the middle frame (7), the new one from there.
    for (std::size_t i = 0; i < groups.size(); ++i)
        EXPECT_EQ(groups[i], i < 8 ? 1 : 4) << i;
    EXPECT_EQ(cell.GetState(), CellIdle);
    EXPECT_FALSE(cell.IsChanged());
}

TEST(CellFlip, DelayHoldsTheFlipAndTheRemovedCoin)
{
    CCell cell = MakeIdleCell(1);
    cell.SetCoin(2);
    cell.SetCoin(-1);
    EXPECT_EQ(cell.GetCoin(), -1);
    EXPECT_TRUE(cell.HasRemovedCoin());
    // Without a flip the removed coin stays drawn.
    cell.Update(16.0f);
    EXPECT_TRUE(cell.HasRemovedCoin());
    cell.SetColour(2);
    cell.StartFlip();
    cell.SetDelay(40.0f);
    cell.Update(16.0f);
    cell.Update(16.0f);
    EXPECT_TRUE(cell.HasRemovedCoin());
    EXPECT_EQ(cell.GetClock().GetFrame(), 0);
    cell.Update(16.0f);
    cell.Update(16.0f);
    EXPECT_FALSE(cell.HasRemovedCoin());
    // A new coin drops any removed one at once.
    cell.SetCoin(3);
    cell.SetCoin(-1);
    cell.SetCoin(1);
    EXPECT_FALSE(cell.HasRemovedCoin());
    EXPECT_EQ(cell.GetCoin(), 1);
}

TEST(CellColour, HoleIgnoresRecolouringButKeepsReportingAHole)
{
    CCell cell = MakeIdleCell(3);
    cell.SetHole(true);
    cell.SetColour(5);
    EXPECT_FALSE(cell.IsChanged());
    EXPECT_EQ(cell.GetColour(), -3);
    EXPECT_EQ(cell.GetFlowerColour(), 3);
    cell.SetColourDirect(1);
    EXPECT_EQ(cell.GetColour(), -3);
    // Set directly, a flower shows its colour at once.
    CCell flower = MakeIdleCell(3);
    flower.SetColourDirect(4);
    EXPECT_EQ(flower.GetColour(), 4);
    EXPECT_EQ(flower.GetClock().GetGroup(), 4);
}

// The frames a fading cell shows, each once, until it leaves `state`.
std::vector<int> FadeFrames(CCell& cell, ECellState state)
{
    cell.SetDelay(0.0f);
    std::vector<int> frames;
    for (int i = 0; i < 200 && cell.GetState() == state; ++i)
    {
        cell.Update(16.0f);
        if (frames.empty() || frames.back() != cell.GetClock().GetFrame())
            frames.push_back(cell.GetClock().GetFrame());
    }
    return frames;
}

TEST(CellAppearVanish, FadesShowEveryStepOnceAndEndOnTheirLastFrame)
{
    CCell cell = MakeIdleCell(0);
    cell.FadeIn();
    EXPECT_EQ(FadeFrames(cell, CellAppear), (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(cell.GetState(), CellIdle);
    EXPECT_FLOAT_EQ(cell.GetAlpha(), 1.0f);
    // A flower runs down from the top of its frames, a hole up from the
    // bottom; both end on the empty frame 9.
    for (const bool hole : {false, true})
    {
        CCell leaving = MakeIdleCell(0);
        leaving.SetHole(hole);
        leaving.FadeOut();
        EXPECT_EQ(FadeFrames(leaving, CellVanish), hole ? (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9})
                                                        : (std::vector<int>{14, 13, 12, 11, 10, 9, 8, 7, 9}));
        EXPECT_EQ(leaving.GetState(), CellGone);
    }
}

TEST(CellSize, SizeAboveFiftyIsCutAndHoverGrowsAndSpins)
{
    CCell cell = MakeIdleCell(0);
    cell.SetSize(60.0f);
    cell.Update(16.0f);
    EXPECT_FLOAT_EQ(cell.GetSize(), 50.0f);
    const float angle = cell.GetAngle();
    cell.SetHover(true);
    for (int i = 0; i < 100; ++i)
        cell.Update(16.0f);
    EXPECT_FLOAT_EQ(cell.GetSizeFactor(), 1.5f);
    EXPECT_FLOAT_EQ(cell.GetClock().GetCellWidth(), 75.0f) << "drawn at the grown size";
    EXPECT_NE(cell.GetAngle(), angle);
    cell.SetHover(false);
    for (int i = 0; i < 100; ++i)
        cell.Update(16.0f);
    EXPECT_FLOAT_EQ(cell.GetSizeFactor(), 1.0f);
}

TEST(InsectFlight, TurnsTowardsTheTargetThenFliesAndArrivesExactly)
{
    CInsect insect;
    insect.m_x = 100.0f;
    insect.m_y = 100.0f;
    for (const auto& [x, y, heading] : {std::tuple{100.0f, 0.0f, 0.0f},
                                        {200.0f, 100.0f, 90.0f},
                                        {100.0f, 200.0f, 180.0f},
                                        {0.0f, 100.0f, 270.0f}})
    {
        insect.SetTarget(x, y);
        EXPECT_NEAR(insect.WantedHeading(), heading, 0.01f);
    }
    // Across, then on the diagonal: straight along the line to the target.
    for (const auto& [x, y, heading] : {std::tuple{300.0f, 100.0f, 90.0f}, {500.0f, 300.0f, 135.0f}})
    {
        insect.SetTarget(x, y);
        EXPECT_EQ(insect.m_state, InsectTurning);
        int frames = 0;
        while (insect.m_state == InsectTurning && frames++ < 1000)
            insect.Update(16.0f);
        EXPECT_EQ(insect.m_state, InsectFlying);
        EXPECT_NEAR(insect.m_heading, heading, insect.m_turn_speed * 16.0f / 6.0f);
        const float fromX = insect.m_x;
        const float fromY = insect.m_y;
        while (insect.m_state == InsectFlying && frames++ < 1000)
        {
            insect.Update(16.0f);
            EXPECT_NEAR((insect.m_x - fromX) * (y - fromY), (insect.m_y - fromY) * (x - fromX), 1.0f);
        }
        EXPECT_EQ(insect.m_state, InsectArrived);
        EXPECT_FLOAT_EQ(insect.m_x, x);
        EXPECT_FLOAT_EQ(insect.m_y, y);
    }
}

TEST(InsectFlight, DelayedInsectHoldsStillButStillAnimates)
{
    const CSpriteClock sheet(1, 4, 50);
    CInsect insect(&sheet);
    insect.SetTarget(300.0f, 100.0f);
    insect.m_delay = 100.0f;
    insect.Update(16.0f);
    EXPECT_FLOAT_EQ(insect.m_heading, 0.0f);
    EXPECT_FLOAT_EQ(insect.m_x, 0.0f);
    EXPECT_EQ(insect.m_state, InsectTurning);
    EXPECT_EQ(insect.m_clock.GetFrame(), 1);
    EXPECT_FLOAT_EQ(insect.m_delay, 84.0f);
}

TEST(IntroInsects, FirstInsectGoesToTheFixedCell)
{
    std::srand(3);
    SBoard board;
    ASSERT_FALSE(board->GetInsects().empty());
    const CInsect& first = *board->GetInsects().front();
    float x = 0.0f;
    float y = 0.0f;
    board->CellPosition(board->GetRows() / 3, 4, x, y);
    EXPECT_FLOAT_EQ(first.m_target_x, x);
    EXPECT_FLOAT_EQ(first.m_target_y, y);
    EXPECT_EQ(first.m_coin, 0);
    // Saved now, the opening is the board with the coins where they will land.
    SSavedBoard saved;
    ASSERT_TRUE(board->SaveState(saved));
    int level = -1;
    std::vector<SCellState> cells;
    ASSERT_TRUE(CLevelState::Read(saved.m_field_state, level, cells));
    const CBoardGeometry g(0);
    EXPECT_EQ(cells[static_cast<std::size_t>(g.IndexOf(g.Rows() / 3, 4))].m_coin, 0);
    for (const auto& insect : board->GetInsects())
        EXPECT_GE(insect->m_y, 600.0f) << "insects come in from below the picture";
    // A rebuilt level's insects all pick random cells.
    board->SetLevel(1);
    for (const auto& insect : board->GetInsects())
    {
        const SCellPos at = board->CellAt(insect->m_target_x, insect->m_target_y);
        EXPECT_TRUE(board->IsValidCell(at.m_row, at.m_column));
        EXPECT_FALSE(board->IsHole(at.m_row, at.m_column));
    }
}

TEST(IntroInsects, FirstInsectTakesARandomCellWhenTheFixedOneIsAHole)
{
    SMaskTable masks;
    std::vector<unsigned char> mask = FullMask();
    // Clear a square around the centre of cell (5, 4) of level 0.
    const long long centre = CBoardGeometry(0).MaskIndex(5, 4);
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            mask[static_cast<std::size_t>(centre + dx + dy * 800)] = 0;
    masks.m_files["t/lev000.raw"] = mask;
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        std::srand(seed);
        CField field("t", 1, 0, TestResources(), masks.Reader());
        ASSERT_TRUE(field.IsHole(5, 4));
        for (const auto& insect : field.GetInsects())
        {
            const SCellPos at = field.CellAt(insect->m_target_x, insect->m_target_y);
            EXPECT_FALSE(field.IsHole(at.m_row, at.m_column));
            EXPECT_TRUE(field.IsValidCell(at.m_row, at.m_column));
        }
    }
}

TEST(IntroInsects, CoinsAreDroppedAndTheIntroEndsWhenTheLastInsectHasLeft)
{
    std::srand(11);
    SBoard board;
    const std::size_t insects = board->GetInsects().size();
    ASSERT_GE(insects, 3u);
    int frames = 0;
    while (!board->IsIdle() && frames++ < 20000)
    {
        board->Update(16.0f);
        if (!board->IsIdle())
        {
            EXPECT_EQ(board->GetState(), Intro);
        }
        for (const auto& insect : board->GetInsects())
        {
            // An insect that has dropped its coin leaves over the top.
            EXPECT_TRUE(insect->m_coin >= 0 || insect->m_target_y < 0.0f);
        }
    }
    ASSERT_TRUE(board->IsIdle());
    int coins = 0;
    for (int r = 0; r < board->GetRows(); ++r)
        for (int c = 0; c < board->RowLength(r); ++c)
            coins += board->GetCoin(r, c) >= 0;
    // Two insects may drop on the same cell.
    EXPECT_GE(coins, 1);
    EXPECT_LE(coins, static_cast<int>(insects));
    EXPECT_EQ(board->GetLevelState(), board->DescribeState());
    EXPECT_EQ(board->GetSnapshotLevel(), 0);
}

TEST(IntroInsects, LandingPutsEveryCarriedCoinUnderItsInsect)
{
    std::srand(5);
    SBoard board;
    std::vector<std::pair<SCellPos, int>> expected;
    for (auto& insect : board->GetInsects())
    {
        // Put each insect above a known cell.
        const SCellPos at{1 + static_cast<int>(expected.size()), 2};
        board->CellPosition(at.m_row, at.m_column, insect->m_x, insect->m_y);
        expected.push_back({at, insect->m_coin});
    }
    // The last one has dropped a coin of kind 3 and is on its way out: the
    // coin stays, worth its value.
    ASSERT_GE(expected.size(), 2u);
    board->GetInsects().back()->m_coin = -1;
    board->SetCellCoin(expected.back().first.m_row, expected.back().first.m_column, 3);
    expected.back().second = 3;
    board->LandAllInsects();
    EXPECT_TRUE(board->GetInsects().empty());
    for (const auto& [at, coin] : expected)
    {
        EXPECT_EQ(board->GetCoin(at.m_row, at.m_column), coin);
        EXPECT_FALSE(board->GetCell(at.m_row, at.m_column)->HasRemovedCoin());
    }
    // Landing is for the intro only.
    RunUntilIdle(*board);
    board->SpawnInsect(2);
    board->LandAllInsects();
    EXPECT_EQ(board->GetInsects().size(), 1u);
}

TEST(Magnifier, RightButtonEnlargesTheCellUnderThePointerUpToTheCap)
{
    SBoard board;
    board.Layout([](int r, int c) { return (r + c) % 6; });
    float x = 0.0f;
    float y = 0.0f;
    board->CellPosition(8, 5, x, y);
    const float width = board->GetCellWidth();
    board->SetPointer(x, y, true);
    for (int i = 0; i < 60; ++i)
        board->Update(16.0f);
    EXPECT_EQ(board->GetHovered(), (SCellPos{8, 5}));
    // Eased towards 56 but cut to 50 by every cell update.
    EXPECT_GT(board->GetCell(8, 5)->GetSize(), 50.0f);
    EXPECT_LT(board->GetCell(8, 5)->GetSize(), 52.0f);
    EXPECT_FLOAT_EQ(board->GetCell(8, 6)->GetSize(), width);
    board->SetPointer(x, y, false);
    for (int i = 0; i < 60; ++i)
        board->Update(16.0f);
    EXPECT_EQ(board->GetHovered(), SCellPos());
    EXPECT_NEAR(board->GetCell(8, 5)->GetSize(), width, 0.01f);
    // The top row too.
    board->CellPosition(0, 3, x, y);
    board->SetPointer(x, y, true);
    for (int i = 0; i < 60; ++i)
        board->Update(16.0f);
    EXPECT_GT(board->GetCell(0, 3)->GetSize(), 50.0f);
}
} // namespace
} // namespace NGame::NTest
