// The board's look for the kept flower layer: which changes of a cell need
// which part of the layer drawn again; the zones' outline as the board shows it.
#include "play/BoardPainter.h"
#include "play/ZoneOutline.h"
#include "rules/BoardBuilder.h"
#include "rules/Cell.h"
#include "rules/Player.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace NGame
{
namespace
{
const CSpriteClock kCellSheet(8, 16, 50);
const CSpriteClock kCoinSheet(5, 8, 50);

// Board looks as the game screen compares them: a header of four values, then
// one record per grid slot.
std::vector<double> LookOf(const std::vector<const CCell*>& cells, double hoveredRow = -1.0)
{
    const CBoardPainter painter;
    std::vector<double> look = {7.0, 3.0, hoveredRow, -1.0};
    for (const CCell* cell : cells)
    {
        if (cell)
            painter.AppendLook(*cell, look);
        else
            CBoardPainter::AppendNoLook(look);
    }
    return look;
}

TEST(FlowersLook, ChangedAreaCoversTheChangedCellBeforeAndAfterOnly)
{
    CCell still(1, kCellSheet, &kCoinSheet, 100.0f, 100.0f, 20.0f);
    CCell growing(2, kCellSheet, &kCoinSheet, 300.0f, 200.0f, 20.0f);
    const std::vector<double> before = LookOf({&still, nullptr, &growing});
    growing.SetSize(30.0f);
    const std::vector<double> after = LookOf({&still, nullptr, &growing});

    float area[4];
    ASSERT_TRUE(CBoardPainter::ChangedFlowersArea(before.data(), after.data(), after.size(), area));
    // The larger (after) quad, turned by any angle, lies inside; the still cell does not.
    const float reach = 15.0f * 1.4142f;
    EXPECT_LE(area[0], 300.0f - reach);
    EXPECT_GE(area[2], 300.0f + reach);
    EXPECT_LE(area[1], 200.0f - reach);
    EXPECT_GE(area[3], 200.0f + reach);
    EXPECT_GT(area[0], 110.0f + 2.0f);

    // Nothing changed: an empty area.
    ASSERT_TRUE(CBoardPainter::ChangedFlowersArea(after.data(), after.data(), after.size(), area));
    EXPECT_GT(area[0], area[2]);

    // Two changes far apart: the area spans both, each part holds its own
    // cell and not the other's.
    still.SetSize(10.0f);
    const std::vector<double> both = LookOf({&still, nullptr, &growing});
    std::vector<NInterface::SArea> parts;
    ASSERT_TRUE(CBoardPainter::ChangedFlowersArea(before.data(), both.data(), both.size(), area, &parts));
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_LE(area[0], 100.0f - 10.0f * 0.7f);
    EXPECT_GE(area[2], 300.0f + reach);
    EXPECT_LE(parts[0].m_x0, 100.0f - 10.0f * 0.7f);
    EXPECT_LT(parts[0].m_x1, 150.0f);
    EXPECT_GT(parts[1].m_x0, 150.0f);
    EXPECT_GE(parts[1].m_y1, 200.0f + reach);
}

TEST(FlowersLook, AnotherMagnifiedCellOrBoardShapeNeedsTheWholeLayer)
{
    CCell cell(1, kCellSheet, &kCoinSheet, 100.0f, 100.0f, 20.0f);
    const std::vector<double> plain = LookOf({&cell});
    const std::vector<double> magnified = LookOf({&cell}, 0.0);
    const std::vector<double> longer = LookOf({&cell, nullptr});
    float area[4];
    EXPECT_FALSE(CBoardPainter::ChangedFlowersArea(plain.data(), magnified.data(), plain.size(), area));
    EXPECT_FALSE(CBoardPainter::ChangedFlowersArea(plain.data(), longer.data(), plain.size() - 1, area));
    EXPECT_FALSE(CBoardPainter::ChangedFlowersArea(plain.data(), plain.data(), 2, area));
}

TEST(FlowersLook, EveryDrawnPropertyChangesTheLook)
{
    const auto differs = [](const std::function<void(CCell&)>& change)
    {
        CCell cell(1, kCellSheet, &kCoinSheet, 100.0f, 100.0f, 20.0f);
        const std::vector<double> before = LookOf({&cell});
        change(cell);
        return LookOf({&cell}) != before;
    };
    EXPECT_FALSE(differs([](CCell&) {}));
    // What the layer draws over the flower (the zones' outline) counts too.
    const CBoardPainter painter;
    CCell cell(1, kCellSheet, &kCoinSheet, 100.0f, 100.0f, 20.0f);
    std::vector<double> plain, outlined;
    painter.AppendLook(cell, plain);
    painter.AppendLook(cell, outlined, 8.0);
    EXPECT_NE(plain, outlined);
    EXPECT_TRUE(differs([](CCell& c) { c.SetHole(true); }));
    EXPECT_TRUE(differs([](CCell& c) { c.SetSize(21.0f); }));
    EXPECT_TRUE(differs([](CCell& c) { c.SetColourDirect(4); }));
    EXPECT_TRUE(differs(
        [](CCell& c)
        {
            c.SetLit(false);
            c.Update(50.0f);
        }));
    EXPECT_TRUE(differs([](CCell& c) { c.SetHover(true); }));
    EXPECT_TRUE(differs(
        [](CCell& c)
        {
            c.MoveTo(300.0f, 100.0f, false);
            c.Update(50.0f);
        }));
}

// Sides are bits in the order of CBoardGeometry::Neighbours; on the middle row
// (r-1, c), (r+1, c), (r, c-1), (r, c+1), (r-1, c-1), (r+1, c-1).
TEST(ZoneOutline, FollowsTheFlowersAsShownThroughACaptureAndAShift)
{
    using namespace NTest;
    const auto sides = [](const CField& field, std::size_t home, int r, int c)
    {
        CZoneOutline outline;
        outline.Update(field, true);
        return static_cast<int>(outline.Sides(home).at(static_cast<std::size_t>(r * field.GetColumns() + c)));
    };
    // Yours the left column, a pocket of 4 and 5 behind a row of 1, a wall of
    // holes in column 3, the rival's 2 beyond it.
    SBoard duel;
    CPlayer human(kMid, 0, duel.m_field.get()), rival(kMid, kLast, duel.m_field.get());
    duel.Layout(
        [](int r, int c) {
            return c == 0 ? 0 : c == 1 ? 1 : c == 2 ? 4 + r % 2 : c == 3 ? kHole : 2;
        });
    // home, row, column, sides
    const int before[][4] = {
        {0, kMid, 0, 0b111100}, {0, kMid, 1, 0}, {0, kMid, 2, 0}, {1, kMid, kLast, 0b001011}};
    for (const auto& [home, r, c, bits] : before)
        EXPECT_EQ(sides(*duel, static_cast<std::size_t>(home), r, c), bits) << home << " " << r << "," << c;
    // The zone grows only as its flowers turn.
    ASSERT_TRUE(duel->Repaint(kMid, 0, 1));
    EXPECT_EQ(sides(*duel, 0, kMid, 0), 0b111100);
    RunUntilIdle(*duel);
    EXPECT_EQ(sides(*duel, 0, kMid, 0), 0b110100);
    EXPECT_EQ(sides(*duel, 0, kMid, 1), 0);
    EXPECT_EQ(sides(*duel, 0, kMid, 2), 0b001000); // the captured pocket, against the wall
    CZoneOutline off;
    off.Update(*duel, false);
    EXPECT_TRUE(off.Sides(0).empty());

    // The moving set: the zone slides left with its flowers.
    SBoard moving(0, 1, NLevelSets::kMoving);
    moving->SetRefillLevelsCount(1);
    CPlayer racer(kMid, 0, moving.m_field.get());
    moving.Layout([](int r, int c) { return r == kMid && c < 5 ? 0 : 1 + (r + c) % 5; });
    EXPECT_EQ(sides(*moving, 0, kMid, 4), 0b111011);
    moving->StartShift(1);
    RunUntilIdle(*moving);
    EXPECT_EQ(sides(*moving, 0, kMid, 3), 0b111011);
    EXPECT_EQ(sides(*moving, 0, kMid, 4), 0);
}
} // namespace
} // namespace NGame
