// The generated data as files: layouts and masks (the game's own loaders read
// the pictures, sheets and markup in data_loaders_test).
#include "DataDir.h"

#include "catalogue/Texts.h"
#include "media/BitmapText.h"
#include "media/Texture.h"
#include "rules/BonusTable.h"
#include "screens/CustomLevelWnd.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"
#include "tools/datagen/Board.h"
#include "tools/datagen/Layout.h"
#include "tools/datagen/Text.h"
#include "widgets/LayoutPosition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

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

// A control the generator stopped placing shows in the golden pictures, or
// for the name dialog's button in level_end_quit_test.
TEST(GeneratedConfig, EveryPlaceAScreenReadsIsInItsFile)
{
    REQUIRE_DATA();
    // The game draws at these places as the files give them: a key the
    // generator stopped writing would leave the game on its built-in number.
    for (const NPlaces::SPlace& place : NPlaces::kPlaces)
    {
        const CPropertyFile p = Props(place.m_file);
        const std::string key = place.m_key;
        EXPECT_TRUE(p.Has(key + ".x") && p.Has(key + ".y")) << place.m_file << " " << key;
        EXPECT_EQ(p.Has(key + ".size"), place.m_size != 0) << place.m_file << " " << key;
    }
    for (const NPlaces::SLength& length : NPlaces::kLengths)
        EXPECT_TRUE(Props(length.m_file).Has(length.m_key)) << length.m_file << " " << length.m_key;
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
}

TEST(GeneratedConfig, GameButtonsLeaveBoardAndStatusNumbersFree)
{
    REQUIRE_DATA();
    const CPropertyFile p = Props(NPlaces::kGameFile);
    // Status numbers, centred on their places, as wide as they grow (the
    // lives one digit, the purse "$9,99"), their glyphs above the baseline.
    const NPlaces::CPlaces places = ReadPlaces(p, NPlaces::kGameFile);
    using NPlaces::EPlace;
    std::vector<SRect> numbers;
    for (const auto& [id, half] : {std::pair{EPlace::kFlowersNumber, 25.0f},
                                   {EPlace::kRivalNumber, 25.0f},
                                   {EPlace::kScoreNumber, 25.0f},
                                   {EPlace::kPurse, 40.0f},
                                   {EPlace::kLivesNumber, 20.0f},
                                   {EPlace::kLevelNumber, 25.0f}})
        numbers.push_back({places[id].m_x - half, places[id].m_y - places[id].m_size - 2,
                           places[id].m_x + half, places[id].m_y + 2});
    CFileSystem data;
    data.SetRoot(DataDir());
    auto buttonRect = [&](const std::string& name, const std::string& file)
    {
        CTexture t;
        EXPECT_TRUE(t.LoadFromSource(data, file, false, false)) << file;
        const float x = p.GetFloat(name + ".x", 0), y = p.GetFloat(name + ".y", 0);
        return SRect{x, y, x + t.GetWidth(), y + t.GetHeight() / 4.0f};
    };
    std::vector<SRect> buttons = {buttonRect("m_main_menu_btn", "dat/maun_menu_btn.tga")};
    for (const NGame::SBonusInfo& bonus : NGame::kBonusTable)
        buttons.push_back(buttonRect(bonus.ButtonName(), bonus.ButtonFile()));
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
            for (const auto& c : NDatagen::BoardCells(g))
                EXPECT_FALSE((SRect{left, b.y0, b.x1, b.y1}.Overlaps(
                    {c.x - h * 0.9f, c.y - h * 0.9f, c.x + h * 0.9f, c.y + h * 0.9f})))
                    << "button " << i << " covers level " << level << " cell " << c.row << "," << c.column;
        }
    }
}

TEST(GeneratedConfig, LevelChoiceBoxesLeaveThePreviewLockNumberAndSliderFree)
{
    REQUIRE_DATA();
    const CPropertyFile p = Props(NPlaces::kLevelChoiceFile);
    // As the screen draws them: the preview, the 320 x 160 lock, "Level" with
    // a number of up to three digits, the slider with its labels.
    const NPlaces::CPlaces places = ReadPlaces(p, NPlaces::kLevelChoiceFile);
    const NPlaces::SPlace& preview = places[NPlaces::EPlace::kPreview];
    const NPlaces::SPlace& lock = places[NPlaces::EPlace::kLock];
    const NPlaces::SPlace& number = places[NPlaces::EPlace::kChosenLevel];
    const float trackX = p.GetFloat("m_level_track_bar.x", 0), trackY = p.GetFloat("m_level_track_bar.y", 0);
    const SRect fixed[] = {
        {preview.m_x, preview.m_y, preview.m_x + 800 * preview.m_size, preview.m_y + 600 * preview.m_size},
        {lock.m_x, lock.m_y, lock.m_x + 320, lock.m_y + 160},
        {number.m_x - 100, number.m_y - 46, number.m_x + 100, number.m_y + 6},
        {trackX, trackY, trackX + ReadLength(p, NPlaces::ELength::kLevelTrack) + 32, trackY + 64}};
    // The number's dark backing holds its glyphs and their outline, up to "100".
    const std::vector<uint8_t> fontFile = ReadData("mui/font.tga");
    CBitmapText font;
    ASSERT_TRUE(font.LoadMetrics(fontFile.data(), fontFile.size(), nullptr));
    using NInterface::CCustomLevelWnd;
    for (const int shown : {1, 47, 100})
    {
        const NInterface::SArea back = CCustomLevelWnd::NumberBacking(font, shown, number);
        for (const CBitmapText::SPlacedGlyph& g :
             font.Layout(std::to_string(shown).c_str(), number.m_size, number.m_x, number.m_y, false))
            EXPECT_TRUE(back.m_x0 <= g.m_x - 1 && g.m_x + g.m_width + 1 <= back.m_x1 &&
                        back.m_y0 <= g.m_y - number.m_size - 1 && g.m_y + 1 <= back.m_y1)
                << shown << " outside its backing";
    }
    // The slider's end labels keep 6 units clear of the thumb wherever it stands.
    using namespace NDatagen;
    for (const float end : {0.0f, kLevelTrackLength})
    {
        const char* label = end > 0 ? "100" : "1";
        const float x = trackX + kThumbW / 2.0f + end, half = TextWidth(label, kLevelLabelSize) / 2;
        const float base = trackY + kLevelLabelDrop;
        const SRect text{x - half, base - Ascent(kLevelLabelSize), x + half, base + Descent(kLevelLabelSize)};
        EXPECT_FALSE(
            text.Overlaps({trackX + end - 6, trackY - 6, trackX + end + kThumbW + 6, trackY + kThumbH + 6}))
            << "the thumb covers " << label;
    }
    std::vector<SRect> boxes;
    for (const std::string name : {"m_cb_classic", "m_cb_advanced", "m_cb_moving"})
    {
        ExpectPlaced(p, name);
        // A box takes clicks beyond its picture, over its caption.
        const float x = p.GetFloat(name + ".x", 0), y = p.GetFloat(name + ".y", 0);
        const float caption = ReadLength(p, NPlaces::ELength::kSetCaption);
        for (const SRect& other : boxes)
            EXPECT_FALSE(other.Overlaps({x, y, x + 32 + caption, y + 32})) << name;
        boxes.push_back({x, y, x + 32 + caption, y + 32});
        for (const SRect& f : fixed)
            EXPECT_FALSE(boxes.back().Overlaps(f)) << name << " over " << f.x0 << "," << f.y0;
    }
}

// The dialogs' buttons lie inside their parchment panels, the continue
// dialog's below its level and score.
TEST(GeneratedConfig, DialogButtonsStayInsideTheirPanels)
{
    REQUIRE_DATA();
    using namespace NDatagen;
    const CPropertyFile saved = Props("mui/continue_dlg.txt");
    for (const SPlace& button : kContinueLayout)
    {
        const float y = saved.GetFloat(std::string(button.name) + ".y", 0);
        EXPECT_LE(y + kButtonH, 512 - kContinueMargin) << button.name << " over the panel's border";
        EXPECT_GT(y, NPlaces::Place(NPlaces::EPlace::kContinueScore).m_y) << button.name << " over the score";
    }
    EXPECT_LE(Props("mui/entername_dlg.txt").GetFloat("m_ok_btn.y", 0) + kButtonH, 256 - kEnterNameMargin);
}

// What the help pages and the manual page tell a player must hold: every
// button they name by its label is one a screen shows, the top-7 table
// keeps no list of the moving set, and the prices are the configuration's.
TEST(GeneratedText, HelpAndManualNameButtonsOnScreenAndTheTop7ListsThereAre)
{
    REQUIRE_DATA();
    const std::vector<uint8_t> helpBytes = ReadData("mui/help.xml");
    const std::string help(helpBytes.begin(), helpBytes.end());
    std::ifstream manualFile(std::string(CHROMAL_SOURCE_DIR) + "/man/chromal.6");
    const std::string manual((std::istreambuf_iterator<char>(manualFile)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(manual.empty());
    // The labels of the buttons a player can see (the main menu's hidden ones
    // left out), and the texts' names of buttons, capitalised.
    using NTexts::EText;
    std::set<std::string> shown;
    for (const EText label : {EText::kPlay, EText::kHelp, EText::kTop7, EText::kOptions, EText::kQuit,
                              EText::kContinue, EText::kCancel, EText::kStart, EText::kBack, EText::kNext,
                              EText::kPrev, EText::kOk, EText::kMenu, EText::kStats})
        shown.insert(NTexts::Text(label));
    const std::regex named("([A-Z][a-z]*(?: 7)?) button");
    int count = 0;
    for (const std::string* text : {&help, &manual})
        for (std::sregex_iterator m(text->begin(), text->end(), named), end; m != end; ++m, ++count)
            EXPECT_EQ(shown.count((*m)[1]), 1u) << "\"" << (*m)[0] << "\" is on no screen";
    EXPECT_GE(count, 3); // the Play button in both, the Menu button in the help
    EXPECT_EQ(help.find("of each level set"), std::string::npos) << "the moving set has no top-7 list";
    // A bonus's line names its price by the key that the configuration holds.
    const CPropertyFile config = Props("dat/game.txt");
    for (const NGame::SBonusInfo& bonus : NGame::kBonusTable)
    {
        EXPECT_NE(help.find(bonus.HelpLine()), std::string::npos) << bonus.HelpLine();
        EXPECT_EQ(config.GetInt(bonus.PriceKey(), -1), bonus.m_default_price);
    }
}

// The game draws its own texts with the bitmap font the generator made from
// the same catalogue: a character the font lacks would leave a gap.
TEST(GeneratedText, TheGamesFontHoldsEveryCharacterOfTheTextsItDraws)
{
    REQUIRE_DATA();
    const std::vector<uint8_t> fontFile = ReadData("mui/font.tga");
    CBitmapText font;
    ASSERT_TRUE(font.LoadMetrics(fontFile.data(), fontFile.size(), nullptr));
    for (int id = 0; id <= static_cast<int>(NTexts::kLastDrawn); ++id)
    {
        const std::string text = NTexts::Text(static_cast<NTexts::EText>(id));
        EXPECT_FALSE(text.empty()) << id;
        EXPECT_EQ(font.Layout(text.c_str(), 20, 0, 0, false).size(),
                  text.size() - static_cast<std::size_t>(std::count(text.begin(), text.end(), ' ')))
            << text;
    }
}

TEST(GeneratedMasks, EveryLevelKeepsHomesPlayableAndItsAreasReachable)
{
    REQUIRE_DATA();
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
    REQUIRE_DATA();
    const int count = Props("dat/game.txt").GetInt("m_levels_moving", 0);
    ASSERT_GE(count, 20); // the refill reads index level % 20 from the moving folder
    for (int level = 0; level < 100; ++level)
    {
        char name[64];
        std::snprintf(name, sizeof name, "dat/levels_moving/lev%03d.raw", level % count);
        const std::vector<uint8_t> built = ReadData(name);
        ASSERT_EQ(built.size(), 480000u) << name;
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
