// Players: clicks, the purse, the registry, and the moving set's scrolling.
#include "BoardBuilder.h"
#include "rules/AIPlayer.h"
#include "rules/MovingPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace NGame::NTest
{
namespace
{

void Centre(CField& field, int r, int c, float& x, float& y)
{
    field.CellPosition(r, c, x, y);
}

TEST(HumanClicks, ForbiddenColourSoundsAndClearsTheValidFlag)
{
    SBoard board;
    CPlayer human(kMid, 0, board.m_field.get());
    CPlayer opponent(kMid, kLast, board.m_field.get());
    board.Layout(
        [](int r, int c) {
            return r == 4 && c == 12 ? kHole : (r == kMid && c == kLast ? 2 : (c < 2 ? 0 : (c < 10 ? 2 : 3)));
        });
    human.BeginTurn();
    float x = 0.0f;
    float y = 0.0f;
    // Own colour, the opponent's colour and a hole.
    for (const SCellPos at : {SCellPos{kMid, 1}, SCellPos{3, 5}, SCellPos{4, 12}})
    {
        Centre(*board, at.m_row, at.m_column, x, y);
        human.OnClick(x, y);
        EXPECT_FALSE(human.IsValidClick());
        EXPECT_EQ(human.GetState(), PlayerTurn);
        EXPECT_EQ(board->TakeSounds(), std::vector<EBoardSound>{kBoardSoundWrongPaint});
    }
    // Off the board: no sound, and the click does not count as a wrong pick.
    human.OnClick(-100.0f, -100.0f);
    EXPECT_TRUE(human.IsValidClick());
    EXPECT_TRUE(board->TakeSounds().empty());
    EXPECT_EQ(human.GetState(), PlayerTurn);
}

TEST(HumanClicks, ClicksOutsideTheTurnOrWhileSettlingAreIgnored)
{
    SBoard board;
    CPlayer human(kMid, 0, board.m_field.get());
    board.Layout([](int, int c) { return c == 0 ? 0 : 1; });
    float x = 0.0f;
    float y = 0.0f;
    Centre(*board, kMid, 3, x, y);
    human.OnClick(x, y);
    EXPECT_EQ(board->GetCellColour(kMid, 0), 0);
    human.BeginTurn();
    board->PaintCell(0, 5, 3, false);
    human.OnClick(x, y);
    EXPECT_EQ(board->GetCellColour(kMid, 0), 0);
    RunUntilIdle(*board);
    human.OnClick(x, y);
    EXPECT_EQ(board->GetCellColour(kMid, 0), 1);
    EXPECT_EQ(human.GetState(), PlayerMoving);
    human.Update(16.0f);
    EXPECT_EQ(human.GetState(), PlayerMoving);
    RunUntilIdle(*board);
    human.Update(16.0f);
    EXPECT_EQ(human.GetState(), PlayerWaiting);
}

TEST(Registry, PlayersRegisterTheirHomesAndLeaveWithThem)
{
    SBoard board;
    const std::size_t before = CPlayer::Registry().size();
    {
        CPlayer human(kMid, 0, board.m_field.get());
        CAIPlayer ai(kMid, kLast, board.m_field.get(), 3);
        EXPECT_EQ(CPlayer::Registry().size(), before + 2);
        EXPECT_EQ(board->GetHomes(), (std::vector<int>{kMid, 0, kMid, kLast}));
    }
    EXPECT_EQ(CPlayer::Registry().size(), before);
    EXPECT_TRUE(board->GetHomes().empty());
}

TEST(MovingSet, OpponentsColourIsAcceptedWithoutCoinsOrSound)
{
    SBoard board;
    CMovingPlayer human(kMid, 0, board.m_field.get());
    CAIPlayer ai(kMid, kLast, board.m_field.get(), 0);
    board.Layout([](int r, int c) { return c == 0 ? 0 : (r == 0 ? 1 : 2); },
                 [](int r, int c) { return r == kMid && c == 19 ? 4 : -1; });
    human.BeginTurn();
    float x = 0.0f;
    float y = 0.0f;
    Centre(*board, kMid, 20, x, y);
    human.OnClick(x, y);
    EXPECT_EQ(human.GetState(), PlayerMoving);
    EXPECT_EQ(human.GetMoney(), 25);
    EXPECT_EQ(board->CollectedCoins().size(), 1u);
    EXPECT_TRUE(board->TakeSounds().empty());
    RunUntilIdle(*board);
    EXPECT_TRUE(board->IsLevelFinished());
    // The opponent's home was absorbed: the shared territory counts once.
    EXPECT_EQ(board->CountRegion(kMid, 0), board->CountRegion(kMid, kLast));
}

TEST(MovingSet, ShiftMovesFlowersLeftThroughHolesThatStay)
{
    SBoard board;
    board->SetRefillLevelsCount(1);
    board.Layout([](int r, int c) { return (r * 3 + c) % 7 == 0 ? kHole : (r + 2 * c) % 6; });
    std::vector<std::vector<int>> flowers(board->GetRows());
    std::vector<std::vector<bool>> holes(board->GetRows());
    std::vector<std::vector<const CCell*>> cells(board->GetRows());
    for (int r = 0; r < board->GetRows(); ++r)
        for (int c = 0; c < board->RowLength(r); ++c)
        {
            flowers[r].push_back(board->GetCell(r, c)->GetFlowerColour());
            holes[r].push_back(board->IsHole(r, c));
            cells[r].push_back(board->GetCell(r, c));
        }

    board->StartShift(1);
    EXPECT_EQ(board->GetState(), Shifting);
    // The first column fades as it slides off the board; the others stay whole.
    for (int i = 0; i < 2000 && board->GetState() == Shifting; ++i)
    {
        board->Update(16.0f);
        if (i == 10)
            for (int r = 0; r < board->GetRows(); ++r)
            {
                EXPECT_LT(cells[r][0]->GetAlpha(), 1.0f) << r;
                EXPECT_FLOAT_EQ(cells[r][1]->GetAlpha(), 1.0f) << r;
            }
    }
    ASSERT_EQ(board->GetState(), Intro);
    for (int r = 0; r < board->GetRows(); ++r)
    {
        const int last = board->RowLength(r) - 1;
        for (int c = 0; c < last; ++c)
        {
            EXPECT_EQ(board->GetCell(r, c), cells[r][c + 1]);
            EXPECT_EQ(board->GetCell(r, c)->GetFlowerColour(), flowers[r][c + 1]);
            EXPECT_EQ(board->IsHole(r, c), holes[r][c]) << r << "," << c;
            float x = 0.0f;
            float y = 0.0f;
            board->CellPosition(r, c, x, y);
            EXPECT_FLOAT_EQ(board->GetCell(r, c)->GetX(), x);
        }
        // The last cell is new and fading in; the old first cell is gone.
        EXPECT_EQ(board->GetCell(r, last)->GetState(), CellAppear);
        EXPECT_EQ(std::count(cells[r].begin() + 1, cells[r].end(), board->GetCell(r, last)), 0);
    }
    EXPECT_TRUE(RunUntilIdle(*board));
    EXPECT_EQ(board->GetLevelState(), board->DescribeState());
}

TEST(MovingSet, RefillReadsTheMaskAsTheBuildDoesAndKeepsTheHomes)
{
    // Zero bytes over the right upper quarter (the opponent's home among
    // them) and over the human's home column.
    SMaskTable masks;
    std::vector<unsigned char> mask = FullMask();
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if ((x > 560 && y < 300) || x < 40)
                mask[static_cast<std::size_t>(x + y * 800)] = 0;
    masks.m_files["t/lev000.raw"] = mask;
    CField field("t", 1, 0, TestResources(), masks.Reader());
    field.SetRefillLevelsCount(1);
    const auto maskHole = [&](int r, int c)
    {
        float x = 0.0f;
        float y = 0.0f;
        field.CellPosition(r, c, x, y);
        return mask[static_cast<std::size_t>(static_cast<int>(x) + static_cast<int>(y) * 800)] == 0 &&
               !(r == kMid && (c == 0 || c == kLast));
    };
    RunUntilIdle(field);
    for (int shift = 0; shift <= 3; ++shift)
    {
        for (int r = 0; r < field.GetRows(); ++r)
            for (int c = 0; c < field.RowLength(r); ++c)
                ASSERT_EQ(field.IsHole(r, c), maskHole(r, c)) << "shift " << shift << " at " << r << "," << c;
        field.StartShift(1);
        ASSERT_TRUE(RunUntilIdle(field));
    }
}
} // namespace
} // namespace NGame::NTest
