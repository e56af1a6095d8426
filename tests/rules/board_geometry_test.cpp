// The board layout shared by the board and the data generator: shapes by
// level, cell centres, the point-to-cell mapping and the neighbour relation.
#include "rules/BoardGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace NGame::NTest
{
namespace
{
TEST(BoardGeometry, LevelsGiveTheirShapesAndRepeatEveryHundred)
{
    // Columns by band (21, 18, 30 plus the level's place in the band); rows
    // from the pitch, made odd so that the homes have a middle row.
    const struct
    {
        int level, columns, rows;
    } shapes[] = {{0, 21, 17},  {6, 18, 15},   {12, 30, 23}, {17, 35, 27},
                  {99, 31, 25}, {100, 21, 17}, {-1, 31, 25}};
    for (const auto& shape : shapes)
    {
        const CBoardGeometry g(shape.level);
        EXPECT_EQ(g.Columns(), shape.columns) << shape.level;
        EXPECT_EQ(g.Rows(), shape.rows) << shape.level;
        EXPECT_EQ(g.RowLength(g.Mid()), shape.columns) << shape.level;
        EXPECT_EQ(g.RowLength(0), shape.columns - g.Mid()) << shape.level;
        EXPECT_EQ(g.RowLength(g.Rows() - 1), shape.columns - g.Mid()) << shape.level;
        EXPECT_EQ(g.RowLength(-1), 0);
        EXPECT_EQ(g.RowLength(g.Rows()), 0);
    }
    const CBoardGeometry empty;
    EXPECT_EQ(empty.CellCount(), 0);
    EXPECT_FALSE(empty.IsValid(0, 0));
}

TEST(BoardGeometry, CentresAndMaskBytesOfLevelZero)
{
    const CBoardGeometry g(0);
    const float w = 776.0f / 21.0f;
    EXPECT_FLOAT_EQ(g.CellWidth(), w);
    EXPECT_FLOAT_EQ(g.RowPitch(), 532.0f / 17.0f);
    EXPECT_EQ(g.CellCount(), 17 * 21 - 8 * 9);
    float x = 0.0f;
    float y = 0.0f;
    g.Position(8, 0, x, y);
    EXPECT_FLOAT_EQ(x, w / 2.0f + 12.0f);
    EXPECT_FLOAT_EQ(y, 282.0f);
    // Rows away from the middle start half a cell further right per row.
    g.Position(0, 0, x, y);
    EXPECT_FLOAT_EQ(x, w / 2.0f + 12.0f + 4.0f * w);
    EXPECT_FLOAT_EQ(y, 282.0f - 8.0f * 532.0f / 17.0f);
    EXPECT_EQ(g.MaskIndex(8, 0), static_cast<long long>(w / 2.0f + 12.0f) + 282 * 800);
    EXPECT_EQ(g.MaskIndex(8, 20), static_cast<long long>(w / 2.0f + 12.0f + 20.0f * w) + 282 * 800);
    EXPECT_EQ(g.IndexOf(0, 0), 0);
    EXPECT_EQ(g.IndexOf(1, 0), 13);
    EXPECT_EQ(g.IndexOf(16, 12), g.CellCount() - 1);
}

TEST(BoardGeometry, EveryCentreMapsBackToItsCellInListOrder)
{
    for (const int level : {0, 5, 6, 12, 17, 89, 99})
    {
        const CBoardGeometry g(level);
        int index = 0;
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.RowLength(r); ++c, ++index)
            {
                float x = 0.0f;
                float y = 0.0f;
                g.Position(r, c, x, y);
                ASSERT_EQ(g.CellAt(x, y), (SCellPos{r, c})) << level << ": " << r << "," << c;
                ASSERT_EQ(g.IndexOf(r, c), index) << level << ": " << r << "," << c;
            }
        EXPECT_EQ(g.CellCount(), index) << level;
    }
    EXPECT_EQ(CBoardGeometry(0).CellAt(std::nanf(""), 0.0f), SCellPos());
    EXPECT_EQ(CBoardGeometry(0).CellAt(0.0f, 1e30f), SCellPos());
}

TEST(BoardGeometry, NeighboursTouchAndKnowEachOther)
{
    for (const int level : {0, 13, 17})
    {
        const CBoardGeometry g(level);
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.RowLength(r); ++c)
            {
                float x = 0.0f;
                float y = 0.0f;
                g.Position(r, c, x, y);
                int onBoard = 0;
                for (const SCellPos& n : g.Neighbours(r, c))
                {
                    if (!g.IsValid(n.m_row, n.m_column))
                        continue;
                    ++onBoard;
                    float nx = 0.0f;
                    float ny = 0.0f;
                    g.Position(n.m_row, n.m_column, nx, ny);
                    EXPECT_NEAR(std::hypot(nx - x, ny - y), g.CellWidth(), g.CellWidth() * 0.08f);
                    int back = 0;
                    for (const SCellPos& m : g.Neighbours(n.m_row, n.m_column))
                        back += m == SCellPos{r, c};
                    EXPECT_EQ(back, 1) << level << ": " << r << "," << c;
                }
                const bool inner = r > 0 && r + 1 < g.Rows() && c > 0 && c + 1 < g.RowLength(r);
                EXPECT_TRUE(!inner || onBoard == 6) << level << ": " << r << "," << c;
            }
    }
}
} // namespace
} // namespace NGame::NTest
