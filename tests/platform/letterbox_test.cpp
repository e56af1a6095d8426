// The picture scaled into windows of any shape: where it lies, where the
// pointer lands in it, and which window pixels a part of it covers.
#include "platform/Letterbox.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Letterbox, LargestFittingScaleCentredBetweenBars)
{
    const struct
    {
        int width, height;
        double scale;
        int left, top, pictureWidth, pictureHeight, bottom;
    } cases[] = {
        {800, 600, 1.0, 0, 0, 800, 600, 0},      // exact
        {1600, 600, 1.0, 400, 0, 800, 600, 0},   // wide: bars left and right
        {800, 1001, 1.0, 0, 200, 800, 600, 201}, // tall, odd spare height
        {1200, 900, 1.5, 0, 0, 1200, 900, 0},    // larger, same shape
        {1600, 768, 1.28, 288, 0, 1024, 768, 0}, // full screen on a wide display
        {400, 400, 0.5, 0, 50, 400, 300, 50},    // smaller than the picture
        {0, 600, 1.0, 0, 0, 800, 600, 0},        // no drawable yet
    };
    for (const auto& c : cases)
    {
        const CLetterbox box = FitPicture(c.width, c.height, 800, 600);
        EXPECT_DOUBLE_EQ(box.m_scale, c.scale) << c.width << "x" << c.height;
        EXPECT_EQ(box.m_left, c.left) << c.width << "x" << c.height;
        EXPECT_EQ(box.m_top, c.top) << c.width << "x" << c.height;
        EXPECT_EQ(box.m_width, c.pictureWidth) << c.width << "x" << c.height;
        EXPECT_EQ(box.m_height, c.pictureHeight) << c.width << "x" << c.height;
        EXPECT_EQ(box.m_bottom, c.bottom) << c.width << "x" << c.height;
    }
}

TEST(Letterbox, PointerMapsBackToThePicturePixelAtTheEdgesAndFallsOutsideInTheBars)
{
    for (const auto& [width, height] :
         {std::pair{1600, 600}, {800, 1001}, {1024, 768}, {1920, 1080}, {1234, 987}})
    {
        const CLetterbox box = FitPicture(width, height, 800, 600);
        for (const auto& [px, py] : {std::pair{0, 0}, {1, 1}, {400, 300}, {799, 599}})
        {
            int x = px;
            int y = py;
            PictureToWindow(box, x, y);
            WindowToPicture(box, x, y);
            EXPECT_EQ(x, px) << width << "x" << height;
            EXPECT_EQ(y, py) << width << "x" << height;
        }
        // The picture's last window pixel is its last pixel; the next lies outside,
        // and so does window pixel 0 where a bar is.
        int x = box.m_left + box.m_width - 1;
        int y = box.m_top + box.m_height - 1;
        WindowToPicture(box, x, y);
        EXPECT_EQ(x * 10000 + y, 799 * 10000 + 599) << width << "x" << height;
        x = box.m_left + box.m_width;
        y = 0;
        WindowToPicture(box, x, y);
        EXPECT_GE(x, 800);
        EXPECT_EQ(y<0, box.m_top> 0) << width << "x" << height;
    }
}

TEST(Letterbox, PictureAreasCoverTheirWindowPixelsRoundedOutwards)
{
    const struct
    {
        int viewport[4];
        float x0, y0, x1, y1;
        int spare;
        bool inside;
        int x, y, width, height;
    } cases[] = {
        {{0, 0, 800, 600}, 10.5f, 20.25f, 30, 40, 0, false, 10, 560, 20, 20}, // GL counts from the bottom
        {{0, 0, 800, 600}, 10.5f, 20.25f, 30, 40, 2, false, 8, 558, 24, 24},  // spare pixels
        {{112, 0, 1024, 768}, 0, 0, 800, 600, 1, false, 111, -1, 1026, 770},  // scaled, past the bars
        {{112, 0, 1024, 768}, 0, 0, 800, 600, 1, true, 112, 0, 1024, 768},    // held inside
        {{0, 0, 800, 600}, 50.1f, 60, 50.2f, 60.5f, 0, false, 50, 539, 1, 1}, // a sliver is a pixel
        {{0, 0, 800, 600}, 30, 30, 10, 10, 0, false, 30, 590, 0, 0},          // turned inside out
    };
    for (const auto& c : cases)
    {
        const SWindowRect rect =
            PictureAreaToWindow(c.viewport, 800, 600, c.x0, c.y0, c.x1, c.y1, c.spare, c.inside);
        EXPECT_EQ(std::vector<int>({rect.m_x, rect.m_y, rect.m_width, rect.m_height}),
                  std::vector<int>({c.x, c.y, c.width, c.height}))
            << c.x0 << "," << c.y0 << " spare " << c.spare;
    }
    const int viewport[4] = {3, 4, 800, 600};
    const SWindowRect none = PictureAreaToWindow(viewport, 0, 600, 0, 0, 10, 10, 0, false);
    EXPECT_EQ(std::vector<int>({none.m_x, none.m_y, none.m_width, none.m_height}),
              std::vector<int>({3, 4, 0, 0}));
}
