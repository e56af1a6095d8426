// A sprite and a compressed picture drawn in the game's own window and GL
// context come out upright and in place; the kept layer gives back every pixel. Runs only from
// tests/window/media_test.sh (a private X server); the plain unit run skips it.
#include "media/LayerCache.h"
#include "media/Sprite.h"
#include "media/TestMedia.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "platform/SdlPlatform.h"
#include "storage/FileSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NTestMedia;

namespace
{
constexpr int kWidth = 800;
constexpr int kHeight = 600;

class MediaWindow : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(m_platform.Init(error)) << error;
        ASSERT_TRUE(m_platform.CreateWindow("media", 0, 0, kWidth, kHeight));
        ASSERT_FALSE(NGl::IsHeadless());
        NGl::Viewport(0, 0, kWidth, kHeight);
        NGl::MatrixMode(GL_PROJECTION);
        NGl::LoadIdentity();
        NGl::Ortho(0, kWidth, kHeight, 0, -1, 1);
        NGl::MatrixMode(GL_MODELVIEW);
        NGl::LoadIdentity();
        NGl::ClearColor(0, 0, 0, 1);
        NGl::Clear(GL_COLOR_BUFFER_BIT);
        m_files.SetRoot(m_folder.Path());
    }

    void TearDown() override { m_platform.DestroyWindow(); }

    std::vector<unsigned char> ReadAll()
    {
        std::vector<unsigned char> pixels(kWidth * kHeight * 4);
        NGl::Finish();
        EXPECT_TRUE(NGl::ReadPixels(0, 0, kWidth, kHeight, pixels.data()));
        return pixels;
    }

    // The colour at a point of the logical screen (y growing downwards).
    Rgba Probe(int x, int y)
    {
        unsigned char pixel[4] = {};
        NGl::Finish();
        EXPECT_TRUE(NGl::ReadPixels(x, kHeight - 1 - y, 1, 1, pixel));
        return Rgba{pixel[0], pixel[1], pixel[2], pixel[3]};
    }

    void DrawTexture(const CTexture& texture, float x, float y)
    {
        NGl::Color(1, 1, 1, 1);
        NGl::Enable(GL_TEXTURE_2D);
        NGl::BindTexture(texture.GetName());
        texture.Draw(x, y, 0);
    }

    CSdlPlatform m_platform;
    CTempFolder m_folder;
    CFileSystem m_files;
};

::testing::AssertionResult Near(const Rgba& actual, int r, int g, int b)
{
    constexpr int kTolerance = 40;
    if (std::abs(actual.r - r) <= kTolerance && std::abs(actual.g - g) <= kTolerance &&
        std::abs(actual.b - b) <= kTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got (" << int(actual.r) << ", " << int(actual.g) << ", " << int(actual.b) << "), wanted (" << r
           << ", " << g << ", " << b << ")";
}
} // namespace

// A flipped, blended copy of a sheet's second frame (the plain pictures show
// in the golden pictures).
TEST_F(MediaWindow, SpriteCellShowsUprightInPlace)
{
    // Two frames: frame 1 is white over magenta.
    m_folder.Write("sheet.tga",
                   MakeTga(128, 64, 32,
                           [](std::uint32_t x, std::uint32_t row)
                           {
                               if (x < 64)
                                   return Rgba{255, 0, 0, 255};
                               return row < 32 ? Rgba{255, 0, 255, 255} : Rgba{255, 255, 255, 255};
                           }));
    m_folder.Write("sheet.spr", "file_name sheet.tga\nframes 2\n");
    CSprite sprite;
    sprite.LoadSpriteFile(m_files, "sheet.spr");
    CSprite copy(sprite);
    copy.SetBlend(true);
    copy.SetFlip(true);
    copy.SetFrame(1);
    copy.SetPosition(532, 132, 0);
    NGl::Color(1, 1, 1, 1);
    copy.Draw(true);

    EXPECT_TRUE(Near(Probe(532, 110), 255, 255, 255));
    EXPECT_TRUE(Near(Probe(532, 154), 255, 0, 255));
    EXPECT_TRUE(Near(Probe(532, 170), 0, 0, 0)); // the cell is 64 high around y = 132
    EXPECT_TRUE(Near(Probe(490, 110), 0, 0, 0)); // and 64 wide
}

TEST_F(MediaWindow, CompressedPictureShowsUpright)
{
    // 4 x 8 DXT1, stored top row first: a red block over a blue one.
    Bytes file = MakeDdsHeader(4, 8, "DXT1");
    file.insert(file.end(), {0x00, 0xF8, 0x00, 0xF8, 0, 0, 0, 0}); // red: RGB565 0xF800
    file.insert(file.end(), {0x1F, 0x00, 0x1F, 0x00, 0, 0, 0, 0}); // blue: 0x001F
    m_folder.Write("pic.dds", file);
    CTexture dds;
    dds.LoadFromSource(m_files, "pic.dds", false, false);
    ASSERT_NE(dds.GetName(), 0u);
    EXPECT_EQ(dds.GetHeight(), 8u);
    NGl::PushMatrix();
    NGl::Scale(10, 10, 1);
    DrawTexture(dds, 10, 10); // 100..140 across, 100..180 down
    NGl::PopMatrix();
    EXPECT_TRUE(Near(Probe(120, 110), 255, 0, 0));
    EXPECT_TRUE(Near(Probe(120, 170), 0, 0, 255));
}

namespace
{
// Channels that differ by more than the allowed rounding.
std::size_t DifferingBytes(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b,
                           int allowed = 0)
{
    std::size_t count = a.size() == b.size() ? 0 : a.size() + b.size();
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        count += std::abs(a[i] - b[i]) > allowed ? 1 : 0;
    return count;
}
} // namespace

TEST_F(MediaWindow, KeptLayerGivesBackEveryPixelAlsoAfterARedrawnPart)
{
    // A filtered background and many small blended, soft-edged quads at
    // fractional places: everything the kept copy could get wrong. One
    // picture serves both; its alpha falls off from the centre.
    m_folder.Write("pic.tga",
                   MakeTga(64, 64, 32,
                           [](std::uint32_t x, std::uint32_t row)
                           {
                               const int dx = static_cast<int>(x) - 32, dy = static_cast<int>(row) - 32;
                               const int alpha = std::max(0, 255 - (dx * dx + dy * dy) * 255 / 1024);
                               return Rgba{static_cast<unsigned char>(x * 4),
                                           static_cast<unsigned char>(row * 4), 90,
                                           static_cast<unsigned char>(alpha)};
                           }));
    CTexture picture;
    picture.LoadFromSource(m_files, "pic.tga", false, true);
    ASSERT_NE(picture.GetName(), 0u);
    CSprite sprite(1, 1, 0, &picture);
    sprite.SetBlend(true);
    sprite.SetCellSize(23.5f, 23.5f);

    const auto scene = [&](float turn)
    {
        NGl::Color(1, 1, 1, 1);
        NGl::Disable(GL_BLEND);
        NGl::Enable(GL_TEXTURE_2D);
        NGl::BindTexture(picture.GetName());
        NGl::PushMatrix();
        NGl::Scale(12.5f, 9.375f, 1.0f);
        picture.Draw(0, 0, 0);
        NGl::PopMatrix();
        NGl::CQuadBatchScope batch;
        for (int i = 0; i < 300; ++i)
        {
            NGl::PushMatrix();
            NGl::Translate(20.3f + (i % 20) * 37.7f, 15.6f + (i / 20) * 38.1f, 0.0f);
            NGl::Rotate(i == 47 ? turn : i * 7.0f, 0.0f, 0.0f, 1.0f);
            NGl::Color(1, 1, 1, 0.5f + (i % 5) * 0.1f);
            sprite.Draw(true);
            NGl::PopMatrix();
        }
    };
    NGl::ClearColor(0.2f, 0.3f, 0.4f, 1.0f);
    CLayerCache cache;
    const std::vector<double> before = {1.0};
    const std::vector<double> after = {2.0};
    EXPECT_EQ(cache.KeptLook(), nullptr);

    NGl::Clear(GL_COLOR_BUFFER_BIT);
    scene(0.0f);
    const std::vector<unsigned char> drawn = ReadAll();
    cache.Keep(before);
    ASSERT_NE(cache.KeptLook(), nullptr);
    EXPECT_EQ(*cache.KeptLook(), before);
    NGl::Clear(GL_COLOR_BUFFER_BIT);
    cache.DrawKept();
    EXPECT_EQ(DifferingBytes(ReadAll(), drawn), 0u);

    // Quad 47 (centre 284.2, 91.8) turns: only the rectangle around it is drawn again.
    NGl::Clear(GL_COLOR_BUFFER_BIT);
    scene(33.0f);
    const std::vector<unsigned char> turned = ReadAll();
    EXPECT_NE(DifferingBytes(turned, drawn), 0u);
    NGl::Clear(GL_COLOR_BUFFER_BIT);
    cache.DrawKept();
    cache.BeginRedraw(264.0f, 72.0f, 305.0f, 112.0f, kWidth, kHeight);
    scene(33.0f);
    cache.EndRedraw(after);
    // A scissor may change the rasteriser's rounding by one.
    EXPECT_EQ(DifferingBytes(ReadAll(), turned, 2), 0u);
    NGl::Clear(GL_COLOR_BUFFER_BIT);
    cache.DrawKept();
    EXPECT_EQ(DifferingBytes(ReadAll(), turned, 2), 0u);
    EXPECT_EQ(*cache.KeptLook(), after);

    // A viewport of another size has nothing kept.
    NGl::Viewport(0, 0, kWidth / 2, kHeight / 2);
    EXPECT_EQ(cache.KeptLook(), nullptr);
    NGl::Viewport(0, 0, kWidth, kHeight);
    CLayerCache::SetEnabled(false);
    EXPECT_EQ(cache.KeptLook(), nullptr);
    CLayerCache::SetEnabled(true);
}
