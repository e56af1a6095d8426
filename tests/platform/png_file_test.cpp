// Frames read back from GL (bottom row first) are written top row first.
#include "platform/PngFile.h"
#include "storage/TempFolder.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

TEST(PngFile, BottomFirstRowsAreWrittenTopFirst)
{
    const CTempFolder folder;
    const std::string path = folder / "frame.png";
    // Two rows: the bottom one (first in memory) red, the top one blue.
    const std::vector<unsigned char> rgba = {255, 0, 0,   255, 255, 0, 0,   255, //
                                             0,   0, 255, 255, 0,   0, 255, 255};
    ASSERT_TRUE(WritePng(path, 2, 2, rgba));

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> read(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, read.data(), 0, nullptr));
    EXPECT_EQ(image.width, 2u);
    EXPECT_EQ(read[2], 255) << "top row blue";
    EXPECT_EQ(read[8], 255) << "bottom row red";
}

TEST(PngFile, RefusesTooLittleDataAndUnwritablePaths)
{
    EXPECT_FALSE(WritePng("/tmp/never.png", 4, 4, std::vector<unsigned char>(10)));
    EXPECT_FALSE(WritePng("/tmp/never.png", 0, 4, {}));
    EXPECT_FALSE(WritePng("/nonexistent-folder/x.png", 1, 1, std::vector<unsigned char>(4)));
}
