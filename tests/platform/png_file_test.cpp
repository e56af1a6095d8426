// Frames read back from GL (bottom row first) are written top row first.
#include "platform/PngFile.h"
#include "storage/TempFolder.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(PngFile, BottomFirstRowsAreWrittenTopFirstByteForByte)
{
    const CTempFolder folder;
    const std::string path = folder / "frame.png";
    // Three pixels by two rows, no two bytes alike (alpha too): a swapped
    // channel, column or row, or a lost alpha, reads back as another byte.
    constexpr int kWidth = 3;
    constexpr int kHeight = 2;
    std::vector<unsigned char> rgba(kWidth * kHeight * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = static_cast<unsigned char>(10 * i + 7);
    ASSERT_TRUE(WritePng(path, kWidth, kHeight, rgba));

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    EXPECT_EQ(image.width, static_cast<png_uint_32>(kWidth));
    EXPECT_EQ(image.height, static_cast<png_uint_32>(kHeight));
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> read(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, read.data(), 0, nullptr));
    // The file's top row is the last row in memory.
    const std::size_t row = kWidth * 4;
    std::vector<unsigned char> expected(rgba.begin() + row, rgba.end());
    expected.insert(expected.end(), rgba.begin(), rgba.begin() + row);
    EXPECT_EQ(read, expected);
}

TEST(PngFile, RefusesTooLittleDataAndUnwritablePaths)
{
    EXPECT_FALSE(WritePng("/tmp/never.png", 4, 4, std::vector<unsigned char>(10)));
    EXPECT_FALSE(WritePng("/tmp/never.png", 0, 4, {}));
    EXPECT_FALSE(WritePng("/nonexistent-folder/x.png", 1, 1, std::vector<unsigned char>(4)));
}
