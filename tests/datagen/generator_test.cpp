// The generator's own building blocks: board geometry, flower shapes, sheet
// layout and the module encoder.
#include "rules/BoardBuilder.h"
#include "tools/datagen/Board.h"
#include "tools/datagen/Flowers.h"
#include "tools/datagen/Sheet.h"
#include "tools/datagen/XmWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace NDatagen;

// The masks are drawn under the cells the generator lists; the board must read
// each cell's hole from exactly the byte the generator put under it.
TEST(BoardGeometry, BoardReadsEachCellsHoleFromTheGeneratorsByte)
{
    for (const int level : {0, 6, 12, 17, 99})
    {
        const CBoardGeometry g(level);
        const std::vector<SBoardCell> cells = BoardCells(g);
        ASSERT_EQ(static_cast<int>(cells.size()), g.CellCount()) << level;
        NGame::NTest::SBoard board(level);
        std::vector<unsigned char> mask = NGame::NTest::FullMask();
        std::vector<bool> holed(cells.size(), false);
        // Every third cell away from the homes, which are never holes.
        for (std::size_t i = 0; i < cells.size(); i += 3)
            if (cells[i].row != g.Mid())
            {
                mask[static_cast<std::size_t>(g.MaskIndex(cells[i].row, cells[i].column))] = 0;
                holed[i] = true;
            }
        board.m_masks.m_files["dat/levels_classic/lev000.raw"] = mask;
        board->SetLevel(level);
        for (std::size_t i = 0; i < cells.size(); ++i)
        {
            ASSERT_EQ(board->IsHole(cells[i].row, cells[i].column), holed[i])
                << level << ": " << cells[i].row << "," << cells[i].column;
            float x = 0, y = 0;
            board->CellPosition(cells[i].row, cells[i].column, x, y);
            EXPECT_EQ(x, cells[i].x);
            EXPECT_EQ(y, cells[i].y);
        }
    }
}

// The neighbours' distances are the layout's own (board_geometry_test); the
// generator walks to those on the board only.
TEST(BoardGeometry, NeighboursAreTheCellsOnTheBoard)
{
    const CBoardGeometry g(13);
    EXPECT_EQ(BoardNeighbours(g, g.Mid(), 5).size(), 6u);
    EXPECT_EQ(BoardNeighbours(g, 0, 0).size(), 3u);
}

TEST(BoardGeometry, MaskCheckFindsCutOffHomesAndPockets)
{
    std::vector<uint8_t> open(static_cast<size_t>(kMaskWidth) * kMaskHeight, 1);
    SMaskReport r = CheckMask(open, 0);
    EXPECT_TRUE(r.homesPlayable);
    EXPECT_TRUE(r.connected);
    EXPECT_EQ(r.holes, 0);

    // A wall of holes down the middle separates the homes.
    std::vector<uint8_t> wall = open;
    for (int y = 0; y < kMaskHeight; ++y)
        for (int x = 370; x < 430; ++x)
            wall[static_cast<size_t>(y) * kMaskWidth + x] = 0;
    r = CheckMask(wall, 0);
    EXPECT_TRUE(r.homesPlayable);
    EXPECT_FALSE(r.connected);

    // A short mask counts as holes rather than being read past its end.
    std::vector<uint8_t> shortMask(1000, 1);
    r = CheckMask(shortMask, 0);
    EXPECT_FALSE(r.homesPlayable);
}

namespace
{
// Share of the two silhouettes' union that they have in common, at the
// rotation where they agree best (the board turns every cell at random).
float BestOverlap(const CImage& a, const CImage& b)
{
    const int n = a.Width();
    const float c = n / 2.0f;
    float best = 0;
    for (int deg = 0; deg < 360; deg += 3)
    {
        const float t = deg * 3.14159265f / 180, cs = std::cos(t), sn = std::sin(t);
        int both = 0, either = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
            {
                const float dx = x + 0.5f - c, dy = y + 0.5f - c;
                const int rx = static_cast<int>(c + dx * cs - dy * sn),
                          ry = static_cast<int>(c + dx * sn + dy * cs);
                const bool inA = a.At(x, y).a > 0.5f;
                const bool inB = rx >= 0 && ry >= 0 && rx < n && ry < n && b.At(rx, ry).a > 0.5f;
                both += inA && inB;
                either += inA || inB;
            }
        best = std::max(best, static_cast<float>(both) / std::max(1, either));
    }
    return best;
}
} // namespace

TEST(FlowerShapes, NoTwoColoursShareAShapeUnderAnyRotation)
{
    std::vector<CImage> shapes;
    for (int c = 0; c < kFlowerColours; ++c)
        shapes.push_back(RenderFlowerShape(c, 64));
    for (int a = 0; a < kFlowerColours; ++a)
    {
        EXPECT_GT(BestOverlap(shapes[a], shapes[a]), 0.99f);
        for (int b = a + 1; b < kFlowerColours; ++b)
            EXPECT_LT(BestOverlap(shapes[a], shapes[b]), 0.85f) << "colours " << a << " and " << b;
    }
}

TEST(FlowerShapes, ClosedBudIsSmallerThanOpenFlower)
{
    auto inked = [](const CImage& img)
    {
        int n = 0;
        for (int y = 0; y < img.Height(); ++y)
            for (int x = 0; x < img.Width(); ++x)
                n += img.At(x, y).a > 0.5f;
        return n;
    };
    for (int c = 0; c < kFlowerColours; ++c)
        EXPECT_LT(inked(RenderFlower(c, 0.05f, 64)), inked(RenderFlower(c, 1.0f, 64)));
}

TEST(SheetLayout, GroupZeroIsTheBottomBandAndLooksStackUpwards)
{
    const CImage red(2, 2, Rgb(255, 0, 0)), blue(2, 2, Rgb(0, 0, 255));
    const CImage sheet = ComposeSheet({{red, blue}, {blue, blue}});
    ASSERT_EQ(sheet.Width(), 4);
    ASSERT_EQ(sheet.Height(), 4);
    EXPECT_FLOAT_EQ(sheet.At(0, 3).r, 1.0f); // group 0, frame 0: bottom left
    EXPECT_FLOAT_EQ(sheet.At(0, 0).b, 1.0f);

    const CImage bands = StackBands({red, blue, blue, blue});
    EXPECT_FLOAT_EQ(bands.At(0, 7).r, 1.0f); // the normal look ends up at the bottom
    EXPECT_FLOAT_EQ(bands.At(0, 0).r, 0.0f);
}

TEST(XmEncoding, SamplesAreDeltaEncoded)
{
    SXmModule m;
    m.name = "test";
    m.channels = 2;
    m.bpm = 125;
    SXmPattern p;
    p.rows = 4;
    p.cells.resize(8);
    p.At(0, 0, 2) = SXmCell{49, 1, 0x50, 0x0C, 0x20};
    m.patterns.push_back(p);
    m.orders = {0, 0};
    SXmInstrument ins;
    ins.name = "tone";
    ins.sample = {0, 100, -100, 32767};
    m.instruments.push_back(ins);

    // The header and patterns are read by the player in data_loaders_test; a
    // wrong delta would still load, as noise.
    const std::vector<uint8_t> xm = EncodeXm(m);
    // The sample data closes the file, delta-encoded.
    const size_t s = xm.size() - 8;
    auto at = [&](size_t i) { return static_cast<int16_t>(xm[s + 2 * i] | xm[s + 2 * i + 1] << 8); };
    EXPECT_EQ(at(0), 0);
    EXPECT_EQ(at(1), 100);
    EXPECT_EQ(at(2), -200);
    EXPECT_EQ(static_cast<int16_t>(at(0) + at(1) + at(2) + at(3)), 32767);
    EXPECT_NEAR(XmDuration(m), 8 * 6 * 2.5 / 125, 1e-9);
}
