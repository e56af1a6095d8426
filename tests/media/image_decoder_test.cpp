// The three picture decoders on pictures made here, good and damaged.
#include "media/DdsDecoder.h"
#include "media/JpegDecoder.h"
#include "media/TestMedia.h"
#include "media/TgaDecoder.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

using namespace NTestMedia;

namespace
{
Rgba Gradient(std::uint32_t x, std::uint32_t row)
{
    return Rgba{static_cast<unsigned char>(x * 10), static_cast<unsigned char>(row * 20), 7, 200};
}
} // namespace

TEST(TgaDecoder, ReadsTrueColourPicturesAsRgbInStoredRowOrder)
{
    for (int depth : {24, 32})
    {
        const Bytes file = MakeTga(5, 3, depth, Gradient);
        CImage image;
        ASSERT_TRUE(DecodeTga(file.data(), file.size(), image)) << depth;
        EXPECT_EQ(image.m_width, 5u);
        EXPECT_EQ(image.m_height, 3u);
        EXPECT_EQ(image.m_components, static_cast<std::uint32_t>(depth / 8));
        const unsigned char* p = image.Pixel(4, 2);
        EXPECT_EQ(p[0], 40);
        EXPECT_EQ(p[1], 40);
        EXPECT_EQ(p[2], 7);
        if (depth == 32)
        {
            EXPECT_EQ(p[3], 200);
        }
    }
}

TEST(TgaDecoder, RefusesFaultyFilesAndLeavesTheImageAlone)
{
    const Bytes good = MakeTga(4, 4, 24, Gradient);
    // Each case spoils one thing: byte offset, new value (or a cut length).
    const struct
    {
        std::size_t m_offset;
        int m_value;
    } spoils[] = {
        {2, 10},    // run-length encoded
        {1, 1},     // colour map
        {12, 0},    // zero width (with 13)
        {14, 0},    // zero height (with 15)
        {16, 16},   // 16 bits
        {13, 0xFF}, // claims 65535+ columns
    };
    std::vector<Bytes> faulty;
    for (const auto& spoil : spoils)
    {
        Bytes file = good;
        file[spoil.m_offset] = static_cast<unsigned char>(spoil.m_value);
        if (spoil.m_offset == 12 || spoil.m_offset == 14)
            file[spoil.m_offset + 1] = 0;
        faulty.push_back(file);
    }
    faulty.push_back(Bytes(good.begin(), good.end() - 1)); // one byte short
    faulty.push_back(Bytes(good.begin(), good.begin() + 17));
    for (std::size_t i = 0; i < faulty.size(); ++i)
    {
        CImage image;
        image.m_width = 99;
        EXPECT_FALSE(DecodeTga(faulty[i].data(), faulty[i].size(), image)) << "case " << i;
        EXPECT_EQ(image.m_width, 99u) << "case " << i;
    }
    CImage image;
    EXPECT_FALSE(DecodeTga(nullptr, 0, image));
}

TEST(JpegDecoder, ColourPictureComesOutBottomRowFirst)
{
    // Top half red, bottom half blue.
    const Bytes file = MakeJpeg(16, 16, 3,
                                [](std::uint32_t, std::uint32_t row) {
                                    return row < 8 ? Rgba{255, 0, 0, 255} : Rgba{0, 0, 255, 255};
                                });
    CImage image;
    ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), image));
    EXPECT_EQ(image.m_width, 16u);
    EXPECT_EQ(image.m_height, 16u);
    EXPECT_EQ(image.m_components, 3u);
    EXPECT_GT(image.Pixel(8, 0)[2], 200); // first row: the picture's bottom
    EXPECT_LT(image.Pixel(8, 0)[0], 50);
    EXPECT_GT(image.Pixel(8, 15)[0], 200);
    EXPECT_LT(image.Pixel(8, 15)[2], 50);
}

TEST(JpegDecoder, GreyPictureHasOneComponent)
{
    const Bytes file = MakeJpeg(8, 8, 1, [](std::uint32_t, std::uint32_t) { return Rgba{128, 0, 0, 0}; });
    CImage image;
    ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), image));
    EXPECT_EQ(image.m_components, 1u);
    EXPECT_EQ(image.m_pixels.size(), 64u);
    EXPECT_NEAR(image.m_pixels[0], 128, 3);
}

TEST(JpegDecoder, BrokenAndTruncatedFilesFailWithoutEndingTheProgram)
{
    const Bytes good = MakeJpeg(32, 32, 3, Gradient);
    std::vector<Bytes> broken = {
        Bytes{0xFF, 0xD8},
        Bytes(good.begin(), good.begin() + good.size() / 2),
        Bytes(100, 0x41),
    };
    Bytes corrupted = good;
    for (std::size_t i = 20; i < 200 && i < corrupted.size(); ++i)
        corrupted[i] = 0xFF;
    broken.push_back(corrupted);
    for (std::size_t i = 0; i < broken.size(); ++i)
    {
        CImage image;
        EXPECT_FALSE(DecodeJpeg(broken[i].data(), broken[i].size(), image)) << "case " << i;
        EXPECT_TRUE(image.m_pixels.empty());
    }
    // The decoder still works after the failures above.
    CImage image;
    EXPECT_TRUE(DecodeJpeg(good.data(), good.size(), image));
}

namespace
{
// A DXT1 block whose four pixel rows carry the index bytes r0..r3.
void AppendDxt1Block(Bytes& bytes, unsigned char colour, const unsigned char rows[4])
{
    bytes.insert(bytes.end(), {colour, 0, 0, 0});
    bytes.insert(bytes.end(), rows, rows + 4);
}
} // namespace

TEST(DdsDecoder, Dxt1BlocksAndTheirRowsAreFlipped)
{
    // 4 x 8: two blocks on top of each other.
    Bytes file = MakeDdsHeader(4, 8, "DXT1");
    const unsigned char upper[4] = {0x01, 0x02, 0x03, 0x04};
    const unsigned char lower[4] = {0x11, 0x12, 0x13, 0x14};
    AppendDxt1Block(file, 0xAA, upper);
    AppendDxt1Block(file, 0xBB, lower);

    CDdsImage image;
    ASSERT_TRUE(DecodeDds(file.data(), file.size(), true, image));
    EXPECT_EQ(image.m_format, kGlCompressedDxt1);
    EXPECT_EQ(image.m_components, 3u);
    EXPECT_EQ(image.Width(), 4u);
    EXPECT_EQ(image.Height(), 8u);
    const Bytes expected = {0xBB, 0, 0, 0, 0x14, 0x13, 0x12, 0x11, 0xAA, 0, 0, 0, 0x04, 0x03, 0x02, 0x01};
    EXPECT_EQ(image.m_faces.at(0).at(0).m_bytes, expected);

    CDdsImage unflipped;
    ASSERT_TRUE(DecodeDds(file.data(), file.size(), false, unflipped));
    EXPECT_EQ(unflipped.m_faces[0][0].m_bytes, Bytes(file.begin() + 128, file.end()));
}

TEST(DdsDecoder, SurfaceLowerThanABlockSwapsOnlyItsRows)
{
    CDdsSurface surface;
    surface.m_width = 4;
    surface.m_height = 2;
    surface.m_bytes = {0xAA, 0, 0, 0, 0x01, 0x02, 0x03, 0x04};
    FlipCompressedSurface(surface, kGlCompressedDxt1);
    EXPECT_EQ(surface.m_bytes, (Bytes{0xAA, 0, 0, 0, 0x02, 0x01, 0x03, 0x04}));
}

TEST(DdsDecoder, Dxt5AlphaRowsAreFlippedWithTheColourRows)
{
    Bytes file = MakeDdsHeader(4, 4, "DXT5");
    // Alpha rows of 12 bits: 0x001, 0x023, 0x456, 0x789.
    const std::uint64_t alphaBits = 0x001ull | (0x023ull << 12) | (0x456ull << 24) | (0x789ull << 36);
    file.insert(file.end(), {0xF0, 0x10});
    for (int i = 0; i < 6; ++i)
        file.push_back(static_cast<unsigned char>(alphaBits >> (8 * i)));
    const unsigned char rows[4] = {1, 2, 3, 4};
    AppendDxt1Block(file, 0xCC, rows);

    CDdsImage image;
    ASSERT_TRUE(DecodeDds(file.data(), file.size(), true, image));
    EXPECT_EQ(image.m_format, kGlCompressedDxt5);
    EXPECT_EQ(image.m_components, 4u);
    const Bytes& block = image.m_faces[0][0].m_bytes;
    ASSERT_EQ(block.size(), 16u);
    std::uint64_t flipped = 0;
    for (int i = 0; i < 6; ++i)
        flipped |= static_cast<std::uint64_t>(block[2 + i]) << (8 * i);
    EXPECT_EQ(flipped, 0x789ull | (0x456ull << 12) | (0x023ull << 24) | (0x001ull << 36));
    EXPECT_EQ(block[0], 0xF0);
    EXPECT_EQ(block[1], 0x10);
    EXPECT_EQ(Bytes(block.begin() + 12, block.end()), (Bytes{4, 3, 2, 1}));
}

TEST(DdsDecoder, StoredMipLevelsHalveDownToOneBlock)
{
    Bytes file = MakeDdsHeader(8, 8, "DXT1", 0, 4);
    file.resize(128 + 32 + 8 + 8 + 8, 0);
    CDdsImage image;
    ASSERT_TRUE(DecodeDds(file.data(), file.size(), true, image));
    const auto& levels = image.m_faces.at(0);
    ASSERT_EQ(levels.size(), 4u);
    EXPECT_EQ(levels[1].m_width, 4u);
    EXPECT_EQ(levels[3].m_width, 1u);
    EXPECT_EQ(levels[3].m_bytes.size(), 8u);
}

TEST(DdsDecoder, UncompressedRowsAreFlipped)
{
    Bytes file = MakeDdsHeader(1, 2, nullptr, 24);
    file.insert(file.end(), {1, 2, 3, 4, 5, 6});
    CDdsImage image;
    ASSERT_TRUE(DecodeDds(file.data(), file.size(), true, image));
    EXPECT_EQ(image.m_format, static_cast<std::uint32_t>(GL_BGR));
    EXPECT_EQ(image.m_faces[0][0].m_bytes, (Bytes{4, 5, 6, 1, 2, 3}));
}

TEST(DdsDecoder, RefusesUnknownFormatsAndShortFiles)
{
    Bytes dxt2 = MakeDdsHeader(4, 4, "DXT2");
    dxt2.resize(128 + 16, 0);
    Bytes sixteenBits = MakeDdsHeader(4, 4, nullptr, 16);
    sixteenBits.resize(128 + 32, 0);
    Bytes truncated = MakeDdsHeader(8, 8, "DXT5");
    truncated.resize(128 + 63, 0);
    Bytes missingMips = MakeDdsHeader(8, 8, "DXT1", 0, 4);
    missingMips.resize(128 + 32 + 8, 0);
    Bytes noMagic = MakeDdsHeader(4, 4, "DXT1");
    noMagic.resize(128 + 8, 0);
    noMagic[3] = 'X';
    Bytes hugeSides = MakeDdsHeader(0xFFFFFFFFu, 0xFFFFFFFFu, "DXT1");
    Bytes shortHeader = MakeDdsHeader(4, 4, "DXT1");
    shortHeader.resize(100);

    for (const Bytes* file :
         {&dxt2, &sixteenBits, &truncated, &missingMips, &noMagic, &hugeSides, &shortHeader})
    {
        CDdsImage image;
        EXPECT_FALSE(DecodeDds(file->data(), file->size(), true, image));
        EXPECT_TRUE(image.m_faces.empty());
    }
}
