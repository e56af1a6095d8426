// Loading the menus' resource table.
#include "media/InterfaceResources.h"

#include "media/ResourceGroup.h"
#include "media/Texture.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"

#include <memory>

namespace
{
std::unique_ptr<CInterfaceResources> g_resources;

constexpr const char* kFontFile = "mui/font.tga";
constexpr const char* kListFile = "mui/resourses.txt";
} // namespace

CInterfaceResources* CInterfaceResources::Create()
{
    g_resources.reset();
    g_resources = std::make_unique<CInterfaceResources>();
    return g_resources.get();
}

CInterfaceResources* CInterfaceResources::Get()
{
    return g_resources.get();
}

void CInterfaceResources::Destroy()
{
    g_resources.reset();
}

void CInterfaceResources::Load(CResourceGroup& group)
{
    const CFileSystem& files = group.Files();
    m_list.Load(files, kListFile);

    m_font_tex = group.AddTexture(kFontFile, "m_font_tex", false, false);
    const CDataBuffer fontBytes = files.ReadFile(kFontFile);
    m_font.LoadMetrics(fontBytes.Data(), fontBytes.Size(), m_font_tex);

    // Buttons and controls are drawn scaled, so they get mipmaps; the window
    // backgrounds are drawn at their own size.
    const struct
    {
        const char* m_key;
        CTexture* CInterfaceResources::*m_member;
        bool m_mipmaps;
    } entries[] = {
        {"m_new_game_btn", &CInterfaceResources::m_new_game_btn, true},
        {"m_quit_game_btn", &CInterfaceResources::m_quit_game_btn, true},
        {"m_ok_btn", &CInterfaceResources::m_ok_btn, true},
        {"m_help_btn", &CInterfaceResources::m_help_btn, true},
        {"m_enter_name_editbox", &CInterfaceResources::m_enter_name_editbox, true},
        {"m_top7_btn", &CInterfaceResources::m_top7_btn, true},
        {"m_options_btn", &CInterfaceResources::m_options_btn, true},
        {"m_help_next_btn", &CInterfaceResources::m_help_next_btn, true},
        {"m_help_prev_btn", &CInterfaceResources::m_help_prev_btn, true},
        {"m_top_next_btn", &CInterfaceResources::m_top_next_btn, true},
        {"m_top_prev_btn", &CInterfaceResources::m_top_prev_btn, true},
        {"m_stats_btn", &CInterfaceResources::m_stats_btn, true},
        {"m_back_btn", &CInterfaceResources::m_back_btn, true},
        {"m_cancel_btn", &CInterfaceResources::m_cancel_btn, true},
        {"m_check_box", &CInterfaceResources::m_check_box, true},
        {"m_check_box2", &CInterfaceResources::m_check_box2, true},
        {"m_music_track_bar", &CInterfaceResources::m_music_track_bar, true},
        {"m_start_btn", &CInterfaceResources::m_start_btn, true},
        {"m_continuesaved_btn", &CInterfaceResources::m_continuesaved_btn, true},
        {"m_startnew_btn", &CInterfaceResources::m_startnew_btn, true},
        {"m_main_window_back", &CInterfaceResources::m_main_window_back, false},
        {"m_options_window_back", &CInterfaceResources::m_options_window_back, false},
        {"m_enter_name_dlg_back", &CInterfaceResources::m_enter_name_dlg_back, false},
        {"m_continue_dlg_back", &CInterfaceResources::m_continue_dlg_back, false},
        {"m_help_window_back", &CInterfaceResources::m_help_window_back, false},
        {"m_top_window_back", &CInterfaceResources::m_top_window_back, false},
        {"m_cust_lev_wnd", &CInterfaceResources::m_cust_lev_wnd, false},
    };
    // The backdrops of the screens the menu opens: one stands at a time. The
    // menu's own stays beside it (it is shown again often) until a game
    // covers the menu.
    // The dialogs' backs show now and then, over the menu or a game.
    const auto dialogBack = [](CTexture* CInterfaceResources::*member)
    {
        return member == &CInterfaceResources::m_enter_name_dlg_back ||
               member == &CInterfaceResources::m_continue_dlg_back;
    };
    const auto screenBack = [](CTexture* CInterfaceResources::*member)
    {
        return member == &CInterfaceResources::m_main_window_back ||
               member == &CInterfaceResources::m_options_window_back ||
               member == &CInterfaceResources::m_help_window_back ||
               member == &CInterfaceResources::m_top_window_back ||
               member == &CInterfaceResources::m_cust_lev_wnd;
    };
    for (const auto& entry : entries)
    {
        const std::string file = m_list.GetString(entry.m_key, "0");
        if (screenBack(entry.m_member) || dialogBack(entry.m_member))
        {
            this->*entry.m_member =
                group.AddTextureOnDemand(file, entry.m_key, false, entry.m_mipmaps,
                                         entry.m_member == &CInterfaceResources::m_main_window_back);
            // The screens' backdrops: centred, larger than the screen.
            if (screenBack(entry.m_member))
                (this->*entry.m_member)->CentreOn(CSettings::kLogicalWidth, CSettings::kLogicalHeight);
        }
        else
            this->*entry.m_member = group.AddTexture(file, entry.m_key, false, entry.m_mipmaps);
    }

    m_locked = group.AddTexture("mui/locked.tga", "m_locked", false, false);
    m_menu_dragon = group.AddSprite("mui/dragon.spr", "menu_dragon");
    m_menu_cursor = group.AddSprite("mui/cursor.spr", "menu_cursor");
}
