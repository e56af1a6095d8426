// The intro picture in the game's own window and GL context: upright and
// centred, 212 units cut off above and below, scaled with the window (here
// 1.5 times, as a first start on a large screen opens it). Runs only from
// tests/window/media_test.sh; the plain unit run skips it.
#include "media/TestMedia.h"
#include "platform/Gl.h"
#include "platform/SdlPlatform.h"
#include "screens/Intro.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"

#include <gtest/gtest.h>

using namespace NTestMedia;

TEST(IntroWindow, PictureStandsUprightAndCentred)
{
    CSdlPlatform platform;
    std::string error;
    ASSERT_TRUE(platform.Init(error)) << error;
    ASSERT_TRUE(platform.CreateWindow("intro", 0, 0, 1200, 900));
    CTempFolder folder;
    // Stored top row first: a red band above the screen's top edge (rows
    // 0..211 are cut off), then green to the middle, then blue.
    folder.Write("mui/bgs/intro.jpg",
                 MakeJpeg(1024, 1024, 3,
                          [](std::uint32_t, std::uint32_t row)
                          {
                              if (row < 212)
                                  return Rgba{255, 0, 0, 255};
                              return row < 512 ? Rgba{0, 255, 0, 255} : Rgba{0, 0, 255, 255};
                          }));
    CFileSystem::Create()->SetRoot(folder.Path());
    // Start-up has loaded the settings by the time the intro stands.
    Settings().m_window_width = 1200;
    Settings().m_window_height = 900;
    {
        NInterface::CIntro intro;
        intro.Activate();
        intro.Draw();
        NGl::Finish();
        // (x, y) in logical units, read 1.5 times as far from the top left.
        auto probe = [](int x, int y)
        {
            unsigned char p[4] = {};
            EXPECT_TRUE(NGl::ReadPixels(x * 3 / 2, 899 - y * 3 / 2, 1, 1, p));
            for (int c = 0; c < 3; ++c)
                if (p[c] > 200 && p[(c + 1) % 3] < 60 && p[(c + 2) % 3] < 60)
                    return "rgb"[c];
            return '?';
        };
        EXPECT_EQ(probe(5, 5), 'g');
        EXPECT_EQ(probe(795, 280), 'g');
        EXPECT_EQ(probe(5, 320), 'b');
        EXPECT_EQ(probe(795, 595), 'b');
    }
    CFileSystem::Destroy();
    platform.DestroyWindow();
}
