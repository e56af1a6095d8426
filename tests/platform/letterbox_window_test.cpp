// The black bars beside a letterboxed picture in the game's own window and GL
// context: a clear paints them only inside its scissor, as it does the
// picture. Runs only from tests/window/media_test.sh; the plain unit run skips it.
#include "platform/Gl.h"
#include "platform/SdlPlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(LetterboxWindow, ClearUnderScissorPaintsTheBarsOnlyInsideIt)
{
    CSdlPlatform platform;
    std::string error;
    ASSERT_TRUE(platform.Init(error)) << error;
    // 800x600 at scale 1 between two bars 100 pixels wide.
    ASSERT_TRUE(platform.CreateWindow("bars", 0, 0, 1000, 600));
    NGl::Viewport(0, 0, 800, 600);
    // The window red, bars included; then a blue clear through a scissor
    // reaching from the picture 20 pixels into the left bar.
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    NGl::ClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    NGl::WindowScissor(80, 200, 100, 100);
    NGl::Enable(GL_SCISSOR_TEST);
    NGl::Clear(GL_COLOR_BUFFER_BIT);
    NGl::Disable(GL_SCISSOR_TEST);
    // Red, green and blue of the window pixel (x, y), counted from the bottom left.
    const auto at = [](int x, int y)
    {
        unsigned char p[4] = {};
        EXPECT_TRUE(NGl::ReadPixels(x, y, 1, 1, p));
        return (p[0] / 128) * 100 + (p[1] / 128) * 10 + p[2] / 128;
    };
    // Black in the bar inside the scissor, blue in the picture there, red elsewhere.
    EXPECT_EQ(at(90, 250), 0);
    EXPECT_EQ(at(150, 250), 1);
    for (const auto& [x, y] : {std::pair{50, 250}, {90, 100}, {950, 250}, {400, 250}})
        EXPECT_EQ(at(x, y), 100) << x << ", " << y;
    platform.DestroyWindow();
}
