// Properties that hold over many random boards and move sequences: the two
// territories never overlap, every capture is enclosed, every remaining free
// area touches the other player, and the finished flag agrees with a count.
#include "BoardBuilder.h"
#include "rules/Player.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace NGame::NTest
{
namespace
{
std::set<std::pair<int, int>> Territory(CField& field, int row, int column)
{
    std::set<std::pair<int, int>> cells;
    CColourMap map = field.MakeColourMap();
    if (field.GetCellColour(row, column) < 0)
        return cells;
    field.FloodMark(map, row, column, -7, -100);
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
            if (map.At(r, c) == -7)
                cells.insert({r, c});
    return cells;
}

// Marks the mover -1, the other player -2 and every other flower 0.
CColourMap FreeMap(CField& field, int moverColumn, int otherColumn, int mid)
{
    CColourMap map = field.MakeColourMap();
    const auto mover = Territory(field, mid, moverColumn);
    const auto other = Territory(field, mid, otherColumn);
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
        {
            int& at = map.At(r, c);
            if (mover.count({r, c}))
                at = -1;
            else if (other.count({r, c}))
                at = -2;
            else if (at >= 0)
                at = 0;
        }
    return map;
}

TEST(RulesProperties, RandomGamesKeepTerritoriesApartAndCapturesEnclosed)
{
    for (unsigned seed = 1; seed <= 12; ++seed)
    {
        std::srand(seed);
        SMaskTable masks;
        // Random blobs of holes, different for every seed.
        std::vector<unsigned char> mask = FullMask();
        for (int blob = 0; blob < 12; ++blob)
        {
            const int bx = std::rand() % 800;
            const int by = std::rand() % 600;
            const int radius = 10 + std::rand() % 40;
            for (int y = std::max(0, by - radius); y < std::min(600, by + radius); ++y)
                for (int x = std::max(0, bx - radius); x < std::min(800, bx + radius); ++x)
                    mask[static_cast<std::size_t>(x + y * 800)] = 0;
        }
        masks.m_files["dat/levels_classic/lev000.raw"] = mask;
        CField field(NLevelSets::kClassic, 1, TestResources(), masks.Reader());
        // Mostly the smaller shapes, so that many moves fit into the run.
        field.SetLevel(static_cast<int>(seed * 7 % 20));
        const int mid = field.GetRows() / 2;
        const int last = field.RowLength(mid) - 1;
        CPlayer human(mid, 0, &field);
        CPlayer opponent(mid, last, &field);
        ASSERT_TRUE(RunUntilIdle(field));
        if (field.GetCellColour(mid, 0) < 0 || field.GetCellColour(mid, last) < 0)
            continue;

        int mover = 0;
        for (int move = 0; move < 300 && !field.IsLevelFinished(); ++move, mover = 1 - mover)
        {
            const int moverColumn = mover == 0 ? 0 : last;
            const int otherColumn = mover == 0 ? last : 0;
            int colour = 0;
            do
                colour = std::rand() % 6;
            while (!field.IsColourAllowed(colour));
            const auto otherBefore = Territory(field, mid, otherColumn);
            std::vector<int> coloursBefore;
            for (int r = 0; r < field.GetRows(); ++r)
                for (int c = 0; c < field.RowLength(r); ++c)
                    coloursBefore.push_back(field.GetCellColour(r, c));

            ASSERT_TRUE(field.Repaint(mid, moverColumn, colour));
            // Long frames: the rules do not depend on how the flips are animated.
            ASSERT_TRUE(RunUntilIdle(field, 100.0f));

            const auto moverAfter = Territory(field, mid, moverColumn);
            const auto otherAfter = Territory(field, mid, otherColumn);
            // The other territory is untouched, and the two never share a cell.
            EXPECT_EQ(otherAfter, otherBefore) << seed << " " << move;
            for (const auto& at : moverAfter)
                EXPECT_EQ(otherAfter.count(at), 0u);

            CColourMap free = FreeMap(field, moverColumn, otherColumn, mid);
            std::size_t i = 0;
            for (int r = 0; r < field.GetRows(); ++r)
                for (int c = 0; c < field.RowLength(r); ++c, ++i)
                {
                    if (field.GetCellColour(r, c) == coloursBefore[i])
                        continue;
                    // Every changed cell now shows the mover's colour ...
                    EXPECT_EQ(field.GetCellColour(r, c), colour);
                    // ... and lies in its territory or in an area cut off from the other player.
                    if (!moverAfter.count({r, c}) && free.At(r, c) == 0)
                    {
                        CColourMap island = free;
                        EXPECT_FALSE(field.FloodMark(island, r, c, 9, -2)) << seed << " " << r << "," << c;
                    }
                }
            // Every free area left either touches the other player or is an
            // island behind holes that the mover has just captured.
            CColourMap probe = free;
            int id = 10;
            for (int r = 0; r < field.GetRows(); ++r)
                for (int c = 0; c < field.RowLength(r); ++c, ++id)
                {
                    if (probe.At(r, c) != 0 || field.FloodMark(probe, r, c, id, -2))
                        continue;
                    for (int r2 = 0; r2 < field.GetRows(); ++r2)
                        for (int c2 = 0; c2 < field.RowLength(r2); ++c2)
                            if (probe.At(r2, c2) == id)
                            {
                                EXPECT_EQ(field.GetCellColour(r2, c2), colour)
                                    << seed << " " << r2 << "," << c2;
                            }
                }

            // The finished flag agrees with a direct count.
            const bool covered =
                moverAfter.size() + otherAfter.size() == static_cast<std::size_t>(field.CountPlayableCells());
            EXPECT_EQ(field.IsLevelFinished(), covered) << seed << " " << move;
            EXPECT_EQ(field.CountRegion(mid, moverColumn), static_cast<int>(moverAfter.size()));
        }
    }
}

} // namespace
} // namespace NGame::NTest
