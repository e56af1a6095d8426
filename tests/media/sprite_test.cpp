// Sprite files and copies; the frame timing is the clock's
// (tests/anim/sprite_clock_test.cpp).
#include "media/Sprite.h"
#include "media/TestMedia.h"
#include "media/Texture.h"
#include "storage/FileSystem.h"

#include <gtest/gtest.h>

using namespace NTestMedia;

namespace
{
Rgba Plain(std::uint32_t, std::uint32_t)
{
    return Rgba{255, 255, 255, 255};
}

class SpriteFiles : public ::testing::Test
{
  protected:
    SpriteFiles()
    {
        m_files.SetRoot(m_folder.Path());
        m_folder.Write("sheet.tga", MakeTga(64, 30, 32, Plain));
        m_folder.Write("colour.jpg", MakeJpeg(16, 8, 3, Plain));
        m_folder.Write("alpha.jpg", MakeJpeg(16, 8, 1, Plain));
    }

    CSprite Load(const std::string& description)
    {
        m_folder.Write("test.spr", description);
        CSprite sprite;
        sprite.LoadSpriteFile(m_files, "test.spr");
        return sprite;
    }

    CTempFolder m_folder;
    CFileSystem m_files;
};
} // namespace

TEST_F(SpriteFiles, SheetIsCutIntoGroupsAndFrames)
{
    CSprite sprite = Load("file_name sheet.tga\ngroups 3\nframes 4\n");
    EXPECT_EQ(sprite.GetGroupCount(), 3);
    EXPECT_EQ(sprite.GetFrameCount(), 4);
    EXPECT_EQ(sprite.GetCellWidth(), 16.0f);
    EXPECT_EQ(sprite.GetCellHeight(), 10.0f);
    EXPECT_TRUE(sprite.OwnsTexture());

    sprite.SetFrame(3);
    sprite.SetGroup(2);
    float s0, s1, t0, t1;
    sprite.CellCoordinates(s0, s1, t0, t1);
    EXPECT_FLOAT_EQ(s0, 0.75f);
    EXPECT_EQ(s1, 1.0f);
    EXPECT_FLOAT_EQ(t0, 2.0f / 3.0f);
    EXPECT_EQ(t1, 1.0f);

    // A resized copy shows the same cell, larger, and shares the texture.
    CSprite copy(sprite);
    copy.SetCellSize(100.0f, 50.0f);
    float c0, c1, u0, u1;
    copy.CellCoordinates(c0, c1, u0, u1);
    EXPECT_EQ(c0, s0);
    EXPECT_EQ(u0, t0);
    EXPECT_EQ(copy.GetTexture(), sprite.GetTexture());
    EXPECT_FALSE(copy.OwnsTexture());

    // A reload keeps the texture object the copies hold and shows the first cell.
    ASSERT_TRUE(sprite.LoadSpriteFile(m_files, "test.spr"));
    EXPECT_EQ(sprite.GetTexture(), copy.GetTexture());
    EXPECT_EQ(sprite.GetFrame() + sprite.GetGroup(), 0);
}

TEST_F(SpriteFiles, PictureAloneOrBadCountsGiveOneCell)
{
    for (const char* description : {"file_name sheet.tga\n", "file_name sheet.tga\ngroups 0\nframes -2\n"})
    {
        CSprite sprite = Load(description);
        EXPECT_EQ(sprite.GetFrameCount(), 1);
        EXPECT_EQ(sprite.GetCellWidth(), 64.0f);
        EXPECT_EQ(sprite.GetCellHeight(), 30.0f);
        for (int i = 0; i < 5; ++i)
            sprite.Update(100.0f);
        EXPECT_EQ(sprite.GetFrame(), 0);
    }
    CSprite missing = Load("file_name absent.tga\n");
    EXPECT_EQ(missing.GetCellWidth(), 0.0f);
    missing.Draw(true);
}

TEST_F(SpriteFiles, AlphaFileNeedsFourCharacters)
{
    EXPECT_EQ(Load("file_name colour.jpg\nfile_alpha abc\n").GetTexture()->GetComponents(), 3u);
    EXPECT_EQ(Load("file_name colour.jpg\nfile_alpha alpha.jpg\n").GetTexture()->GetComponents(), 4u);
}

TEST_F(SpriteFiles, PrototypeWithoutFileSharesTheSheetAndKeepsTheFrameRules)
{
    CTexture sheet;
    const Bytes tga = MakeTga(64, 30, 32, Plain);
    ASSERT_TRUE(sheet.LoadTga(tga.data(), tga.size(), false, false));
    CSprite prototype(3, 4, 20, &sheet);
    EXPECT_FALSE(prototype.OwnsTexture());
    EXPECT_FLOAT_EQ(prototype.GetCellWidth(), 16.0f);
    EXPECT_FLOAT_EQ(prototype.GetCellHeight(), 10.0f);

    CSprite copy(prototype);
    EXPECT_EQ(copy.GetTexture(), &sheet);
    copy.SetGroup(2);
    EXPECT_EQ(copy.GetGroup(), 2);
    copy.SetGroup(3);
    EXPECT_EQ(copy.GetGroup(), 0);
    copy.Update(21.0f);
    EXPECT_EQ(copy.GetFrame(), 1);
}
