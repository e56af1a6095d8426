// The rules' animation clock against the drawn sprite: the same course of
// frames through both, so a board animates alike with or without pictures.
#include "media/Sprite.h"
#include "rules/SpriteClock.h"

#include <gtest/gtest.h>

namespace NGame
{
namespace
{
// Sheets of 50 ms frames, as a ".spr" file without a frame time gives.
template <typename T> T Sheet(int groups, int frames);
template <> CSprite Sheet<CSprite>(int groups, int frames)
{
    return CSprite(groups, frames, 50, nullptr);
}
template <> CSpriteClock Sheet<CSpriteClock>(int groups, int frames)
{
    return CSpriteClock(groups, frames, 50);
}

template <typename T> class FrameTiming : public ::testing::Test
{
};
using TimedSheets = ::testing::Types<CSprite, CSpriteClock>;
TYPED_TEST_SUITE(FrameTiming, TimedSheets);

TYPED_TEST(FrameTiming, FrameAdvancesOnlyPastTheFrameTimeAndOneStepAtATime)
{
    TypeParam sheet = Sheet<TypeParam>(1, 4);
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

TYPED_TEST(FrameTiming, OutOfRangeSelectionsFallBackToZero)
{
    TypeParam sheet = Sheet<TypeParam>(2, 4);
    sheet.SetFrame(3);
    EXPECT_EQ(sheet.GetFrame(), 3);
    EXPECT_EQ(sheet.GetElapsed(), 150u);
    sheet.SetFrame(4);
    EXPECT_EQ(sheet.GetFrame(), 0);
    EXPECT_EQ(sheet.GetElapsed(), 0u);
    sheet.SetFrame(2);
    sheet.SetFrame(-1);
    EXPECT_EQ(sheet.GetFrame(), 0);
    EXPECT_EQ(sheet.GetElapsed(), 0u);

    sheet.SetGroup(1);
    EXPECT_EQ(sheet.GetGroup(), 1);
    sheet.SetGroup(2);
    EXPECT_EQ(sheet.GetGroup(), 0);
}

TYPED_TEST(FrameTiming, CountsBelowOneGiveOneCell)
{
    TypeParam bare = Sheet<TypeParam>(0, -2);
    EXPECT_EQ(bare.GetGroupCount(), 1);
    EXPECT_EQ(bare.GetFrameCount(), 1);
    bare.Update(51.0f);
    EXPECT_EQ(bare.GetFrame(), 0);
}
} // namespace
} // namespace NGame
