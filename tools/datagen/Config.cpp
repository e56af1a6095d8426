// Writes "dat/game.txt", the layout files and the menu resource list.
#include "tools/datagen/Config.h"

#include "catalogue/LevelSets.h"
#include "rules/BonusTable.h"
#include "tools/datagen/Layout.h"
#include "tools/datagen/Masks.h"
#include "tools/datagen/Output.h"

#include <cstdio>

namespace NDatagen
{
namespace
{
std::string Number(float v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

// The controls of one layout file, then the places the game draws at and
// the lengths that the file holds.
std::string LayoutText(const std::string& title, const std::vector<SPlace>& places, const char* file)
{
    std::string text = "// " + title + "\n";
    for (const SPlace& p : places)
    {
        const std::string n = p.name;
        text += n + ".x " + Number(p.x) + "\n" + n + ".y " + Number(p.y) + "\n" + n + ".z 0\n";
    }
    for (const NPlaces::SPlace& p : NPlaces::kPlaces)
    {
        if (std::string(file) != p.m_file)
            continue;
        const std::string n = p.m_key;
        text += n + ".x " + Number(p.m_x) + "\n" + n + ".y " + Number(p.m_y) + "\n";
        if (p.m_size != 0)
            text += n + ".size " + Number(p.m_size) + "\n";
    }
    for (const NPlaces::SLength& l : NPlaces::kLengths)
        if (std::string(file) == l.m_file)
            text += std::string(l.m_key) + " " + Number(l.m_value) + "\n";
    return text;
}
} // namespace

const std::vector<std::pair<std::string, std::string>>& MenuResources()
{
    static const std::vector<std::pair<std::string, std::string>> list = {
        {"m_new_game_btn", "mui/btn/new_game.tga"},
        {"m_new_game_adv_btn", "mui/btn/new_game_adv.tga"},
        {"m_new_game_custom_btn", "mui/btn/new_game_custom.tga"},
        {"m_continue_btn", "mui/btn/continue.tga"},
        {"m_quit_game_btn", "mui/btn/quit.tga"},
        {"m_ok_btn", "mui/btn/ok.tga"},
        {"m_help_btn", "mui/btn/help.tga"},
        {"m_enter_name_editbox", "mui/btn/editbox.tga"},
        {"m_top7_btn", "mui/btn/top7.tga"},
        {"m_options_btn", "mui/btn/options.tga"},
        {"m_mini_btn", "mui/btn/mini.tga"},
        {"m_fullscreen_btn", "mui/btn/fullscreen.tga"},
        {"m_help_next_btn", "mui/btn/help_next.tga"},
        {"m_help_prev_btn", "mui/btn/help_prev.tga"},
        {"m_top_next_btn", "mui/btn/top_next.tga"},
        {"m_top_prev_btn", "mui/btn/top_prev.tga"},
        {"m_back_btn", "mui/btn/back.tga"},
        {"m_stats_btn", "mui/btn/stats.tga"},
        {"m_cancel_btn", "mui/btn/cancel.tga"},
        {"m_check_box", "mui/btn/checkbox.tga"},
        {"m_check_box2", "mui/btn/checkbox2.tga"},
        {"m_music_track_bar", "mui/btn/thumb.tga"},
        {"m_start_btn", "mui/btn/start.tga"},
        {"m_continuesaved_btn", "mui/btn/continue_saved.tga"},
        {"m_startnew_btn", "mui/btn/start_new.tga"},
        {"m_main_window_back", "mui/bgs/main.jpg"},
        {"m_options_window_back", "mui/bgs/options.jpg"},
        {"m_enter_name_dlg_back", "mui/bgs/entername_dlg.tga"},
        {"m_continue_dlg_back", "mui/bgs/continue_dlg.tga"},
        {"m_help_window_back", "mui/bgs/help.jpg"},
        {"m_top_window_back", "mui/bgs/top.jpg"},
        {"m_cust_lev_wnd", "mui/bgs/custom.jpg"},
    };
    return list;
}

std::string MenuResourceFile(const std::string& key)
{
    for (const auto& [k, file] : MenuResources())
        if (k == key)
            return file;
    return "0";
}

std::string SpriteFile(const std::string& picture, int groups, int frames, bool mipmaps)
{
    return "file_name " + picture + "\ntex_wrap 0\ntex_dynamic " + (mipmaps ? "1" : "0") + "\ngroups " +
           std::to_string(groups) + "\nframes " + std::to_string(frames) + "\n";
}

void WriteConfig(COutput& out)
{
    std::string game = "// Game configuration: the moving set's mask count and the bonus prices in cents.\n";
    for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
        if (set.m_count_key)
            game += std::string(set.m_count_key) + " " + std::to_string(set.m_files) + "\n";
    for (const NGame::SBonusInfo& bonus : NGame::kBonusTable)
        game += bonus.PriceKey() + " " + std::to_string(bonus.m_default_price) + "\n";
    out.WriteText("dat/game.txt", game);

    using namespace NPlaces;
    out.WriteText(kGameFile, LayoutText("Game screen buttons", BonusLayout(), kGameFile));
    out.WriteText("mui/main_wnd.txt", LayoutText("Main menu", kMainLayout, "mui/main_wnd.txt"));
    out.WriteText(kOptionsFile, LayoutText("Options", kOptionsLayout, kOptionsFile));
    out.WriteText("mui/help_wnd.txt", LayoutText("Help", kHelpLayout, "mui/help_wnd.txt"));
    out.WriteText(kLevelChoiceFile, LayoutText("Level choice", kCustomLayout, kLevelChoiceFile));
    out.WriteText(kContinueFile,
                  LayoutText("Continue dialog (relative to the dialog)", kContinueLayout, kContinueFile));

    std::string enter = LayoutText("Enter-name dialog (relative to the dialog)", kEnterNameLayout, kNameFile);
    enter += "m_enter_name_box.x " + Number(kEditBoxX) + "\nm_enter_name_box.y " + Number(kEditBoxY) + "\n";
    out.WriteText(kNameFile, enter);

    std::string top = LayoutText("Top-7 table", kTopLayout, kTopFile);
    top += "m_font_size " + Number(kTopFontSize) + "\nm_num_space " + Number(kTopNumSpace) +
           "\nm_score_space " + Number(kTopScoreSpace) + "\nm_opponent_space " + Number(kTopOpponentSpace) +
           "\nm_opponent_size " + Number(kTopOpponentSize) + "\n";
    for (int j = 0; j < 7; ++j)
    {
        char key[32];
        std::snprintf(key, sizeof key, "string_pos_%02d", j);
        top += std::string(key) + ".x " + Number(kTopRowX) + "\n" + key + ".y " +
               Number(kTopRowY + kTopRowStep * static_cast<float>(j)) + "\n";
    }
    out.WriteText(kTopFile, top);
    out.WriteText(kStatsFile, LayoutText("Statistics", kStatsLayout, kStatsFile));

    std::string res = "// Menu pictures: resource name, then its file.\n";
    for (const auto& [key, file] : MenuResources())
        res += key + " " + file + "\n";
    out.WriteText("mui/resourses.txt", res);
}
} // namespace NDatagen
