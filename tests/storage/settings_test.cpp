// Settings: defaults, bounds on what is read back, what a save writes, and
// where the per-user folder is.
#include "TempFolder.h"
#include "storage/Cipher.h"
#include "storage/PropertyFile.h"
#include "storage/Settings.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
std::string SavedText(const std::string& path)
{
    CPropertyFile file;
    file.LoadFile(path, true, "vum", 3);
    return file.ToText();
}

// Everything a save of `s` holds but the window, as text.
std::string SavedSettings(const CSettings& s, const std::string& path)
{
    EXPECT_TRUE(s.Save(path, {true, s.m_full_screen, 0, 0, s.m_sound_invert}));
    return SavedText(path);
}
} // namespace

TEST(Settings, MissingFileGivesTheDefaultWindowAndAbsentKeysTheirDefaults)
{
    CTempFolder folder;
    for (const std::string& path : {folder / "dx_demo.cfg", folder.Write("junk.cfg", "never enciphered")})
    {
        CSettings s;
        s.m_window_width = 1000;
        s.m_window_size_stored = true;
        s.Load(path);
        EXPECT_EQ(s.m_window_width, 800);
        EXPECT_EQ(s.m_window_height, 600);
        EXPECT_FALSE(s.m_window_size_stored); // the first start sizes the window to the screen
    }
    // A file with a window and nothing else: every other key reads as a
    // fresh start has it, the window's place as the top left corner.
    CSettings s;
    s.m_window_x = s.m_window_y = 5;
    s.m_sound = s.m_hints = s.m_show_dragons = s.m_show_zones = s.m_full_screen = false;
    s.Load(
        folder.Write("dx_demo.cfg", CCipher().Encipher("m_window_width 900 m_window_height 700", "vum", 3)));
    EXPECT_TRUE(s.m_window_size_stored);
    EXPECT_EQ(s.m_window_x, 0);
    EXPECT_EQ(s.m_window_y, 0);
    EXPECT_EQ(SavedSettings(s, folder / "loaded.cfg"), SavedSettings(CSettings(), folder / "fresh.cfg"));
}

TEST(Settings, ValuesReadBackWithTheirBounds)
{
    CTempFolder folder;
    CSettings s;
    s.Load(folder.Write("dx_demo.cfg", CCipher().Encipher("m_window_width 99 m_window_height 100 x -20 "
                                                          "m_sound 2 m_hints 1 m_sound_invert 5 "
                                                          "m_is_full_screen_loaded 0 m_music_volume 164 "
                                                          "m_adv_level 12 m_classic_level x "
                                                          "m_moving_level 7 m_opponent 0 m_show_zones x",
                                                          "vum", 3)));
    EXPECT_EQ(s.m_window_width, 800);
    EXPECT_EQ(s.m_window_height, 100);
    EXPECT_FALSE(s.m_window_size_stored); // half a size is none
    EXPECT_EQ(s.m_window_x, -20);
    EXPECT_FALSE(s.m_sound); // only 1 means on
    EXPECT_TRUE(s.m_hints);
    EXPECT_TRUE(s.m_sound_invert);
    EXPECT_FALSE(s.m_full_screen);
    EXPECT_TRUE(s.m_show_zones);      // no number: the default
    EXPECT_EQ(s.m_music_volume, 100); // the loudest there is
    EXPECT_EQ(s.m_level_records[NLevelSets::kAdvanced], 12);
    EXPECT_EQ(s.m_level_records[NLevelSets::kClassic], 3);
    EXPECT_EQ(s.m_level_records[NLevelSets::kMoving], 7);
    EXPECT_EQ(s.m_opponent, NOpponents::kGentle);
    s.Load(folder.Write("dx_demo.cfg",
                        CCipher().Encipher("m_moving_level %n m_music_volume -3 m_opponent 3", "vum", 3)));
    EXPECT_EQ(s.m_level_records[NLevelSets::kMoving], 1);
    EXPECT_EQ(s.m_music_volume, 0);
    EXPECT_EQ(s.m_opponent, NOpponents::kLevel); // no such opponent
}

TEST(Settings, WindowSizeNoDisplayCanOpenReadsAsTheDefault)
{
    CTempFolder folder;
    CSettings s;
    s.Load(folder.Write("dx_demo.cfg",
                        CCipher().Encipher("m_window_width 2147483647 m_window_height 16385", "vum", 3)));
    EXPECT_EQ(s.m_window_width, 800);
    EXPECT_EQ(s.m_window_height, 600);
    s.Load(folder.Write("dx_demo.cfg",
                        CCipher().Encipher("m_window_width 16384 m_window_height 1200", "vum", 3)));
    EXPECT_EQ(s.m_window_width, 16384);
    EXPECT_EQ(s.m_window_height, 1200);
    EXPECT_TRUE(s.m_window_size_stored);
}

TEST(Settings, SaveRecordsTheWindowOnlyWhenNotMinimised)
{
    CTempFolder folder;
    const std::string path = folder / "dx_demo.cfg";
    CSettings s;
    s.m_window_width = 1024;
    s.m_window_height = 768;
    // Every value away from its default, so that each key shows what it saves.
    s.m_sound = s.m_hints = s.m_show_dragons = s.m_show_zones = false;
    s.m_music_volume = 7;
    s.m_opponent = NOpponents::kFierce;
    s.m_level_records[NLevelSets::kAdvanced] = 12;
    s.m_level_records[NLevelSets::kClassic] = 45;
    s.m_level_records[NLevelSets::kMoving] = 9;
    CWindowState window;
    window.m_left = 30;
    window.m_top = 40;
    window.m_invert_stereo = true;
    ASSERT_TRUE(s.Save(path, window));
    EXPECT_EQ(SavedText(path), "m_adv_level 12\nm_classic_level 45\nm_hints 0\nm_is_full_screen_loaded 0\n"
                               "m_moving_level 9\nm_music_volume 7\nm_opponent 2\nm_show_dragons "
                               "0\nm_show_zones 0\nm_sound 0\nm_sound_invert 1\n"
                               "m_window_height 768\nm_window_width 1024\nx 30\ny 40\n");

    window = {true, true, 30, 40, false};
    ASSERT_TRUE(s.Save(path, window));
    CSettings back;
    back.Load(path);
    EXPECT_EQ(back.m_window_width, 800);
    EXPECT_EQ(back.m_window_x, 0);
    EXPECT_TRUE(back.m_full_screen);
    EXPECT_FALSE(back.m_sound_invert);
    const CTempFolder scratch;
    EXPECT_EQ(SavedSettings(back, scratch / "back.cfg"), SavedSettings(s, scratch / "again.cfg"));
    EXPECT_EQ(SavedText(path).find("m_window"), std::string::npos);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"dx_demo.cfg"});
}

TEST(UserFolder, OverrideOrXdgDataHomeIsCreated)
{
    CTempFolder folder;
    EXPECT_EQ(PrepareUserFolder(folder / "a/b"), folder / "a/b/");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "a/b"));

    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_DATA_HOME", folder.Path().c_str(), 1);
    const std::string made = PrepareUserFolder("");
    old ? ::setenv("XDG_DATA_HOME", saved.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(made, folder / "Wendrake/Chromal/");
    EXPECT_TRUE(std::filesystem::is_directory(made));
}
