// Picture building blocks: distances, coverage, compositing, scaling, text
// and the encoders.
#include "tools/datagen/Image.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Painter.h"
#include "tools/datagen/Sheet.h"
#include "tools/datagen/Text.h"

#include "storage/PropertyFile.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <jpeglib.h>

using namespace NDatagen;

TEST(Distances, SignTellsInsideFromOutside)
{
    EXPECT_FLOAT_EQ(SdCircle(3, 0, 0, 0, 2), 1.0f);
    EXPECT_FLOAT_EQ(SdCircle(0, 0, 0, 0, 2), -2.0f);
    EXPECT_LT(SdRoundRect(5, 5, 0, 0, 10, 10, 2), 0.0f);
    EXPECT_NEAR(SdRoundRect(12, 5, 0, 0, 10, 10, 2), 2.0f, 1e-5f);
    // The rounded corner is cut: the box corner itself lies outside.
    EXPECT_GT(SdRoundRect(0.1f, 0.1f, 0, 0, 10, 10, 3), 0.0f);
    const std::vector<SPoint> tri = {{0, 0}, {10, 0}, {0, 10}};
    EXPECT_LT(SdPolygon(2, 2, tri), 0.0f);
    EXPECT_GT(SdPolygon(8, 8, tri), 0.0f);
    EXPECT_NEAR(SdPolygon(5, -3, tri), 3.0f, 1e-5f);
    EXPECT_NEAR(SdSegment(5, 2, {0, 0}, {10, 0}, 1), 1.0f, 1e-5f);
    EXPECT_NEAR(SdEllipse(4, 0, 0, 0, 4, 2, 0), 0.0f, 1e-4f);
    EXPECT_LT(SdEllipse(0, 1.9f, 0, 0, 4, 2, 0), 0.0f);
    EXPECT_GT(SdEllipse(0, 2.1f, 0, 0, 4, 2, 0), 0.0f);
}

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

namespace
{
struct SJpegInfo
{
    int width = 0, height = 0, components = 0;
    bool ok = false;
};

struct SJpegError
{
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

SJpegInfo DecodeJpeg(const std::vector<uint8_t>& bytes)
{
    SJpegInfo info;
    jpeg_decompress_struct cinfo{};
    SJpegError err{};
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = [](j_common_ptr c) { longjmp(reinterpret_cast<SJpegError*>(c->err)->jump, 1); };
    if (setjmp(err.jump))
    {
        jpeg_destroy_decompress(&cinfo);
        return info;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    std::vector<uint8_t> row(static_cast<size_t>(cinfo.output_width) * cinfo.output_components);
    while (cinfo.output_scanline < cinfo.output_height)
    {
        JSAMPROW r = row.data();
        jpeg_read_scanlines(&cinfo, &r, 1);
    }
    info = {static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
            cinfo.output_components, true};
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return info;
}
} // namespace

TEST(Encoders, JpegDecodesAsAColourPictureOfTheSameSize)
{
    CImage img(37, 21, Rgb(200, 100, 50));
    const SJpegInfo info = DecodeJpeg(EncodeJpeg(img, 90));
    EXPECT_TRUE(info.ok);
    EXPECT_EQ(info.width, 37);
    EXPECT_EQ(info.height, 21);
    EXPECT_EQ(info.components, 3);
}

TEST(Encoders, GeneratedBackgroundsAreFullSizeColourJpegs)
{
    const std::string dir = std::string(CHROMAL_TEST_DATA) + "/";
    if (!std::filesystem::exists(dir + "dat/game.txt"))
        GTEST_SKIP() << "no generated data";
    for (const char* name :
         {"dat/game_bg.jpg", "mui/bgs/intro.jpg", "mui/bgs/main.jpg", "mui/bgs/options.jpg",
          "mui/bgs/help.jpg", "mui/bgs/top.jpg", "mui/bgs/custom.jpg"})
    {
        std::FILE* f = std::fopen((dir + name).c_str(), "rb");
        ASSERT_NE(f, nullptr) << name;
        std::vector<uint8_t> bytes;
        int c;
        while ((c = std::fgetc(f)) != EOF)
            bytes.push_back(static_cast<uint8_t>(c));
        std::fclose(f);
        const SJpegInfo info = DecodeJpeg(bytes);
        EXPECT_TRUE(info.ok) << name;
        EXPECT_EQ(info.width, 1024) << name;
        EXPECT_EQ(info.height, 1024) << name;
        EXPECT_EQ(info.components, 3) << name;
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
