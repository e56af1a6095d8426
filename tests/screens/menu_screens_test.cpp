// The help and options screens and the name dialog on the fake platform,
// with a small data folder written here: page turning, closing, settings
// written at once, names typed and given from the keyboard. (The dragons'
// flight shows in the golden menu pictures.)
#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "media/InterfaceResources.h"
#include "media/ResourceGroup.h"
#include "media/Sprite.h"
#include "media/TestMedia.h"
#include "platform/KeyCodes.h"
#include "play/EnterNameDlg.h"
#include "screens/HelpWnd.h"
#include "screens/InterfaceInsect.h"
#include "screens/OptionsWnd.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "support/FakePlatform.h"
#include "widgets/ScrollingText.h"
#include "widgets/SimpleButton.h"
#include "widgets/SimpleCheckBox.h"
#include "widgets/TrackBar.h"

#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

using namespace NTestMedia;
using NInterface::CHelpWnd;
using NInterface::CInterfaceInsect;
using NInterface::COptionsWnd;

namespace
{
Bytes Picture(std::uint32_t width, std::uint32_t height)
{
    return MakeTga(width, height, 32, [](std::uint32_t, std::uint32_t) { return Rgba{10, 20, 30, 255}; });
}

class MenuScreenTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        const CSettings& settings = Settings();
        m_saved = {settings.m_sound, settings.m_hints, settings.m_show_dragons, settings.m_music_volume};
        m_folder.Write("mui/btn.tga", Picture(64, 128)); // four bands of 32
        m_folder.Write("mui/box.tga", Picture(32, 128));
        m_folder.Write("mui/thumb.tga", Picture(16, 32));
        m_folder.Write("mui/sheet.tga", Picture(64, 32));
        m_folder.Write("mui/dragon.spr", "file_name mui/sheet.tga\ngroups 2\nframes 4\n");
        m_folder.Write("mui/cursor.spr", "file_name mui/sheet.tga\n");
        m_folder.Write("mui/resourses.txt", "m_back_btn mui/btn.tga\nm_help_next_btn mui/btn.tga\n"
                                            "m_help_prev_btn mui/btn.tga\nm_check_box mui/box.tga\n"
                                            "m_music_track_bar mui/thumb.tga\nm_ok_btn mui/btn.tga\n");
        m_folder.Write("mui/entername_dlg.txt",
                       "m_ok_btn.x 128\nm_ok_btn.y 176\nm_dialog.x 20\nm_dialog.y 10\n");
        m_folder.Write("mui/help_wnd.txt", "m_close_btn.x 20\nm_close_btn.y 500\n"
                                           "m_next_btn.x 600\nm_next_btn.y 500\n"
                                           "m_prev_btn.x 500\nm_prev_btn.y 500\n");
        m_folder.Write("mui/options_wnd.txt",
                       "m_close_btn.x 20\nm_close_btn.y 500\n"
                       "m_musik_volume_track_bar.x 300\nm_musik_volume_track_bar.y 100\n"
                       "m_sound_cb.x 300\nm_sound_cb.y 200\n"
                       "m_hints_cb.x 300\nm_hints_cb.y 250\n"
                       "m_dragons_cb.x 300\nm_dragons_cb.y 300\n"
                       "m_fs_cb.x 300\nm_fs_cb.y 350\n");
        CFileSystem::Create()->SetRoot(m_folder.Path());
        m_group = CreateGroup("main", *CFileSystem::Get());
        CInterfaceResources::Create()->Load(*m_group);
        CApplication::Create(m_platform);
        Application().SetLogicalSize(800, 600);
        ASSERT_TRUE(Application().CreateMainWindow("Chromal", 0, 0, 800, 600));
        Application().PushScreen(&m_base);
        CPlatformEvent activate;
        activate.m_type = CPlatformEvent::kActivate;
        activate.m_value = 1;
        Application().HandleEvent(activate);
    }
    void TearDown() override
    {
        CApplication::Destroy();
        CInterfaceResources::Destroy();
        DeleteGroup("main");
        CFileSystem::Destroy();
        CSettings& settings = Settings();
        std::tie(settings.m_sound, settings.m_hints, settings.m_show_dragons, settings.m_music_volume) =
            m_saved;
    }
    void Click(CScreen& screen, int x, int y)
    {
        screen.OnMouseMove(x, y, 0);
        screen.OnLButtonDown(x, y, kMouseFlagLButton);
        screen.OnLButtonUp(x, y, 0);
    }

    CTempFolder m_folder;
    CFakePlatform m_platform;
    CResourceGroup* m_group = nullptr;
    CScreen m_base;
    std::tuple<bool, bool, bool, int> m_saved;
};

constexpr const char* kTwoPages =
    "<help>\n"
    " <page>\n"
    "  <block font_size=\"20\" width=\"300\" height=\"4\">\n"
    "   <pos x=\"40\" y=\"100\"></pos><font_color r=\"1\" g=\"1\" b=\"0\" a=\"1\"></font_color>\n"
    "   <text>Paint your territory</text>\n"
    "  </block>\n"
    "  <block width=\"64\" height=\"32\"><pos x=\"400\" y=\"300\"></pos>\n"
    "   <image animated=\"1\">mui/dragon.spr</image></block>\n"
    " </page>\n"
    " <page>\n"
    "  <block><image group=\"1\">mui/dragon.spr</image></block>\n"
    "  <block font_size=\"20\"></block>\n"
    " </page>\n"
    "</help>\n";
} // namespace

TEST_F(MenuScreenTest, HelpPagesTurnWithinTheirCount)
{
    m_folder.Write("mui/help.xml", kTwoPages);
    const std::size_t spritesBefore = m_group->SpriteCount();
    {
        CHelpWnd help;
        ASSERT_EQ(help.GetPageCount(), 2);
        ASSERT_EQ(help.Blocks().size(), 4u);
        EXPECT_NE(help.Blocks()[0]->GetText(), nullptr);
        EXPECT_EQ(help.Blocks()[0]->GetText()->GetLines().size(), 1u);
        EXPECT_EQ(help.Blocks()[3]->GetText(), nullptr);
        EXPECT_EQ(help.Blocks()[3]->GetSprite(), nullptr);
        // The same picture on two pages is filed twice, once per page.
        CSprite* first = m_group->GetSprite("mui/dragon.spr1");
        CSprite* second = m_group->GetSprite("mui/dragon.spr2");
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        EXPECT_NE(first, second);
        EXPECT_EQ(second->GetGroup(), 1);
        EXPECT_EQ(help.Dragons().size(), 10u);

        Application().PushScreen(&help);
        help.Draw();
        EXPECT_TRUE(help.PrevButton()->IsDisabled());
        EXPECT_FALSE(help.NextButton()->IsDisabled());
        // The previous button refuses presses on page 1.
        Click(help, 510, 510);
        EXPECT_EQ(help.GetPage(), 1);
        Click(help, 610, 510);
        EXPECT_EQ(help.GetPage(), 2);
        help.Draw();
        EXPECT_TRUE(help.NextButton()->IsDisabled());
        EXPECT_FALSE(help.PrevButton()->IsDisabled());
        help.OnControl(help.NextButton());
        EXPECT_EQ(help.GetPage(), 2);
        Click(help, 510, 510);
        EXPECT_EQ(help.GetPage(), 1);

        // Only the animated block of the shown page advances.
        const int frame = first->GetFrame();
        for (int i = 0; i < 10; ++i)
            help.Update(16.0f);
        EXPECT_NE(first->GetFrame(), frame);
        EXPECT_EQ(second->GetFrame(), 0);
        Application().RemoveScreen(&help);
    }
    // Closing takes the pictures out of the group again.
    EXPECT_EQ(m_group->SpriteCount(), spritesBefore);
    EXPECT_EQ(m_group->GetSprite("mui/dragon.spr1"), nullptr);
}

// Escape leaving the help: the golden menus run quits from the menu after it.
TEST_F(MenuScreenTest, OnePageHelpKeepsItsPage)
{
    m_folder.Write("mui/help.xml", "<help><page><block><text>Only</text></block></page></help>");
    CHelpWnd help;
    Application().PushScreen(&help);
    help.Draw();
    EXPECT_TRUE(help.PrevButton()->IsDisabled());
    EXPECT_FALSE(help.NextButton()->IsDisabled());
    help.OnControl(help.NextButton());
    EXPECT_EQ(help.GetPage(), 1);
}

TEST_F(MenuScreenTest, OptionsWriteTheSettingsAtOnce)
{
    Settings().m_sound = true;
    Settings().m_hints = false;
    Settings().m_show_dragons = true;
    Settings().m_music_volume = 32;
    COptionsWnd options;
    Application().PushScreen(&options);
    EXPECT_TRUE(options.SoundBox()->IsChecked());
    EXPECT_FALSE(options.HintsBox()->IsChecked());
    EXPECT_FALSE(options.FullScreenBox()->IsChecked());
    EXPECT_FLOAT_EQ(options.VolumeBar()->GetValue(), 32.0f);

    Click(options, 400, 260); // the hints caption
    EXPECT_TRUE(Settings().m_hints);
    Click(options, 310, 210);
    EXPECT_FALSE(Settings().m_sound);
    Click(options, 310, 310);
    EXPECT_FALSE(Settings().m_show_dragons);

    // Thumb at 300 + 204 * 32 / 100 = 365; the volume follows the drag, and
    // the track's end is full volume.
    options.OnLButtonDown(370, 105, kMouseFlagLButton);
    options.OnMouseMove(300 + 51 + 8, 105, kMouseFlagLButton);
    options.Draw();
    EXPECT_EQ(Settings().m_music_volume, 25);
    options.OnMouseMove(900, 105, kMouseFlagLButton);
    options.OnLButtonUp(900, 105, 0);
    EXPECT_EQ(Settings().m_music_volume, 100);
    EXPECT_FLOAT_EQ(options.VolumeBar()->ThumbLeft(), 300.0f + 204.0f);

    Application().RemoveScreen(&options);

    // A volume the slider cannot show puts its thumb at the track's end, and
    // showing the screen changes no setting.
    Settings().m_music_volume = 250;
    COptionsWnd shown;
    Application().PushScreen(&shown);
    Application().FrameStep(16.0f);
    EXPECT_FLOAT_EQ(shown.VolumeBar()->ThumbLeft(), 504.0f);
    EXPECT_EQ(Settings().m_music_volume, 250);
    Application().RemoveScreen(&shown);
}

TEST_F(MenuScreenTest, FullScreenBoxIsAppliedOnTheNextFrame)
{
    COptionsWnd options;
    Application().PushScreen(&options);
    EXPECT_TRUE(options.IsDraggable());
    Click(options, 310, 360);
    EXPECT_FALSE(Application().IsFullScreen());
    Application().FrameStep(16.0f);
    EXPECT_TRUE(Application().IsFullScreen());
    EXPECT_FALSE(options.IsDraggable());

    Click(options, 310, 360);
    Application().FrameStep(16.0f);
    EXPECT_FALSE(Application().IsFullScreen());
    EXPECT_TRUE(options.IsDraggable());

    // A refused mode: the box goes back to what the window is, once.
    m_platform.m_mode_switch_works = false;
    m_platform.m_moves.clear();
    Click(options, 310, 360);
    Application().FrameStep(16.0f);
    Application().FrameStep(16.0f);
    EXPECT_FALSE(Application().IsFullScreen());
    EXPECT_FALSE(options.FullScreenBox()->IsChecked());
    EXPECT_TRUE(options.IsDraggable());
    EXPECT_TRUE(m_platform.m_moves.empty());

    // Alt+Enter (or F11) while the screen is open: the box follows the
    // switch instead of switching back, both ways.
    m_platform.m_mode_switch_works = true;
    CPlatformEvent toggle;
    toggle.m_type = CPlatformEvent::kToggleFullScreen;
    for (const bool full : {true, false})
    {
        Application().HandleEvent(toggle);
        Application().FrameStep(16.0f);
        Application().FrameStep(16.0f);
        EXPECT_EQ(Application().IsFullScreen(), full);
        EXPECT_EQ(options.FullScreenBox()->IsChecked(), full);
        EXPECT_EQ(options.IsDraggable(), !full);
    }
}

// Tab and Space on OK, and Space opening the dialog at GAME OVER, with real
// keys: high_score_test.
TEST_F(MenuScreenTest, NameDialogIsLeftWithEnterOrEscapeAndKeepsItsBlanks)
{
    // As SDL gives a key: pressed, then the character it types.
    auto press = [](int key, char typed)
    {
        CPlatformEvent event;
        event.m_type = CPlatformEvent::kKeyDown;
        event.m_value = key;
        Application().HandleEvent(event);
        event.m_type = CPlatformEvent::kChar;
        event.m_value = typed;
        event.m_repeat = 1;
        if (typed != 0)
            Application().HandleEvent(event);
    };
    const struct
    {
        const char* typed;
        int leave;
        const char* name;
    } cases[] = {{"abcdefghijklmnopqrst", NKey::kEnter, "abcdefghijklmno"},
                 {"Ada L", NKey::kEscape, "Ada L"}};
    for (const auto& c : cases)
    {
        NInterface::CEnterNameDlg dialog;
        EXPECT_EQ(dialog.m_x, 20.0f); // where its layout puts it
        EXPECT_EQ(dialog.m_y, 10.0f);
        Application().PushDialog(&dialog);
        // The pointer rests on OK: Space is a blank of the name all the same.
        Application().Platform().WarpCursor(170, 200);
        for (const char* t = c.typed; *t != 0; ++t)
            press(*t == ' ' ? NKey::kSpace : std::toupper(*t), *t);
        press(c.leave, 0);
        Application().FrameStep(16.0f);
        EXPECT_EQ(Application().DialogCount(), 0u) << c.leave;
        EXPECT_EQ(dialog.GetName(), c.name) << c.leave;
    }
}

TEST_F(MenuScreenTest, CursorExistsOnlyWithTheResourceTable)
{
    EXPECT_TRUE(NInterface::CreateCursor());
    NInterface::DestroyCursor();
    EXPECT_EQ(NInterface::GetCursorSprite(), nullptr);
    NInterface::DrawCursor(); // does nothing once gone
    NInterface::UpdateCursor(16.0f);
    CInterfaceResources::Destroy();
    EXPECT_FALSE(NInterface::CreateCursor());
    EXPECT_TRUE(CInterfaceInsect::CreateMenuDragons().empty());
}
