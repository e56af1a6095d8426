// The black bars beside a letterboxed picture in the game's own window and GL
// context: a clear paints them only inside its scissor, as it does the
// picture. Runs only from tests/window/media_test.sh; the plain unit run skips it.
#include "platform/Gl.h"
#include "platform/SdlPlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// The window pixel at (x, y), counted from the bottom left: 'r', 'g', 'b',
// 'k' for black, '?' for anything else.
char Colour(int x, int y)
{
    unsigned char p[4] = {};
    EXPECT_TRUE(NGl::ReadPixels(x, y, 1, 1, p));
    if (p[0] < 30 && p[1] < 30 && p[2] < 30)
        return 'k';
    for (int c = 0; c < 3; ++c)
        if (p[c] > 200 && p[(c + 1) % 3] < 60 && p[(c + 2) % 3] < 60)
            return "rgb"[c];
    return '?';
}
} // namespace

TEST(LetterboxWindow, ClearUnderScissorPaintsTheBarsOnlyInsideIt)
{
    CSdlPlatform platform;
    std::string error;
    ASSERT_TRUE(platform.Init(error)) << error;
    // 800x600 at scale 1 between two bars 100 pixels wide.
    ASSERT_TRUE(platform.CreateWindow("bars", 0, 0, 1000, 600));
    ASSERT_FALSE(NGl::IsHeadless());
    NGl::Viewport(0, 0, 800, 600);
    // The whole window red, bars included.
    glDisable(GL_SCISSOR_TEST);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // A scissor reaching from the picture 20 pixels into the left bar.
    NGl::ClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    NGl::WindowScissor(80, 200, 100, 100);
    NGl::Enable(GL_SCISSOR_TEST);
    NGl::Clear(GL_COLOR_BUFFER_BIT);
    NGl::Disable(GL_SCISSOR_TEST);
    NGl::Finish();
    EXPECT_EQ(Colour(90, 250), 'k');  // the bar inside the scissor
    EXPECT_EQ(Colour(150, 250), 'b'); // the picture inside it
    EXPECT_EQ(Colour(50, 250), 'r');  // the bar outside it, left as it was
    EXPECT_EQ(Colour(90, 100), 'r');
    EXPECT_EQ(Colour(950, 250), 'r');
    EXPECT_EQ(Colour(400, 250), 'r'); // the picture outside it
    // Without a scissor both bars are cleared whole.
    NGl::Clear(GL_COLOR_BUFFER_BIT);
    NGl::Finish();
    EXPECT_EQ(Colour(50, 250), 'k');
    EXPECT_EQ(Colour(950, 550), 'k');
    EXPECT_EQ(Colour(400, 250), 'b');
    platform.DestroyWindow();
}
