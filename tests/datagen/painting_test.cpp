// Picture building blocks: distances, coverage, compositing, scaling, text
// and the output folder (the generated pictures are decoded by the game's own
// readers in data_loaders_test).
#include "tools/datagen/Image.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Painter.h"
#include "tools/datagen/Sheet.h"
#include "tools/datagen/Text.h"

#include "storage/PropertyFile.h"

#include <gtest/gtest.h>

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
