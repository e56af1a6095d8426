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

    // Buttons and controls are drawn scaled, so they get mipmaps. The screens'
    // backdrops (centred, larger than the screen) and the dialogs' backs are
    // drawn at their own size and decoded when first shown; the main menu's
    // stays under the screens it opens.
    enum EKind
    {
        kControl,
        kBackdrop,
        kDialogBack
    };
    const struct
    {
        const char* m_key;
        CTexture* CInterfaceResources::*m_member;
        EKind m_kind;
    } entries[] = {
        {"m_new_game_btn", &CInterfaceResources::m_new_game_btn, kControl},
        {"m_quit_game_btn", &CInterfaceResources::m_quit_game_btn, kControl},
        {"m_ok_btn", &CInterfaceResources::m_ok_btn, kControl},
        {"m_help_btn", &CInterfaceResources::m_help_btn, kControl},
        {"m_enter_name_editbox", &CInterfaceResources::m_enter_name_editbox, kControl},
        {"m_top7_btn", &CInterfaceResources::m_top7_btn, kControl},
        {"m_options_btn", &CInterfaceResources::m_options_btn, kControl},
        {"m_help_next_btn", &CInterfaceResources::m_help_next_btn, kControl},
        {"m_help_prev_btn", &CInterfaceResources::m_help_prev_btn, kControl},
        {"m_top_next_btn", &CInterfaceResources::m_top_next_btn, kControl},
        {"m_top_prev_btn", &CInterfaceResources::m_top_prev_btn, kControl},
        {"m_stats_btn", &CInterfaceResources::m_stats_btn, kControl},
        {"m_back_btn", &CInterfaceResources::m_back_btn, kControl},
        {"m_cancel_btn", &CInterfaceResources::m_cancel_btn, kControl},
        {"m_check_box", &CInterfaceResources::m_check_box, kControl},
        {"m_check_box2", &CInterfaceResources::m_check_box2, kControl},
        {"m_music_track_bar", &CInterfaceResources::m_music_track_bar, kControl},
        {"m_start_btn", &CInterfaceResources::m_start_btn, kControl},
        {"m_continuesaved_btn", &CInterfaceResources::m_continuesaved_btn, kControl},
        {"m_startnew_btn", &CInterfaceResources::m_startnew_btn, kControl},
        {"m_main_window_back", &CInterfaceResources::m_main_window_back, kBackdrop},
        {"m_options_window_back", &CInterfaceResources::m_options_window_back, kBackdrop},
        {"m_enter_name_dlg_back", &CInterfaceResources::m_enter_name_dlg_back, kDialogBack},
        {"m_continue_dlg_back", &CInterfaceResources::m_continue_dlg_back, kDialogBack},
        {"m_help_window_back", &CInterfaceResources::m_help_window_back, kBackdrop},
        {"m_top_window_back", &CInterfaceResources::m_top_window_back, kBackdrop},
        {"m_cust_lev_wnd", &CInterfaceResources::m_cust_lev_wnd, kBackdrop},
    };
    for (const auto& entry : entries)
    {
        const std::string file = m_list.GetString(entry.m_key, "0");
        CTexture*& texture = this->*entry.m_member;
        if (entry.m_kind == kControl)
            texture = group.AddTexture(file, entry.m_key, false, true);
        else
            texture = group.AddTextureOnDemand(file, entry.m_key, false, false,
                                               entry.m_member == &CInterfaceResources::m_main_window_back);
        if (entry.m_kind == kBackdrop)
            texture->CentreOn(CSettings::kLogicalWidth, CSettings::kLogicalHeight);
    }

    m_locked = group.AddTexture("mui/locked.tga", "m_locked", false, false);
    m_menu_dragon = group.AddSprite("mui/dragon.spr", "menu_dragon");
    m_menu_cursor = group.AddSprite("mui/cursor.spr", "menu_cursor");
}
