// The board on its layout: masks by level, the point-to-cell mapping at the
// edges, positions off the board and building from masks (the layout itself:
// board_geometry_test).
#include "BoardBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <utility>

namespace NGame::NTest
{
namespace
{
TEST(FieldGeometry, LevelHundredBuildsLikeLevelZeroFromTheFirstMask)
{
    SBoard board(0, 20);
    board.m_masks.m_requests.clear();
    board->SetLevel(100);
    EXPECT_EQ(board->GetColumns(), 21);
    EXPECT_EQ(board->GetRows(), 17);
    ASSERT_EQ(board.m_masks.m_requests.size(), 1u);
    EXPECT_EQ(board.m_masks.m_requests[0], "t/lev000.raw");
    board->SetLevel(27);
    EXPECT_EQ(board.m_masks.m_requests.back(), "t/lev007.raw");
}

TEST(FieldGeometry, CellAtTruncatesTowardsZeroAtTheEdges)
{
    SBoard board;
    const float w = board->GetCellWidth();
    const float p = board->GetRowPitch();
    float x = 0.0f;
    float y = 0.0f;
    board->CellPosition(8, 0, x, y);
    // Up to a whole cell beyond the left end still reads as column 0 ...
    EXPECT_EQ(board->CellAt(x - w / 2.0f - w + 1.0f, y).m_column, 0);
    // ... and further out the column turns negative.
    EXPECT_LT(board->CellAt(x - w / 2.0f - w - 1.0f, y).m_column, 0);
    board->CellPosition(0, 3, x, y);
    EXPECT_EQ(board->CellAt(x, y - p / 2.0f - p + 1.0f).m_row, 0);
    EXPECT_LT(board->CellAt(x, y - p / 2.0f - p - 1.0f).m_row, 0);
    // Far-away and absurd points give invalid positions, never a crash.
    EXPECT_FALSE(
        board->IsValidCell(board->CellAt(5000.0f, 5000.0f).m_row, board->CellAt(5000.0f, 5000.0f).m_column));
    const SCellPos nan = board->CellAt(std::nanf(""), 1e30f);
    EXPECT_FALSE(board->IsValidCell(nan.m_row, nan.m_column));
}

TEST(FieldGeometry, QueriesToleratePositionsOffTheBoard)
{
    SBoard board;
    for (const SCellPos at : {SCellPos{-1, 0}, SCellPos{0, -1}, SCellPos{0, 13}, SCellPos{17, 0},
                              SCellPos{119, 119}, SCellPos{500, 500}})
    {
        EXPECT_EQ(board->GetCellColour(at.m_row, at.m_column), -1);
        EXPECT_FALSE(board->IsHole(at.m_row, at.m_column));
        EXPECT_FALSE(board->IsChanged(at.m_row, at.m_column));
        EXPECT_EQ(board->CountRegion(at.m_row, at.m_column), 0);
        EXPECT_EQ(board->GetCell(at.m_row, at.m_column), nullptr);
        board->SetCellCoin(at.m_row, at.m_column, 2);
        EXPECT_FALSE(board->Repaint(at.m_row, at.m_column, 1));
        board->PaintCell(at.m_row, at.m_column, 1, true);
        board->SettleTerritory(at.m_row, at.m_column);
    }
}

TEST(FieldBuild, ZeroMaskBytesMakeHolesButNeverUnderAHome)
{
    SMaskTable masks;
    std::vector<unsigned char> mask = FullMask();
    // Clear the bytes under the cells (8, 0), (8, 1) and (8, 20) of level 0.
    for (const int c : {0, 1, 20})
        mask[static_cast<std::size_t>(CBoardGeometry(0).MaskIndex(kMid, c))] = 0;
    masks.m_files["t/lev000.raw"] = mask;
    CField field("t", 1, 0, SFieldResources{}, masks.Reader());
    EXPECT_FALSE(field.IsHole(8, 0));
    EXPECT_FALSE(field.IsHole(8, 20));
    EXPECT_TRUE(field.IsHole(8, 1));
    EXPECT_EQ(field.GetCellColour(8, 1), -3);
    EXPECT_EQ(field.CountPlayableCells(), 17 * 21 - 8 * 9 - 1);
}

TEST(FieldBuild, MissingOrShortMaskLeavesHolesAndStillBuilds)
{
    // Without a mask only the homes are flowers; they cover the board, so
    // the level ends as soon as it has appeared.
    SMaskTable masks;
    CField field("t", 1, 0, SFieldResources{}, masks.Reader());
    EXPECT_EQ(field.CountPlayableCells(), 2);
    field.AddHome(8, 0);
    field.AddHome(8, 20);
    EXPECT_TRUE(RunUntilIdle(field));
    EXPECT_TRUE(field.IsLevelFinished());

    // A mask that stops after line 282 covers only the upper half.
    masks.m_files["t/lev000.raw"] = std::vector<unsigned char>(800 * 283, 1);
    field.SetLevel(0);
    EXPECT_FALSE(field.IsHole(0, 0));
    EXPECT_FALSE(field.IsHole(8, 0));
    EXPECT_TRUE(field.IsHole(9, 0));
    EXPECT_TRUE(field.IsHole(16, 12));
}

TEST(FieldBuild, EachSetReportsTheLevelReachedAsItsOwn)
{
    // The moving boards carry the classic flag: only their folder tells them apart.
    const struct
    {
        const char* folder;
        int advancedFlag;
        CField::ELevelSet set;
    } sets[] = {{"dat/levels_classic", 0, CField::kClassicSet},
                {"dat/levels_duel", 1, CField::kAdvancedSet},
                {"dat/levels_moving", 0, CField::kMovingSet}};
    for (const auto& s : sets)
    {
        std::vector<std::pair<CField::ELevelSet, int>> reached;
        SMaskTable masks;
        CField field(s.folder, 20, s.advancedFlag, SFieldResources{}, masks.Reader());
        field.SetLevelReached([&reached](CField::ELevelSet set, int level)
                              { reached.emplace_back(set, level); });
        field.AdvanceLevel(4);
        EXPECT_EQ(reached, (std::vector<std::pair<CField::ELevelSet, int>>{{s.set, 5}})) << s.folder;
    }
}

TEST(FieldBuild, LeavingALevelFadesEveryCellOut)
{
    SBoard board;
    RunUntilIdle(*board);
    board->BeginLevelOut();
    EXPECT_EQ(board->GetState(), Leaving);
    for (int i = 0; i < 2000 && board->GetState() == Leaving; ++i)
        board->Update(16.0f);
    EXPECT_EQ(board->GetState(), Gone);
    for (int r = 0; r < board->GetRows(); ++r)
        for (int c = 0; c < board->RowLength(r); ++c)
            ASSERT_EQ(board->GetCell(r, c)->GetState(), CellGone) << r << "," << c;
}

TEST(FieldBuild, HomesStartInDifferentColours)
{
    for (unsigned seed = 1; seed <= 200; ++seed)
    {
        std::srand(seed);
        SBoard board;
        const int mid = board->GetRows() / 2;
        const CCell* human = board->GetCell(mid, 0);
        const CCell* opponent = board->GetCell(mid, board->GetColumns() - 1);
        EXPECT_NE(human->GetFlowerColour(), opponent->GetFlowerColour());
        for (const SCellPos at : {SCellPos{mid, 1}, SCellPos{mid - 1, 0}, SCellPos{mid + 1, 0}})
            EXPECT_NE(board->GetCell(at.m_row, at.m_column)->GetFlowerColour(), opponent->GetFlowerColour());
    }
}
} // namespace
} // namespace NGame::NTest
