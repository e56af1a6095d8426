// Font metrics found in a font picture made here, and text layout.
#include "media/BitmapText.h"
#include "media/TestMedia.h"

#include <gtest/gtest.h>

using namespace NTestMedia;

namespace
{
constexpr std::uint32_t kWidth = kFontWidth;
constexpr std::uint32_t kHeight = kFontHeight;

Bytes MakeFont(int glyphs, int upperCount = 47)
{
    return MakeFontPicture(glyphs, upperCount, [](int n) { return 1 + n % 3; });
}

class LoadedFont : public ::testing::Test
{
  protected:
    LoadedFont()
    {
        const Bytes font = MakeFont(94);
        m_loaded = m_font.LoadMetrics(font.data(), font.size(), nullptr);
    }
    CBitmapText m_font;
    bool m_loaded = false;
};
} // namespace

TEST(FontMetrics, ExactlyNinetyFourGlyphsAreNeeded)
{
    // The fixture's font of 94 loads (every LoadedFont test asserts it).
    const Bytes shortOne = MakeFont(93);
    CBitmapText missing;
    EXPECT_FALSE(missing.LoadMetrics(shortOne.data(), shortOne.size(), nullptr));

    // Extra runs are not stored past the table (the sanitizer run checks that).
    const Bytes extra = MakeFont(110, 60);
    CBitmapText tooMany;
    EXPECT_FALSE(tooMany.LoadMetrics(extra.data(), extra.size(), nullptr));
    EXPECT_FLOAT_EQ(tooMany.Metrics().Glyph(93).m_lower_t, 3.0f / kHeight);
}

TEST(FontMetrics, OnlyUncompressed32BitPicturesAreRead)
{
    const Bytes rgb = MakeTga(16, 16, 24, [](std::uint32_t, std::uint32_t) { return Rgba{1, 1, 1, 1}; });
    CBitmapText font;
    EXPECT_FALSE(font.LoadMetrics(rgb.data(), rgb.size(), nullptr));
    const Bytes full = MakeFont(94);
    EXPECT_FALSE(font.LoadMetrics(full.data(), full.size() / 2, nullptr));
    EXPECT_FALSE(font.LoadMetrics(full.data(), 10, nullptr));
    // Nothing was measured, so nothing has width.
    EXPECT_EQ(font.TextWidth("ABC", 20.0f), 0.0f);
    EXPECT_TRUE(font.Layout("ABC", 20.0f, 0, 0, false).empty());
}

TEST_F(LoadedFont, GlyphRectanglesCarryAOnePixelMargin)
{
    ASSERT_TRUE(m_loaded);
    // '!' is the first glyph of the upper line: columns 3..3.
    const CBitmapText::SGlyph& first = m_font.Metrics().Glyph(0);
    EXPECT_FLOAT_EQ(first.m_left_s, 2.0f / kWidth);
    EXPECT_FLOAT_EQ(first.m_right_s, 4.0f / kWidth);
    EXPECT_FLOAT_EQ(first.m_upper_t, 17.0f / kHeight);
    EXPECT_FLOAT_EQ(first.m_lower_t, 12.0f / kHeight);
    EXPECT_FLOAT_EQ(m_font.Metrics().GetLineHeight(), 5.0f / kHeight);
    // The first glyph of the lower line.
    EXPECT_FLOAT_EQ(m_font.Metrics().Glyph(47).m_lower_t, 3.0f / kHeight);
    EXPECT_FLOAT_EQ(m_font.Metrics().Glyph(47).m_left_s, 2.0f / kWidth);
}

TEST_F(LoadedFont, WidthOfSpacedTextAddsSpaceAndGaps)
{
    ASSERT_TRUE(m_loaded);
    const float size = 10.0f;
    const float a = m_font.TextWidth("A", size);
    const float b = m_font.TextWidth("B", size);
    // 'A' is glyph 32: 3 pixels of ink spanning 4 pixels between the margins'
    // edges, on lines 5 pixels high.
    const float space = size * 4.0f / 5.0f;
    EXPECT_FLOAT_EQ(m_font.TextWidth(" ", size), space);
    const float gap = space / 10.0f;
    EXPECT_FLOAT_EQ(a, space + gap);
    EXPECT_FLOAT_EQ(m_font.TextWidth("A B", size), a + space + b);
    EXPECT_FLOAT_EQ(m_font.TextWidth("A\x01\xF0", size), a); // no glyph, no room
}

TEST_F(LoadedFont, LineFeedStartsTheNextLineOneGapIn)
{
    ASSERT_TRUE(m_loaded);
    const float size = 10.0f;
    const auto glyphs = m_font.Layout("AB\nC", size, 100.0f, 50.0f, false);
    ASSERT_EQ(glyphs.size(), 3u);
    EXPECT_EQ(glyphs[0].m_x, 100.0f);
    EXPECT_FLOAT_EQ(glyphs[1].m_x, 100.0f + m_font.TextWidth("A", size));
    EXPECT_FLOAT_EQ(glyphs[2].m_x, 100.0f + m_font.TextWidth(" ", size) / 10.0f);
    EXPECT_EQ(glyphs[2].m_y, 60.0f);
    EXPECT_EQ(glyphs[2].m_code, 'C');
}

TEST_F(LoadedFont, CentredTextStartsHalfItsWidthLeft)
{
    ASSERT_TRUE(m_loaded);
    const float width = m_font.TextWidth("Hello", 16.0f);
    const auto glyphs = m_font.Layout("Hello", 16.0f, 400.0f, 300.0f, true);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_FLOAT_EQ(glyphs[0].m_x, 400.0f - width / 2.0f);
    // Drawing without a display is harmless, including the empty string.
    m_font.DrawTextOutlined("Hello", 16.0f, 400.0f, 300.0f, 0.0f, 1, 1, 1, 1, true, true);
    m_font.DrawNumberOutlined(-2147483647 - 1, 16.0f, 0, 0, 0, 1, 1, 1, 1, false, false);
    m_font.DrawText("", 16.0f, 0, 0, 0, 1, 1, 1, 1, false, false);
}
