// The animation clock that the rules' cells and insects and every drawn
// sprite run on: how frames advance, wrap and are chosen.
#include "anim/SpriteClock.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace NGame
{
namespace
{
// Sheets of 50 ms frames, as a ".spr" file without a frame time gives.
TEST(FrameTiming, FrameAdvancesOnlyPastTheFrameTimeAndOneStepAtATime)
{
    CSpriteClock sheet(1, 4, 50);
    sheet.Update(50.0f);
    EXPECT_EQ(sheet.GetFrame(), 0);
    sheet.Update(1.0f);
    EXPECT_EQ(sheet.GetFrame(), 1);
    EXPECT_EQ(sheet.GetElapsed(), 0u);

    // A long stall is one step, its remainder dropped.
    sheet.Update(500.0f);
    EXPECT_EQ(sheet.GetFrame(), 2);
    EXPECT_EQ(sheet.GetElapsed(), 0u);
    sheet.Update(51.0f);
    sheet.Update(51.0f);
    EXPECT_EQ(sheet.GetFrame(), 0); // wrapped past the last frame

    sheet.SetReverse(true);
    sheet.Update(51.0f);
    EXPECT_EQ(sheet.GetFrame(), 3); // wrapped back to the last frame
    sheet.Rewind();
    EXPECT_EQ(sheet.GetElapsed(), 200u);
    sheet.SetReverse(false);
    sheet.Rewind();
    EXPECT_EQ(sheet.GetElapsed(), 0u);
}

TEST(FrameTiming, OutOfRangeSelectionsFallBackToZero)
{
    CSpriteClock sheet(2, 4, 50);
    // Frame asked for, frame given and the time it stands for, in turn.
    for (const auto& [asked, frame, elapsed] :
         {std::tuple{3, 3, 150u}, {4, 0, 0u}, {2, 2, 100u}, {-1, 0, 0u}})
    {
        sheet.SetFrame(asked);
        EXPECT_EQ(std::pair(sheet.GetFrame(), sheet.GetElapsed()), std::pair(frame, elapsed)) << asked;
    }

    sheet.SetGroup(1);
    EXPECT_EQ(sheet.GetGroup(), 1);
    sheet.SetGroup(2);
    EXPECT_EQ(sheet.GetGroup(), 0);
}
} // namespace
} // namespace NGame
