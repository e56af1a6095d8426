// The generated data as files: configuration, layouts, masks, picture and
// sheet sizes, markup (the game's own loaders read them in data_loaders_test).
#include "DataDir.h"

#include "storage/PropertyFile.h"
#include "tools/datagen/Board.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

using namespace NDataTest;

namespace
{
CPropertyFile Props(const std::string& name)
{
    CPropertyFile p;
    EXPECT_TRUE(p.LoadFile(DataDir() + "/" + name)) << name;
    return p;
}

void ExpectPlaced(const CPropertyFile& p, const std::string& control)
{
    for (const char* axis : {".x", ".y", ".z"})
        EXPECT_TRUE(p.Has(control + axis)) << control << axis;
}

struct SRect
{
    float x0, y0, x1, y1;
    bool Overlaps(const SRect& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};
} // namespace

TEST(GeneratedConfig, PricesMatchTheTooltipsAndMovingSetHasEnoughMasks)
{
    SKIP_WITHOUT_DATA();
    const CPropertyFile game = Props("dat/game.txt");
    const std::pair<const char*, int> prices[] = {
        {"m_bonus_price_single_repaint", 1}, {"m_bonus_price_zone_repaint", 2},
        {"m_bonus_price_free_randomize", 3}, {"m_bonus_price_forward3", 5},
        {"m_bonus_price_forward6", 10},      {"m_bonus_price_self_repaint", 15},
        {"m_bonus_price_skip_move", 25},     {"m_bonus_price_backward3", 30},
        {"m_bonus_price_backward6", 40},     {"m_bonus_price_apponent_randomize", 50},
        {"m_bonus_price_life", 100}};
    for (const auto& [key, cents] : prices)
        EXPECT_EQ(game.GetInt(key, -1), cents) << key;
    const int moving = game.GetInt("m_levels_moving", 0);
    EXPECT_GE(moving, 20); // the refill reads index level % 20 from the moving folder
    for (int i = 0; i < moving; ++i)
    {
        char name[64];
        std::snprintf(name, sizeof name, "dat/levels_moving/lev%03d.raw", i);
        EXPECT_EQ(ReadData(name).size(), 480000u) << name;
    }
}

TEST(GeneratedConfig, EveryLayoutPlacesEveryControlItsScreenReads)
{
    SKIP_WITHOUT_DATA();
    const std::pair<const char*, std::vector<std::string>> layouts[] = {
        {"mui/main_wnd.txt", {"m_game_btn", "m_quit_game_btn", "m_help_btn", "m_top_btn", "m_options_btn"}},
        {"mui/options_wnd.txt",
         {"m_close_btn", "m_musik_volume_track_bar", "m_sound_cb", "m_hints_cb", "m_dragons_cb", "m_fs_cb"}},
        {"mui/help_wnd.txt", {"m_close_btn", "m_next_btn", "m_prev_btn"}},
        {"mui/custom_wnd.txt",
         {"m_close_btn", "m_ok_btn", "m_cb_classic", "m_cb_advanced", "m_level_track_bar"}},
        {"mui/continue_dlg.txt", {"m_continuesaved_btn", "m_startnew_btn", "m_cancel_btn"}},
        {"mui/entername_dlg.txt", {"m_ok_btn"}},
        {"mui/top_wnd.txt", {"m_close_btn", "m_next_btn", "m_prev_btn"}},
        {"dat/bonuses_buttons.txt",
         {"m_main_menu_btn", "m_bonus_single_repaint", "m_bonus_zone_repaint", "m_bonus_free_randomize",
          "m_bonus_forward3", "m_bonus_forward6", "m_bonus_self_repaint", "m_bonus_skip_move",
          "m_bonus_backward3", "m_bonus_backward6", "m_bonus_apponent_randomize", "m_bonus_life"}},
    };
    for (const auto& [file, controls] : layouts)
    {
        const CPropertyFile p = Props(file);
        for (const std::string& c : controls)
            ExpectPlaced(p, c);
    }
    const CPropertyFile name = Props("mui/entername_dlg.txt");
    EXPECT_TRUE(name.Has("m_enter_name_box.x") && name.Has("m_enter_name_box.y"));
    const CPropertyFile top = Props("mui/top_wnd.txt");
    for (const char* key : {"m_font_size", "m_num_space", "m_score_space"})
        EXPECT_TRUE(top.Has(key)) << key;
    for (int j = 0; j < 7; ++j)
    {
        char key[32];
        std::snprintf(key, sizeof key, "string_pos_%02d.y", j);
        EXPECT_GT(top.GetFloat(key, 0), 0.0f) << key;
    }
    const CPropertyFile res = Props("mui/resourses.txt");
    for (const char* key :
         {"m_new_game_btn", "m_back_btn", "m_check_box", "m_check_box2", "m_music_track_bar",
          "m_main_window_back", "m_cust_lev_wnd", "m_continue_dlg_back", "m_enter_name_dlg_back"})
    {
        const std::string file = res.GetString(key, "");
        EXPECT_FALSE(ReadData(file).empty()) << key << " -> " << file;
    }
}

TEST(GeneratedConfig, GameButtonsLeaveBoardAndStatusNumbersFree)
{
    SKIP_WITHOUT_DATA();
    const CPropertyFile p = Props("dat/bonuses_buttons.txt");
    // Status numbers: size 24 (purse 22) glyphs stand above their baseline.
    const std::vector<SRect> numbers = {{55, 14, 105, 42}, {693, 14, 743, 42}, {56, 524, 106, 552},
                                        {27, 66, 107, 92}, {52, 474, 92, 502}, {692, 524, 742, 552}};
    auto buttonRect = [&](const std::string& name, const std::string& file)
    {
        const STga t = ParseTga(ReadData(file));
        const float x = p.GetFloat(name + ".x", 0), y = p.GetFloat(name + ".y", 0);
        return SRect{x, y, x + t.width, y + t.height / 4.0f};
    };
    std::vector<SRect> buttons = {buttonRect("m_main_menu_btn", "dat/maun_menu_btn.tga")};
    const char* files[] = {
        "single_repaint", "zone_repaint", "free_randomize", "forward3",           "forward6", "self_repaint",
        "skip_move",      "backward3",    "backward6",      "apponent_randomize", "life"};
    const char* names[] = {"m_bonus_single_repaint",     "m_bonus_zone_repaint", "m_bonus_free_randomize",
                           "m_bonus_forward3",           "m_bonus_forward6",     "m_bonus_self_repaint",
                           "m_bonus_skip_move",          "m_bonus_backward3",    "m_bonus_backward6",
                           "m_bonus_apponent_randomize", "m_bonus_life"};
    for (int i = 0; i < 11; ++i)
        buttons.push_back(buttonRect(names[i], std::string("dat/bonus_btn/") + files[i] + ".tga"));
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        const SRect& b = buttons[i];
        EXPECT_GE(b.x0, 0);
        EXPECT_LE(b.x1, 800);
        EXPECT_LE(b.y1, 600);
        for (const SRect& n : numbers)
            EXPECT_FALSE(b.Overlaps(n)) << "button " << i;
        for (size_t j = i + 1; j < buttons.size(); ++j)
            EXPECT_FALSE(b.Overlaps(buttons[j])) << i << " and " << j;
        // No drawn cell of any board size may lie under a button (the
        // invisible left margin of the main-menu picture excepted).
        const float left = i == 0 ? b.x0 + 20 : b.x0;
        for (int level = 0; level < 100; ++level)
        {
            const NDatagen::CBoardGeometry g(level);
            const float h = g.CellWidth() / 2;
            for (const auto& c : g.Cells())
                EXPECT_FALSE((SRect{left, b.y0, b.x1, b.y1}.Overlaps(
                    {c.x - h * 0.9f, c.y - h * 0.9f, c.x + h * 0.9f, c.y + h * 0.9f})))
                    << "button " << i << " covers level " << level << " cell " << c.row << "," << c.column;
        }
    }
}

TEST(GeneratedMasks, EveryLevelKeepsHomesPlayableAndItsAreasReachable)
{
    SKIP_WITHOUT_DATA();
    for (const char* folder : {"dat/levels_classic", "dat/levels_duel"})
    {
        std::vector<std::vector<uint8_t>> masks;
        for (int i = 0; i < 20; ++i)
        {
            char name[64];
            std::snprintf(name, sizeof name, "%s/lev%03d.raw", folder, i);
            masks.push_back(ReadData(name));
            ASSERT_EQ(masks.back().size(), 480000u) << name;
            for (int y = 0; y < 600; ++y)
                for (int x = 0; x < 400; ++x)
                    ASSERT_EQ(masks.back()[y * 800 + x] == 0, masks.back()[y * 800 + 799 - x] == 0)
                        << name << " is not mirror-symmetric at " << x << "," << y;
        }
        for (int level = 0; level < 200; ++level)
        {
            const NDatagen::SMaskReport r = NDatagen::CheckMask(masks[level % 100 % 20], level);
            EXPECT_TRUE(r.homesPlayable) << folder << " level " << level;
            EXPECT_TRUE(r.connected) << folder << " level " << level;
            EXPECT_GE(r.playable * 2, r.playable + r.holes) << folder << " level " << level;
        }
    }
}

TEST(GeneratedMasks, MovingSetBuildsPlayableBoardsWithAnOpenLane)
{
    SKIP_WITHOUT_DATA();
    const int count = Props("dat/game.txt").GetInt("m_levels_moving", 0);
    ASSERT_GT(count, 0);
    for (int level = 0; level < 100; ++level)
    {
        char name[64];
        std::snprintf(name, sizeof name, "dat/levels_moving/lev%03d.raw", level % count);
        const std::vector<uint8_t> built = ReadData(name);
        const NDatagen::SMaskReport r = NDatagen::CheckMask(built, level);
        EXPECT_TRUE(r.homesPlayable && r.connected) << "moving level " << level;

        // The race runs along the middle; no pond lies in its way.
        const NDatagen::CBoardGeometry g(level);
        for (int row = g.Mid() - 1; row <= g.Mid() + 1; ++row)
            for (int column = 0; column < g.RowLength(row); ++column)
                EXPECT_NE(built[g.MaskIndex(row, column)], 0)
                    << "moving level " << level << " at " << row << "," << column;
    }
}

TEST(GeneratedPictures, DecodeAtTheirIntendedSizes)
{
    SKIP_WITHOUT_DATA();
    struct
    {
        const char* file;
        int width, height, depth;
    } const pictures[] = {
        {"mui/font.tga", 1024, 256, 32},
        {"mui/locked.tga", 320, 160, 32},
        {"mui/bgs/continue_dlg.tga", 512, 512, 32},
        {"mui/bgs/entername_dlg.tga", 512, 256, 32},
        {"mui/btn/new_game.tga", 256, 256, 32},
        {"mui/btn/help_next.tga", 128, 256, 32},
        {"mui/btn/checkbox.tga", 32, 128, 32},
        {"mui/btn/thumb.tga", 32, 64, 32},
        {"mui/btn/editbox.tga", 320, 96, 32},
        {"dat/maun_menu_btn.tga", 128, 128, 32},
        {"dat/bonus_btn/life.tga", 48, 192, 32},
        {"dat/hints_checkbox.tga", 32, 128, 32},
        {"dat/hints/hint00.tga", 512, 384, 32},
    };
    for (const auto& p : pictures)
    {
        const STga t = ParseTga(ReadData(p.file));
        EXPECT_TRUE(t.ok) << p.file;
        EXPECT_EQ(t.width, p.width) << p.file;
        EXPECT_EQ(t.height, p.height) << p.file;
        EXPECT_EQ(t.depth, p.depth) << p.file;
    }
    for (int i = 0; i <= 10; ++i)
    {
        char name[64];
        std::snprintf(name, sizeof name, "dat/hints/hint%02d.tga", i);
        EXPECT_TRUE(ParseTga(ReadData(name)).ok) << name;
    }
}

TEST(GeneratedSprites, SheetsDivideEvenlyIntoTheirRowsAndFrames)
{
    SKIP_WITHOUT_DATA();
    struct
    {
        const char* spr;
        int minGroups, minFrames;
    } const sprites[] = {
        {"dat/skin01.spr", 8, 16},    {"dat/bonus.spr", 5, 1},        {"dat/insects.spr", 1, 2},
        {"dat/marker.spr", 1, 1},     {"dat/particles.spr", 1, 1},    {"dat/hints/gameplay.spr", 1, 2},
        {"dat/hints/half.spr", 1, 2}, {"dat/hints/skin01.spr", 1, 1}, {"dat/hints/bonus.spr", 1, 1},
        {"mui/dragon.spr", 3, 2},     {"mui/cursor.spr", 1, 1},       {"mui/help/bonuses.spr", 11, 1}};
    for (const auto& s : sprites)
    {
        const CPropertyFile p = Props(s.spr);
        const int groups = p.GetInt("groups", 1), frames = p.GetInt("frames", 1);
        EXPECT_GE(groups, s.minGroups) << s.spr;
        EXPECT_GE(frames, s.minFrames) << s.spr;
        const STga t = ParseTga(ReadData(p.GetString("file_name", "0")));
        ASSERT_TRUE(t.ok) << s.spr;
        EXPECT_EQ(t.width % frames, 0) << s.spr;
        EXPECT_EQ(t.height % groups, 0) << s.spr;
    }
}

TEST(GeneratedMarkup, HintsHoldElevenRecordsWithPlacesAndHelpHasPages)
{
    SKIP_WITHOUT_DATA();
    const std::vector<uint8_t> hints = ReadData("dat/hints/hints.xml");
    const std::string text(hints.begin(), hints.end());
    const std::regex record(
        "<hint posx=\"[0-9.]+\" posy=\"[0-9.]+\" posxcb=\"[0-9.]+\" posycb=\"[0-9.]+\"></hint>");
    EXPECT_EQ(std::distance(std::sregex_iterator(text.begin(), text.end(), record), std::sregex_iterator()),
              11);
    EXPECT_EQ(text.find("//"), std::string::npos); // two slashes would start a comment

    const std::vector<uint8_t> help = ReadData("mui/help.xml");
    const std::string h(help.begin(), help.end());
    size_t pages = 0;
    for (size_t p = h.find("<page>"); p != std::string::npos; p = h.find("<page>", p + 1))
        ++pages;
    EXPECT_GE(pages, 6u);
    EXPECT_EQ(h.find("//"), std::string::npos);
    // Every picture names a sprite file that exists.
    const std::regex image(">([a-z0-9_/]+\\.spr)</image>");
    for (auto it = std::sregex_iterator(h.begin(), h.end(), image); it != std::sregex_iterator(); ++it)
        EXPECT_FALSE(ReadData((*it)[1]).empty()) << (*it)[1];
}

TEST(GeneratedMarkup, HintCheckBoxesAndAnimationsLieOnTheirPictures)
{
    SKIP_WITHOUT_DATA();
    const std::vector<uint8_t> hints = ReadData("dat/hints/hints.xml");
    const std::string text(hints.begin(), hints.end());
    const std::regex record(
        "posx=\"([0-9.]+)\" posy=\"([0-9.]+)\" posxcb=\"([0-9.]+)\" posycb=\"([0-9.]+)\"");
    const STga box = ParseTga(ReadData("dat/hints_checkbox.tga"));
    ASSERT_TRUE(box.ok);
    int i = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), record); it != std::sregex_iterator();
         ++it, ++i)
    {
        char name[64];
        std::snprintf(name, sizeof name, "dat/hints/hint%02d.tga", i);
        const STga pic = ParseTga(ReadData(name));
        ASSERT_TRUE(pic.ok) << name;
        const float x = std::stof((*it)[1]), y = std::stof((*it)[2]);
        const float cbx = std::stof((*it)[3]), cby = std::stof((*it)[4]);
        EXPECT_LE(cbx + box.width, pic.width) << name;
        EXPECT_LE(cby + box.height / 4.0f, pic.height) << name;
        EXPECT_LE(x + pic.width, 800) << name;
        EXPECT_LE(y + pic.height, 600) << name;
        if (i == 0)
        {
            // The first hint's animations are drawn at fixed screen points.
            for (const auto& [px, py] : {std::pair{573.0f, 209.0f}, {226.0f, 224.0f}, {219.0f, 391.0f}})
            {
                EXPECT_GT(px, x) << "animation at " << px;
                EXPECT_LT(px, x + pic.width) << "animation at " << px;
                EXPECT_GT(py, y) << "animation at " << py;
                EXPECT_LT(py, y + pic.height) << "animation at " << py;
            }
        }
    }
    EXPECT_EQ(i, 11);
}
