// Textures loaded by file name, the colour + alpha pair, sprite sheets and
// their copies (their frame timing is the clock's, tests/anim), resource
// groups and the menus' resource table, all headless.
#include "media/Image.h"
#include "media/InterfaceResources.h"
#include "media/ResourceGroup.h"
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
    return Rgba{10, 20, 30, 255};
}

class TextureFiles : public ::testing::Test
{
  protected:
    TextureFiles()
    {
        m_files.SetRoot(m_folder.Path());
        m_tga = MakeTga(6, 3, 24, Plain);
        m_jpeg = MakeJpeg(8, 4, 3, Plain);
        m_grey = MakeJpeg(8, 4, 1, Plain);
    }

    CTempFolder m_folder;
    CFileSystem m_files;
    Bytes m_tga, m_jpeg, m_grey;
};

// Sprite files over the same folder: a sheet cut into groups and frames.
class SpriteFiles : public TextureFiles
{
  protected:
    SpriteFiles()
    {
        m_folder.Write("sheet.tga", MakeTga(64, 30, 32, Plain));
        m_folder.Write("colour.jpg", m_jpeg);
        m_folder.Write("alpha.jpg", m_grey);
    }

    CSprite Load(const std::string& description)
    {
        m_folder.Write("test.spr", description);
        CSprite sprite;
        sprite.LoadSpriteFile(m_files, "test.spr");
        return sprite;
    }
};
} // namespace

TEST_F(TextureFiles, LastLetterOfTheNameChoosesTheDecoder)
{
    const Bytes dds = []
    {
        Bytes file = MakeDdsHeader(8, 4, "DXT1");
        file.resize(128 + 16, 0);
        return file;
    }();
    const struct
    {
        const char* m_name;
        const Bytes* m_bytes;
        std::uint32_t m_width;
        std::uint32_t m_components;
    } cases[] = {
        {"a.tga", &m_tga, 6, 3},  {"b.jpeg", &m_jpeg, 8, 3},
        {"c.jpg", &m_jpeg, 8, 3}, {"d.png", &m_jpeg, 8, 3}, // 'g' means JPEG, whatever the rest says
        {"e.dds", &dds, 8, 3},    {"f.bmp", &m_tga, 0, 0},  // no decoder for 'p'
        {"g.tgx", &m_tga, 0, 0},  {"h.jpg", &m_tga, 0, 0},  // TGA bytes under a JPEG name
    };
    for (const auto& c : cases)
    {
        m_folder.Write(c.m_name, *c.m_bytes);
        CTexture texture;
        EXPECT_TRUE(texture.LoadFromSource(m_files, c.m_name, false, true));
        EXPECT_EQ(texture.GetWidth(), c.m_width) << c.m_name;
        EXPECT_EQ(texture.GetComponents(), c.m_components) << c.m_name;
        EXPECT_EQ(texture.GetName(), 0u);
    }
    // Upper-case endings count too (loose files are looked up in lower case).
    CTexture upper;
    upper.LoadFromSource(m_files, "A.TGA", false, false);
    EXPECT_EQ(upper.GetWidth(), 6u);
}

TEST_F(TextureFiles, FailedLoadKeepsThePreviousPicture)
{
    m_folder.Write("good.tga", m_tga);
    m_folder.Write("bad.tga", Bytes(m_tga.begin(), m_tga.begin() + 30));
    CTexture texture;
    texture.LoadFromSource(m_files, "good.tga", false, false);
    EXPECT_TRUE(texture.LoadFromSource(m_files, "bad.tga", false, false));
    EXPECT_TRUE(texture.LoadFromSource(m_files, "missing.tga", false, false));
    EXPECT_TRUE(texture.LoadFromSource(m_files, "0", false, false));
    EXPECT_EQ(texture.GetWidth(), 6u);
    EXPECT_EQ(texture.GetHeight(), 3u);
}

TEST_F(TextureFiles, ColourAndGreyPairBecomesRgbaButAGreyJpegAloneIsRefused)
{
    m_folder.Write("colour.jpg", m_jpeg);
    m_folder.Write("alpha.jpg", m_grey);
    CTexture grey;
    grey.LoadFromSource(m_files, "alpha.jpg", false, false);
    EXPECT_EQ(grey.GetWidth(), 0u);
    EXPECT_EQ(grey.GetComponents(), 0u);
    m_folder.Write("small.jpg", MakeJpeg(4, 4, 1, Plain));
    CTexture texture;
    EXPECT_TRUE(texture.LoadWithAlpha(m_files, "colour.jpg", "alpha.jpg", false, false));
    EXPECT_EQ(texture.GetComponents(), 4u);
    EXPECT_EQ(texture.GetWidth(), 8u);

    // Size mismatch, swapped roles and a missing file are all refused.
    CTexture refused;
    EXPECT_TRUE(refused.LoadWithAlpha(m_files, "colour.jpg", "small.jpg", false, false));
    refused.LoadWithAlpha(m_files, "alpha.jpg", "colour.jpg", false, false);
    refused.LoadWithAlpha(m_files, "colour.jpg", "nothing.jpg", false, false);
    EXPECT_EQ(refused.GetComponents(), 0u);
}

TEST_F(TextureFiles, GroupFindsTheFirstOfRepeatedNamesAndIsReplacedWhenMadeAgain)
{
    m_folder.Write("one.tga", m_tga);
    m_folder.Write("two.jpg", m_jpeg);
    CResourceGroup* group = CreateGroup("test", m_files);
    CTexture* first = group->AddTexture("one.tga", "pic", false, false);
    CTexture* second = group->AddTexture("two.jpg", "pic", false, false);
    CTexture* empty = group->AddTexture("absent.tga", "empty", false, false);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(empty, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(group->GetTexture("pic"), first);
    EXPECT_EQ(group->GetTexture("Pic"), nullptr);
    EXPECT_EQ(group->TextureCount(), 3u);
    EXPECT_EQ(empty->GetWidth(), 0u);
    // Creating a group again replaces the old one.
    CResourceGroup* fresh = CreateGroup("test", m_files);
    EXPECT_EQ(FindGroup("test"), fresh);
    EXPECT_EQ(fresh->TextureCount(), 0u);
    EXPECT_EQ(fresh->GetTexture("pic"), nullptr);
    DeleteGroup("test");
    EXPECT_EQ(FindGroup("test"), nullptr);
    DeleteGroup("test"); // nothing left to delete
}

TEST_F(TextureFiles, ReloadKeepsObjectsAndRereadsTheirFiles)
{
    m_folder.Write("pic.tga", m_tga);
    m_folder.Write("sheet.tga", MakeTga(8, 4, 32, Plain));
    m_folder.Write("sheet.spr", "file_name sheet.tga\nframes 2\n");
    CResourceGroup* group = CreateGroup("reload", m_files);
    CTexture* texture = group->AddTexture("pic.tga", "pic", false, false);
    CSprite* sprite = group->AddSprite("sheet.spr", "sheet");
    sprite->SetFrame(1);
    ReleaseAll();

    // A changed file on the disk shows after the reload, in the same objects.
    m_folder.Write("pic.tga", MakeTga(2, 2, 32, Plain));
    ReloadAll();
    EXPECT_EQ(group->GetTexture("pic"), texture);
    EXPECT_EQ(texture->GetWidth(), 2u);
    EXPECT_EQ(texture->GetComponents(), 4u);
    EXPECT_EQ(group->GetSprite("sheet"), sprite);
    EXPECT_EQ(sprite->GetFrame(), 0);
    EXPECT_EQ(sprite->GetCellWidth(), 4.0f);

    group->RemoveSprite(sprite);
    EXPECT_EQ(group->GetSprite("sheet"), nullptr);
    EXPECT_EQ(group->SpriteCount(), 0u);
    DeleteGroup("reload");
}

TEST_F(TextureFiles, DetailedTwinsShowAtTheSameSizeAndFollowTheDetail)
{
    m_folder.Write("pic.tga", m_tga);
    m_folder.Write("x2/pic.tga", MakeTga(12, 6, 32, Plain));
    m_folder.Write("colour.jpg", m_jpeg);
    m_folder.Write("alpha.jpg", m_grey);
    m_folder.Write("x2/colour.jpg", MakeJpeg(16, 8, 3, Plain));
    m_folder.Write("x2/alpha.jpg", MakeJpeg(16, 8, 1, Plain));
    m_folder.Write("lone.tga", m_tga);
    m_folder.Write("bad.tga", m_tga);
    m_folder.Write("x2/bad.tga", Bytes(m_tga.begin(), m_tga.begin() + 30));
    m_folder.Write("sheet.tga", MakeTga(8, 4, 32, Plain));
    m_folder.Write("x2/sheet.tga", MakeTga(16, 8, 32, Plain));
    m_folder.Write("sheet.spr", "file_name sheet.tga\nframes 2\n");
    CResourceGroup* group = CreateGroup("detail", m_files);
    CTexture* pic = group->AddTexture("pic.tga", "pic", false, false);
    CTexture* pair = group->AddTextureWithAlpha("colour.jpg", "alpha.jpg", "pair", false, false);
    CTexture* lone = group->AddTexture("lone.tga", "lone", false, false);
    CTexture* bad = group->AddTexture("bad.tga", "bad", false, false);
    CTexture* later = group->AddTextureOnDemand("pic.tga", "later", false, false);
    CTexture* released = group->AddTexture("pic.tga", "released", false, false);
    CSprite* sprite = group->AddSprite("sheet.spr", "sheet");
    released->Release();
    auto ratios = [&]
    {
        std::vector<std::uint32_t> seen;
        for (const CTexture* texture : {pic, pair, lone, bad, later, released})
            seen.push_back(texture->GetPixelRatio());
        return seen;
    };
    auto sizes = [&] {
        return std::vector<std::uint32_t>{pic->GetWidth(), pic->GetHeight(), pair->GetWidth()};
    };
    const std::vector<std::uint32_t> onScreen{6, 3, 8};

    // Only loaded textures follow; a twin that does not decode leaves the set's own.
    CTexture::SetDetail(2);
    EXPECT_EQ(CTexture::Detail(), 2);
    EXPECT_EQ(ratios(), (std::vector<std::uint32_t>{2, 2, 1, 1, 1, 1}));
    EXPECT_EQ(sizes(), onScreen);
    EXPECT_EQ(bad->GetWidth(), 6u);
    EXPECT_EQ(pair->GetComponents(), 4u);
    EXPECT_EQ(sprite->GetCellWidth(), 4.0f);
    EXPECT_FALSE(group->IsLoaded(later));
    group->Require(later);
    EXPECT_EQ(later->GetPixelRatio(), 2u);
    EXPECT_EQ(later->GetWidth(), 6u);

    // A backdrop's twin keeps what its screen shows: 4 by 2 of its 8 by 8.
    m_folder.Write("back.tga", MakeTga(8, 8, 24, Plain));
    m_folder.Write("x2/back.tga", MakeTga(16, 16, 24, Plain));
    CTexture back;
    back.CentreOn(4.0f, 2.0f);
    back.LoadFromSource(m_files, "back.tga", false, false);
    EXPECT_EQ(back.GetWidth(), 8u);
    EXPECT_EQ((std::vector<float>{back.S(0.25f), back.S(0.75f), back.T(0.375f), back.T(0.625f)}),
              (std::vector<float>{0.0f, 1.0f, 0.0f, 1.0f}));

    CTexture::SetDetail(7); // anything but 2 is the set's own
    EXPECT_EQ((std::vector<float>{back.S(0.25f), back.T(0.625f)}), (std::vector<float>{0.25f, 0.625f}));
    EXPECT_EQ(CTexture::Detail(), 1);
    EXPECT_EQ(ratios(), (std::vector<std::uint32_t>(6, 1)));
    EXPECT_EQ(sizes(), onScreen);
    EXPECT_EQ(sprite->GetCellWidth(), 4.0f);
    EXPECT_EQ(CTexture::DetailForScale(1.25f), 1);
    EXPECT_EQ(CTexture::DetailForScale(1.26f), 2);
    DeleteGroup("detail");
}

TEST(MipLevels, HalfSizeAveragesEachTwoByTwoWeighingColourByAlpha)
{
    // 3 by 3 RGBA: the odd column and row are clamped, so the one pixel of
    // the next level is the top-left two by two. A see-through white pixel
    // lends its colour nothing.
    CImage image;
    image.m_width = 3;
    image.m_height = 3;
    image.m_components = 4;
    image.m_pixels.assign(3 * 3 * 4, 0);
    auto set = [&](std::uint32_t x, std::uint32_t y, std::vector<unsigned char> rgba)
    { std::copy(rgba.begin(), rgba.end(), image.m_pixels.begin() + (y * 3 + x) * 4); };
    set(0, 0, {200, 0, 0, 255});
    set(1, 0, {255, 255, 255, 0});
    set(0, 1, {100, 0, 0, 255});
    set(1, 1, {0, 0, 0, 255});
    set(2, 2, {9, 9, 9, 9}); // outside the kept two by two
    const CImage half = HalfSize(image);
    EXPECT_EQ(half.m_width, 1u);
    EXPECT_EQ(half.m_height, 1u);
    EXPECT_EQ(half.m_pixels, (std::vector<unsigned char>{100, 0, 0, 191}));

    // Equally opaque pixels (here RGB) take the plain mean, rounded; a level
    // of one pixel halves no further.
    CImage rgb;
    rgb.m_width = 4;
    rgb.m_height = 2;
    rgb.m_components = 3;
    rgb.m_pixels = {0, 10, 20, 1, 11, 21, 50, 50, 50, 60, 60, 60,
                    2, 12, 22, 3, 13, 23, 70, 70, 70, 80, 80, 80};
    const CImage level = HalfSize(rgb);
    EXPECT_EQ(level.m_pixels, (std::vector<unsigned char>{2, 12, 22, 65, 65, 65}));
    EXPECT_EQ(HalfSize(HalfSize(level)).m_width, 1u);
}

TEST_F(TextureFiles, OnDemandTexturesAreDecodedWhenAskedForAndOneAtATime)
{
    m_folder.Write("a.tga", m_tga);
    m_folder.Write("b.tga", m_tga);
    CResourceGroup* group = CreateGroup("demand", m_files);
    CTexture* a = group->AddTextureOnDemand("a.tga", "a", false, false);
    CTexture* b = group->AddTextureOnDemand("b.tga", "b", false, false);
    CTexture* plain = group->AddTexture("a.tga", "plain", false, false);
    EXPECT_EQ(a->GetWidth(), 0u);
    EXPECT_EQ(group->GetTexture("b"), b);

    group->Require(a);
    EXPECT_EQ(a->GetWidth(), 6u);
    // Asked for again while loaded: not read again.
    m_folder.Write("a.tga", MakeTga(2, 2, 24, Plain));
    group->Require(a);
    group->Require(plain);
    EXPECT_EQ(a->GetWidth(), 6u);
    // Another one takes its place; the first is read again when next asked for.
    group->Require(b);
    group->Require(a);
    EXPECT_EQ(a->GetWidth(), 2u);
    EXPECT_EQ(plain->GetWidth(), 6u);

    // A reload of the group leaves them to the next request.
    m_folder.Write("a.tga", MakeTga(3, 3, 24, Plain));
    ReleaseAll();
    ReloadAll();
    EXPECT_EQ(a->GetWidth(), 2u);
    group->Require(a);
    EXPECT_EQ(a->GetWidth(), 3u);
    DeleteGroup("demand");
}

TEST_F(TextureFiles, OnDemandTextureThatStaysGoesOnlyWhenAllAreReleased)
{
    m_folder.Write("a.tga", m_tga);
    CResourceGroup* group = CreateGroup("demand", m_files);
    CTexture* menu = group->AddTextureOnDemand("a.tga", "menu", false, false, true);
    CTexture* a = group->AddTextureOnDemand("a.tga", "a", false, false);
    CTexture* b = group->AddTextureOnDemand("a.tga", "b", false, false);
    CTexture* plain = group->AddTexture("a.tga", "plain", false, false);
    EXPECT_FALSE(group->IsLoaded(menu));
    group->Require(menu);
    group->Require(a);
    group->Require(b);
    EXPECT_TRUE(group->IsLoaded(menu)) << "another screen's backdrop does not take its place";
    EXPECT_FALSE(group->IsLoaded(a));
    EXPECT_TRUE(group->IsLoaded(b));
    group->ReleaseOnDemand();
    EXPECT_FALSE(group->IsLoaded(menu));
    EXPECT_FALSE(group->IsLoaded(b));
    EXPECT_TRUE(group->IsLoaded(plain));
    group->Require(menu);
    EXPECT_TRUE(group->IsLoaded(menu));
    DeleteGroup("demand");
}

TEST_F(TextureFiles, InterfaceTableFilesEveryKeyEvenWhenMissing)
{
    m_folder.Write("mui/back.tga", m_tga);
    m_folder.Write("mui/resourses.txt", "m_back_btn mui/back.tga\nm_cust_lev_wnd mui/back.tga\n");
    CResourceGroup* group = CreateGroup("main", m_files);
    CInterfaceResources* table = CInterfaceResources::Create();
    table->Load(*group);

    EXPECT_EQ(table->m_back_btn->GetWidth(), 6u);
    // A screen's backdrop is decoded when the screen first draws it.
    EXPECT_EQ(table->m_cust_lev_wnd->GetWidth(), 0u);
    group->Require(table->m_cust_lev_wnd);
    EXPECT_EQ(table->m_cust_lev_wnd->GetWidth(), 6u);
    ASSERT_NE(table->m_ok_btn, nullptr);
    EXPECT_EQ(table->m_ok_btn->GetWidth(), 0u);
    EXPECT_EQ(group->GetTexture("m_ok_btn"), table->m_ok_btn);
    EXPECT_EQ(group->GetTexture("m_locked"), table->m_locked);
    EXPECT_EQ(group->GetTexture("m_font_tex"), table->m_font_tex);
    EXPECT_EQ(group->GetSprite("menu_cursor"), table->m_menu_cursor);
    // Font, 27 listed keys and the lock picture.
    EXPECT_EQ(group->TextureCount(), 29u);
    CInterfaceResources::Destroy();
    DeleteGroup("main");
}

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

TEST_F(SpriteFiles, PrototypeWithoutFileSharesTheSheetAndItsFrameTime)
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
    copy.Update(21.0f); // past the prototype's 20 ms
    EXPECT_EQ(copy.GetFrame(), 1);
}
