// The menus' shared pictures, font and sprite prototypes, listed in
// "mui/resourses.txt" and loaded into resource group "main".
#pragma once

#include "media/BitmapText.h"
#include "storage/PropertyFile.h"

class CResourceGroup;
class CSprite;
class CTexture;

class CInterfaceResources
{
  public:
    // The process-wide table: Create destroys a previous one first.
    static CInterfaceResources* Create();
    static CInterfaceResources* Get();
    static void Destroy();

    virtual ~CInterfaceResources() = default;

    // Reads the list and loads everything into `group`; a key missing from
    // the list still gets its (empty) texture entry.
    void Load(CResourceGroup& group);

    CPropertyFile m_list;
    CBitmapText m_font;
    CTexture* m_font_tex = nullptr;

    CTexture* m_new_game_btn = nullptr;
    CTexture* m_quit_game_btn = nullptr;
    CTexture* m_ok_btn = nullptr;
    CTexture* m_help_btn = nullptr;
    CTexture* m_enter_name_editbox = nullptr;
    CTexture* m_top7_btn = nullptr;
    CTexture* m_options_btn = nullptr;
    CTexture* m_help_next_btn = nullptr;
    CTexture* m_help_prev_btn = nullptr;
    CTexture* m_top_next_btn = nullptr;
    CTexture* m_top_prev_btn = nullptr;
    CTexture* m_stats_btn = nullptr;
    CTexture* m_back_btn = nullptr;
    CTexture* m_cancel_btn = nullptr;
    CTexture* m_check_box = nullptr;
    CTexture* m_check_box2 = nullptr;
    CTexture* m_music_track_bar = nullptr;
    CTexture* m_start_btn = nullptr;
    CTexture* m_continuesaved_btn = nullptr;
    CTexture* m_startnew_btn = nullptr;

    CTexture* m_main_window_back = nullptr;
    CTexture* m_options_window_back = nullptr;
    CTexture* m_enter_name_dlg_back = nullptr;
    CTexture* m_continue_dlg_back = nullptr;
    CTexture* m_help_window_back = nullptr;
    CTexture* m_top_window_back = nullptr;
    CTexture* m_cust_lev_wnd = nullptr;

    CTexture* m_locked = nullptr;
    CSprite* m_menu_dragon = nullptr;
    CSprite* m_menu_cursor = nullptr;
};
