// The generated data read through the game's own loaders: textures, sprite
// sheets, the menu resource table with its font, markup and audio.
#include "DataDir.h"

#include "markup/MarkupNode.h"
#include "media/Audio.h"
#include "media/InterfaceResources.h"
#include "media/Music.h"
#include "media/ResourceGroup.h"
#include "media/Sound.h"
#include "media/Sprite.h"
#include "media/Texture.h"
#include "media/TgaDecoder.h"
#include "screens/HelpBlock.h"
#include "storage/FileSystem.h"
#include "widgets/ScrollingText.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>

using namespace NDataTest;

namespace
{
// Loose files only: the pack is covered by its own test.
class DataFiles : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        REQUIRE_DATA();
        m_files.SetRoot(DataDir());
    }
    CFileSystem m_files;
};

CMarkupNode ParseFile(const CFileSystem& files, const std::string& name)
{
    const CDataBuffer bytes = files.ReadFile(name);
    CMarkupNode node;
    node.ParseMarkup(bytes.Chars(), bytes.Size());
    return node;
}

// A hint picture by its pixels (opaque dark pixels are text on the light
// bubble): the row of the check box holds "show hints" right of the box and
// the closing words, well apart, and the text above leaves that row clear.
void ExpectReadableHint(const std::string& name, int boxX, int boxY, int boxSize)
{
    const std::vector<uint8_t> bytes = ReadData(name);
    CImage picture;
    ASSERT_TRUE(DecodeTga(bytes.data(), bytes.size(), picture) && picture.m_components == 4) << name;
    const auto ink = [&picture](int x, int y0, int y1)
    {
        for (int y = y0; y < y1; ++y)
        {
            const unsigned char* p = picture.Pixel(x, picture.m_height - 1 - y); // rows stored bottom first
            if (p[3] > 200 && 0.3f * p[0] + 0.59f * p[1] + 0.11f * p[2] < 120.0f)
                return true;
        }
        return false;
    };
    // Inside the bubble's rim and clear of its rounded corners.
    int first = -1, last = -1, widestGap = 0;
    for (int x = 16; x < static_cast<int>(picture.m_width) - 16; ++x)
    {
        EXPECT_FALSE(ink(x, boxY - 4, boxY)) << name << ": text runs into the check-box row at " << x;
        if (!ink(x, boxY, boxY + boxSize - 4))
            continue;
        widestGap = first < 0 ? 0 : std::max(widestGap, x - last);
        first = first < 0 ? x : first;
        last = x;
    }
    EXPECT_GE(first, boxX + boxSize) << name << ": text under the check box";
    EXPECT_GT(widestGap, 8) << name << ": the texts beside the check box run together";
}
} // namespace

// The sprite sheets, cut as the game cuts them, show in the golden pictures.
TEST_F(DataFiles, EveryPictureDecodes)
{
    int pictures = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DataDir()))
    {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".tga" && extension != ".jpg"))
            continue;
        const std::string name = std::filesystem::relative(entry.path(), DataDir()).generic_string();
        CTexture texture;
        EXPECT_TRUE(texture.LoadFromSource(m_files, name, false, false)) << name;
        EXPECT_GT(texture.GetWidth(), 0u) << name;
        EXPECT_GT(texture.GetHeight(), 0u) << name;
        ++pictures;
    }
    EXPECT_GT(pictures, 50);
}

TEST_F(DataFiles, MenuResourceTableFindsEveryPicture)
{
    CResourceGroup group(m_files);
    CInterfaceResources table;
    table.Load(group);
    for (CTexture* t :
         {table.m_new_game_btn, table.m_back_btn, table.m_check_box, table.m_check_box2,
          table.m_music_track_bar, table.m_enter_name_editbox, table.m_main_window_back, table.m_cust_lev_wnd,
          table.m_continue_dlg_back, table.m_enter_name_dlg_back, table.m_locked, table.m_font_tex})
    {
        ASSERT_NE(t, nullptr);
        group.Require(t); // a screen's backdrop is decoded when first drawn
        EXPECT_GT(t->GetWidth(), 0u);
    }
    // Buttons hold four equal bands, the slider thumb and the edit box two.
    EXPECT_EQ(table.m_back_btn->GetHeight() % 4, 0u);
    EXPECT_EQ(table.m_check_box->GetHeight() % 4, 0u);
    EXPECT_EQ(table.m_music_track_bar->GetHeight() % 2, 0u);
    EXPECT_EQ(table.m_enter_name_editbox->GetHeight() % 2, 0u);
    ASSERT_NE(table.m_menu_dragon, nullptr);
    EXPECT_GE(table.m_menu_dragon->GetFrameCount(), 2);
    ASSERT_NE(table.m_menu_cursor, nullptr);
}

TEST_F(DataFiles, HintsParseIntoTheirRecordsOnTheirPicturesAndHelpIntoPagesOfBlocks)
{
    // Ten tutorial hints, the wrong-colour hint and the moving set's own.
    CMarkupNode hints = ParseFile(m_files, "dat/hints/hints.xml");
    const std::vector<CMarkupNode*> records = hints.GetChildren();
    ASSERT_EQ(records.size(), 12u);
    EXPECT_EQ(records[11]->GetAttribute("set", ""), "moving");
    CTexture box;
    ASSERT_TRUE(box.LoadFromSource(m_files, "dat/hints_checkbox.tga", false, false));
    for (size_t i = 0; i < records.size(); ++i)
    {
        const std::string name =
            "dat/hints/hint" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".tga";
        CTexture pic;
        ASSERT_TRUE(pic.LoadFromSource(m_files, name, false, false)) << name;
        const float x = records[i]->GetFloatAttribute("posx", -1),
                    y = records[i]->GetFloatAttribute("posy", -1);
        const float cbx = records[i]->GetFloatAttribute("posxcb", 0);
        const float cby = records[i]->GetFloatAttribute("posycb", 0);
        // The picture stays on the screen and its check box on the picture.
        EXPECT_GE(x, 0.0f) << name;
        EXPECT_GE(y, 0.0f) << name;
        EXPECT_LE(x + pic.GetWidth(), 800.0f) << name;
        EXPECT_LE(y + pic.GetHeight(), 600.0f) << name;
        EXPECT_GT(cbx, 0.0f) << name;
        EXPECT_GT(cby, 0.0f) << name;
        EXPECT_LE(cbx + box.GetWidth(), pic.GetWidth()) << name;
        EXPECT_LE(cby + box.GetHeight() / 4.0f, pic.GetHeight()) << name;
        if (i == 0)
            // The first hint's animations are drawn at fixed screen points.
            for (const auto& [px, py] : {std::pair{573.0f, 209.0f}, {226.0f, 224.0f}, {219.0f, 391.0f}})
            {
                EXPECT_TRUE(px > x && px < x + pic.GetWidth()) << "animation at " << px;
                EXPECT_TRUE(py > y && py < y + pic.GetHeight()) << "animation at " << py;
            }
        ExpectReadableHint(name, static_cast<int>(cbx), static_cast<int>(cby),
                           static_cast<int>(box.GetWidth()));
    }

    // Each text block is as many lines high as the help screen wraps its text
    // into (prices filled in): a lower one would cut its last lines off.
    CResourceGroup group(m_files);
    CInterfaceResources::Create()->Load(group);
    CMarkupNode help = ParseFile(m_files, "mui/help.xml");
    const std::vector<CMarkupNode*> pages = help.GetChildren();
    EXPECT_GE(pages.size(), 6u);
    for (const CMarkupNode* page : pages)
    {
        const std::vector<CMarkupNode*> blocks = page->GetChildren();
        EXPECT_GE(blocks.size(), 2u);
        for (const CMarkupNode* block : blocks)
        {
            ASSERT_NE(block->FindChild("pos"), nullptr);
            const CMarkupNode* text = block->FindChild("text");
            const CMarkupNode* image = block->FindChild("image");
            EXPECT_TRUE(text || image);
            if (text)
            {
                EXPECT_FALSE(text->GetText().empty());
                const NInterface::CHelpBlock shown(*block, 1);
                EXPECT_EQ(static_cast<float>(shown.GetText()->GetLines().size()),
                          block->GetFloatAttribute("height", 0))
                    << text->GetText();
            }
            if (image)
            {
                CSprite sprite;
                sprite.LoadSpriteFile(m_files, image->GetText());
                EXPECT_GT(sprite.GetCellWidth(), 0.0f) << image->GetText();
                EXPECT_FALSE(image->GetAttribute("name", "").empty());
            }
        }
    }
    CInterfaceResources::Destroy();
}

TEST_F(DataFiles, SoundsAndMusicPlayThroughTheAudioDevice)
{
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    CFileSystem* files = CFileSystem::Create();
    files->SetRoot(DataDir());
    CAudio* audio = CAudio::Create();
    ASSERT_NE(audio, nullptr);
    if (!audio->IsDeviceAvailable())
    {
        CAudio::Destroy();
        CFileSystem::Destroy();
        GTEST_FAIL() << "no audio device, not even the dummy one";
    }
    for (const char* name : {"wav/start_paint.wav", "wav/wrong_paint.wav", "wav/lev_complete.wav",
                             "wav/life_lost.wav", "wav/game_over.wav", "wav/bonus.wav", "wav/btn_click.wav"})
    {
        CSound* sound = CSound::LoadSound(name, 1);
        EXPECT_NE(sound, nullptr) << name;
        delete sound;
    }
    {
        NAudio::Music music;
        for (const char* name :
             {"music/menu.xm", "music/game01.xm", "music/game02.xm", "music/game03.xm", "music/game04.xm"})
        {
            music.SetPlaylist({name});
            music.Play(-1);
            EXPECT_TRUE(music.IsPlaying()) << name;
            music.Stop();
        }
    }
    CAudio::Destroy();
    CFileSystem::Destroy();
}
