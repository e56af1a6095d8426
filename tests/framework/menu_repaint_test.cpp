// Partial menu repaints: which areas are drawn again, and when the whole
// window is.
#include "framework/Application.h"
#include "framework/MenuRepaint.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

using NInterface::CMenuRepaint;
using NInterface::SArea;

namespace
{
class MenuRepaint : public ::testing::Test
{
  protected:
    void SetUp() override { CApplication::Create(m_platform)->SetLogicalSize(800, 600); }
    void TearDown() override { CApplication::Destroy(); }

    // The areas of one frame's still drawing; a whole drawing is one area of
    // the whole screen.
    std::vector<SArea> Draw(bool kept, const std::vector<double>& still, const std::vector<SArea>& moving)
    {
        std::vector<SArea> drawn;
        m_repaint.DrawStill(kept, still, moving,
                            [&drawn](const SArea* area) {
                                drawn.push_back(area ? *area : SArea{0, 0, 800, 600});
                            });
        return drawn;
    }

    CFakePlatform m_platform;
    CMenuRepaint m_repaint;
};

bool Covers(const SArea& outer, const SArea& inner)
{
    return outer.m_x0 <= inner.m_x0 && outer.m_y0 <= inner.m_y0 && outer.m_x1 >= inner.m_x1 &&
           outer.m_y1 >= inner.m_y1;
}
} // namespace

TEST_F(MenuRepaint, OnlyWhereMovingPartsWereAndAreWhileTheStillLookStays)
{
    const SArea left{10, 10, 40, 40};
    const SArea right{600, 500, 630, 530};
    EXPECT_EQ(Draw(true, {1.0}, {left}).size(), 1u) << "the first frame is drawn whole";

    const SArea moved{14, 12, 44, 42};
    const std::vector<SArea> drawn = Draw(true, {1.0}, {moved, right});
    ASSERT_EQ(drawn.size(), 2u) << "the dragon's old and new squares merge, the far one stays apart";
    EXPECT_TRUE(Covers(drawn[0], left) && Covers(drawn[0], moved));
    EXPECT_TRUE(Covers(drawn[1], right));

    // A button changing its look, or a back buffer not kept, draws it all.
    EXPECT_EQ(Draw(true, {2.0}, {right}).size(), 1u);
    EXPECT_TRUE(Covers(Draw(false, {2.0}, {right}).front(), SArea{0, 0, 800, 600}));
    // Pieces covering more than half the screen cost more than one drawing.
    EXPECT_TRUE(Covers(Draw(true, {2.0}, {SArea{0, 0, 800, 400}}).front(), SArea{0, 0, 800, 600}));
    m_repaint.Forget();
    EXPECT_TRUE(Covers(Draw(true, {2.0}, {right}).front(), SArea{0, 0, 800, 600}));
}

TEST_F(MenuRepaint, TurnedSpriteSquareHoldsEveryAngle)
{
    const SArea square = CMenuRepaint::Turned(100, 200, 60, 80);
    // Half the diagonal of 60 by 80 is 50.
    EXPECT_FLOAT_EQ(square.m_x0, 50.0f);
    EXPECT_FLOAT_EQ(square.m_y1, 250.0f);
    EXPECT_TRUE(CMenuRepaint::Overlap(square, 140, 240, 5, 5));
    EXPECT_FALSE(CMenuRepaint::Overlap(square, 151, 100, 5, 5));
}
