// The picture scaled into windows of any shape: where it lies, and where the
// pointer lands in it.
#include "platform/Letterbox.h"

#include <gtest/gtest.h>

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
