// The board's look for the kept flower layer: which changes of a cell need
// which part of the layer drawn again.
#include "play/BoardPainter.h"
#include "rules/Cell.h"

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
} // namespace
} // namespace NGame
