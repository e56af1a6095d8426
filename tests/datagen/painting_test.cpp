// Picture building blocks: distances, coverage, compositing, scaling, text,
// the font sheet, painting twice as fine and the output folder (the generated pictures are decoded by the
// game's own readers in data_loaders_test).
#include "tools/datagen/Font.h"
#include "tools/datagen/Image.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Painter.h"
#include "tools/datagen/Sheet.h"
#include "tools/datagen/Text.h"

#include "storage/PropertyFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

using namespace NDatagen;

TEST(Painting, EdgesAreAntiAliasedAndInteriorsSolid)
{
    CImage img(20, 20);
    // A half-plane edge through the middle of column 10.
    Fill(
        img, {0, 0, 20, 20}, [](float x, float) { return x - 10.5f; }, Rgb(255, 0, 0));
    EXPECT_FLOAT_EQ(img.At(5, 5).a, 1.0f);
    EXPECT_NEAR(img.At(10, 5).a, 0.5f, 1e-4f);
    EXPECT_FLOAT_EQ(img.At(15, 5).a, 0.0f);
    // Painting outside the picture is clipped, not written out of bounds.
    Fill(
        img, {-50, -50, 80, 80}, [](float x, float y) { return SdCircle(x, y, 10, 10, 40); }, Rgb(0, 255, 0));
    EXPECT_FLOAT_EQ(img.At(19, 19).g, 1.0f);

    // Twice as fine: the same shape in layout units, its edge still one pixel wide.
    const CPaintScale fine(2);
    CImage twice(20, 20);
    ASSERT_EQ(twice.PixelWidth(), 40);
    Fill(
        twice, {0, 0, 20, 20}, [](float x, float) { return x - 10.125f; }, Rgb(255, 0, 0));
    EXPECT_FLOAT_EQ(twice.At(19, 5).a, 1.0f);
    EXPECT_NEAR(twice.At(20, 5).a, 0.25f, 1e-4f);
    EXPECT_FLOAT_EQ(twice.At(21, 5).a, 0.0f);
}

TEST(Painting, BlendingIsSourceOverWithStraightAlpha)
{
    CImage img(1, 1, Rgb(0, 0, 255, 1.0f));
    img.Blend(0, 0, Rgb(255, 0, 0, 0.5f));
    EXPECT_NEAR(img.At(0, 0).r, 0.5f, 1e-5f);
    EXPECT_NEAR(img.At(0, 0).b, 0.5f, 1e-5f);
    EXPECT_NEAR(img.At(0, 0).a, 1.0f, 1e-5f);

    CImage clear(1, 1);
    clear.Blend(0, 0, Rgb(0, 255, 0, 0.25f));
    EXPECT_NEAR(clear.At(0, 0).g, 1.0f, 1e-5f); // colour is kept, not darkened by the empty pixel
    EXPECT_NEAR(clear.At(0, 0).a, 0.25f, 1e-5f);
    clear.Blend(5, 5, Rgb(0, 0, 0)); // ignored
}

TEST(Painting, DownscalingIgnoresTheColourOfTransparentPixels)
{
    CImage img(2, 1);
    img.At(0, 0) = Rgb(255, 255, 255, 1.0f);
    img.At(1, 0) = SColour{0, 0, 0, 0}; // transparent black
    const CImage small = img.Resized(1, 1);
    EXPECT_NEAR(small.At(0, 0).r, 1.0f, 1e-5f);
    EXPECT_NEAR(small.At(0, 0).a, 0.5f, 1e-5f);
}

TEST(Painting, CropAndCopyStayInsideThePicture)
{
    CImage img(4, 4, Rgb(10, 20, 30));
    const CImage part = img.Crop(2, 2, 4, 4);
    EXPECT_FLOAT_EQ(part.At(0, 0).a, 1.0f);
    EXPECT_FLOAT_EQ(part.At(3, 3).a, 0.0f); // beyond the source
    CImage dst(3, 3);
    dst.Copy(img, 1, 1);
    EXPECT_FLOAT_EQ(dst.At(2, 2).a, 1.0f);
    EXPECT_FLOAT_EQ(dst.At(0, 0).a, 0.0f);
}

TEST(PaintedText, WidthGrowsWithTextAndParagraphsWrap)
{
    ASSERT_TRUE(TextReady());
    EXPECT_GT(TextWidth("WW", 20), TextWidth("W", 20));
    EXPECT_NEAR(TextWidth("ab", 40), 2 * TextWidth("ab", 20), 2.0f);
    CImage img(400, 300);
    STextStyle style;
    style.size = 16;
    const std::string text = "one two three four five six seven eight nine ten";
    const float wide = DrawParagraph(img, text, 0, 20, 1000, 18, style);
    const float narrow = DrawParagraph(img, text, 0, 20, 80, 18, style);
    EXPECT_FLOAT_EQ(wide, 20.0f);
    EXPECT_GT(narrow, 20 + 18 * 3.0f);
    // Ink lands below the cap line and above the baseline plus descent.
    int inked = 0;
    for (int x = 0; x < 400; ++x)
        inked += img.At(x, 10).a > 0;
    EXPECT_GT(inked, 0);

    // Twice as fine, a centred line spans what it spans at scale 1, doubled.
    auto inkSpan = [&style](int scale)
    {
        const CPaintScale painting(scale);
        CImage line(300, 40);
        style.align = EAlign::Centre;
        DrawText(line, "Garden of colour", 150, 30, style);
        int first = line.PixelWidth(), last = 0;
        for (int y = 0; y < line.PixelHeight(); ++y)
            for (int x = 0; x < line.PixelWidth(); ++x)
                if (line.At(x, y).a > 0)
                {
                    first = std::min(first, x);
                    last = std::max(last, x + 1);
                }
        return std::make_pair(first / static_cast<float>(scale), last / static_cast<float>(scale));
    };
    const auto one = inkSpan(1), two = inkSpan(2);
    EXPECT_NEAR(two.first, one.first, 1.0f);
    EXPECT_NEAR(two.second, one.second, 1.0f);
}

TEST(FontSheet, TwiceAsFineSheetHoldsEveryRunAndLineDoubled)
{
    // The game measures the scale-1 sheet and draws from the scale-2 one with
    // the same texture coordinates, so every run and line covers exactly
    // twice its columns and rows. The analysis widens a run by one pixel to
    // the left and reads a line's top from its last inked row, so on the fine
    // sheet those two edges come out one fine pixel inwards, the others equal.
    ASSERT_TRUE(TextReady());
    const NText::CFontMetrics one = FontSheetMetrics(1), two = FontSheetMetrics(2);
    const CImage sheet = MakeFontSheet(2);
    const float pixelS = 1.0f / sheet.PixelWidth(), pixelT = 1.0f / sheet.PixelHeight();
    for (int i = 0; i < NText::CFontMetrics::kGlyphCount; ++i)
    {
        const auto &a = one.Glyph(i), &b = two.Glyph(i);
        const char glyph = static_cast<char>('!' + i);
        EXPECT_NEAR(b.m_left_s, a.m_left_s + pixelS, pixelS / 2) << glyph;
        EXPECT_NEAR(b.m_right_s, a.m_right_s, pixelS / 2) << glyph;
        EXPECT_NEAR(b.m_upper_t, a.m_upper_t + pixelT, pixelT / 2) << glyph;
        EXPECT_NEAR(b.m_lower_t, a.m_lower_t, pixelT / 2) << glyph;
    }
}

class OutputFolder : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("chromal-datagen-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
};

TEST_F(OutputFolder, SpriteFileNamesItsSheetAndCountsRowsAndFrames)
{
    COutput out(m_dir.string());
    const CImage cell(8, 4, Rgb(1, 2, 3));
    WriteSprite(out, "dat/thing.spr", {{cell, cell, cell}, {cell, cell, cell}});
    ASSERT_FALSE(out.Failed());
    CPropertyFile spr;
    ASSERT_TRUE(spr.LoadFile((m_dir / "dat/thing.spr").string()));
    EXPECT_EQ(spr.GetString("file_name", ""), "dat/thing.tga");
    EXPECT_EQ(spr.GetInt("groups", 0), 2);
    EXPECT_EQ(spr.GetInt("frames", 0), 3);
    EXPECT_EQ(std::filesystem::file_size(m_dir / "dat/thing.tga"), 18u + 24u * 8u * 4u);
    EXPECT_EQ(out.Written().size(), 2u);

    // The same sheet twice as fine goes beside it under x2/, read through the
    // same sprite file.
    const CPaintScale fine(2);
    const CImage fineCell(8, 4, Rgb(1, 2, 3));
    WriteSprite(out, "dat/thing.spr", {{fineCell, fineCell, fineCell}, {fineCell, fineCell, fineCell}});
    EXPECT_EQ(std::filesystem::file_size(m_dir / "x2/dat/thing.tga"), 18u + 4 * (24u * 8u * 4u));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "x2/dat/thing.spr"));
    EXPECT_EQ(out.Written().size(), 3u);
}

TEST_F(OutputFolder, UnwritablePathIsReportedAsAFailure)
{
    std::filesystem::create_directories(m_dir);
    // A plain file where a folder would have to be.
    COutput(m_dir.string()).WriteText("blocker", "x");
    COutput out(m_dir.string());
    EXPECT_FALSE(out.WriteText("blocker/inside.txt", "y"));
    EXPECT_TRUE(out.Failed());
}
