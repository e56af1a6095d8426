// Settings: defaults, bounds on what is read back, what a save writes, and
// where the per-user folder is.
#include "storage/Cipher.h"
#include "storage/PropertyFile.h"
#include "storage/Settings.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace
{
std::string Enciphered(const std::string& text) { return CCipher().Encipher(text, "vum", 3); }

CPropertyFile ReadSettingsFile(const std::string& path)
{
    CPropertyFile file;
    file.LoadFile(path, true, "vum", 3);
    return file;
}

void ExpectDefaultsApartFromWindow(const CSettings& s)
{
    EXPECT_TRUE(s.m_full_screen);
    EXPECT_TRUE(s.m_sound);
    EXPECT_TRUE(s.m_hints);
    EXPECT_TRUE(s.m_show_dragons);
    EXPECT_FALSE(s.m_sound_invert);
    EXPECT_EQ(s.m_music_volume, 40);
    EXPECT_EQ(s.m_classic_level, 3);
    EXPECT_EQ(s.m_adv_level, 3);
    EXPECT_EQ(s.m_close_key, 27);
    EXPECT_EQ(s.m_hide_key, 13);
}

// Restores an environment variable when the test ends.
class CEnvironment
{
public:
    CEnvironment(const char* name, const std::string& value) : m_name(name)
    {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        if (old)
            m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~CEnvironment()
    {
        if (m_had)
            ::setenv(m_name, m_old.c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had = false;
    std::string m_old;
};
} // namespace

TEST(Settings, NoFileGivesDefaultsAndTheLogicalWindowSize)
{
    CTempFolder folder;
    CSettings s;
    s.Load(folder / "dx_demo.cfg");
    EXPECT_EQ(s.m_window_width, 800);
    EXPECT_EQ(s.m_window_height, 600);
    EXPECT_EQ(s.m_window_x, 0);
    EXPECT_EQ(s.m_window_y, 0);
    ExpectDefaultsApartFromWindow(s);
}

TEST(Settings, NonsenseFileGivesDefaults)
{
    CTempFolder folder;
    CSettings s;
    s.Load(folder.Write("dx_demo.cfg", "this was never enciphered"));
    EXPECT_EQ(s.m_window_width, 800);
    EXPECT_EQ(s.m_window_height, 600);
    ExpectDefaultsApartFromWindow(s);
}

TEST(Settings, ValuesReadBackWithTheirBounds)
{
    CTempFolder folder;
    CSettings s;
    s.Load(folder.Write("dx_demo.cfg", Enciphered("m_window_width 99 m_window_height 100 x -20 y 7 "
                                                  "m_sound 2 m_hints 1 m_show_dragons 0 m_sound_invert 5 "
                                                  "m_is_full_screen_loaded 0 m_music_volume 64 "
                                                  "m_adv_level 12 m_classic_level x")));
    EXPECT_EQ(s.m_window_width, 800);
    EXPECT_EQ(s.m_window_height, 100);
    EXPECT_EQ(s.m_window_x, -20);
    EXPECT_EQ(s.m_window_y, 7);
    EXPECT_FALSE(s.m_sound); // only 1 means on
    EXPECT_TRUE(s.m_hints);
    EXPECT_FALSE(s.m_show_dragons);
    EXPECT_TRUE(s.m_sound_invert);
    EXPECT_FALSE(s.m_full_screen);
    EXPECT_EQ(s.m_music_volume, 64);
    EXPECT_EQ(s.m_adv_level, 12);
    EXPECT_EQ(s.m_classic_level, 3);
}

TEST(Settings, SaveWritesEveryKeyAndLoadsBack)
{
    CTempFolder folder;
    const std::string path = folder / "dx_demo.cfg";
    CSettings s;
    s.m_window_width = 1024;
    s.m_window_height = 768;
    s.m_sound = false;
    s.m_hints = false;
    s.m_show_dragons = false;
    s.m_music_volume = 12;
    s.m_classic_level = 45;
    s.m_adv_level = 86;
    CWindowState window;
    window.m_left = 30;
    window.m_top = 40;
    window.m_invert_stereo = true;
    ASSERT_TRUE(s.Save(path, window));

    const CPropertyFile file = ReadSettingsFile(path);
    EXPECT_EQ(file.ToText(), "m_adv_level 86\nm_classic_level 45\nm_hints 0\nm_is_full_screen_loaded 0\n"
                             "m_music_volume 12\nm_show_dragons 0\nm_sound 0\nm_sound_invert 1\n"
                             "m_window_height 768\nm_window_width 1024\nx 30\ny 40\n");

    CSettings back;
    back.Load(path);
    EXPECT_EQ(back.m_window_width, 1024);
    EXPECT_EQ(back.m_window_height, 768);
    EXPECT_EQ(back.m_window_x, 30);
    EXPECT_EQ(back.m_window_y, 40);
    EXPECT_FALSE(back.m_sound);
    EXPECT_FALSE(back.m_hints);
    EXPECT_FALSE(back.m_show_dragons);
    EXPECT_TRUE(back.m_sound_invert);
    EXPECT_FALSE(back.m_full_screen);
    EXPECT_EQ(back.m_music_volume, 12);
    EXPECT_EQ(back.m_classic_level, 45);
    EXPECT_EQ(back.m_adv_level, 86);
}

TEST(Settings, SaveWhileMinimisedLeavesOutTheWindowKeys)
{
    CTempFolder folder;
    const std::string path = folder / "dx_demo.cfg";
    CSettings s;
    s.m_window_width = 1024;
    s.m_window_height = 768;
    CWindowState window;
    window.m_minimised = true;
    window.m_full_screen = true;
    window.m_left = 5;
    ASSERT_TRUE(s.Save(path, window));

    const CPropertyFile file = ReadSettingsFile(path);
    for (const char* key : {"m_window_width", "m_window_height", "x", "y"})
        EXPECT_FALSE(file.Has(key)) << key;
    EXPECT_EQ(file.GetString("m_is_full_screen_loaded", ""), "1");

    CSettings back;
    back.Load(path);
    EXPECT_EQ(back.m_window_width, 800);
    EXPECT_EQ(back.m_window_height, 600);
    EXPECT_EQ(back.m_window_x, 0);
    EXPECT_TRUE(back.m_full_screen);
}

TEST(Settings, FailedSaveKeepsThePreviousFile)
{
    CTempFolder folder;
    CSettings s;
    s.m_music_volume = 7;
    EXPECT_FALSE(s.Save(folder / "missing/dx_demo.cfg", CWindowState()));
    const std::string path = folder / "dx_demo.cfg";
    ASSERT_TRUE(s.Save(path, CWindowState()));
    const std::string before = ReadBack(path);
    // A folder standing where the temporary file's rename must land.
    std::filesystem::create_directory(folder / "blocked");
    EXPECT_FALSE(s.Save(folder / "blocked", CWindowState()));
    EXPECT_EQ(ReadBack(path), before);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"blocked", "dx_demo.cfg"}));
}

TEST(UserFolder, OverrideIsCreatedAndEndsWithSlash)
{
    CTempFolder folder;
    const std::string made = PrepareUserFolder(folder / "a/b");
    EXPECT_EQ(made, folder / "a/b/");
    EXPECT_TRUE(std::filesystem::is_directory(made));
    EXPECT_EQ(PrepareUserFolder(folder.Path() + "/"), folder.Path() + "/");
}

TEST(UserFolder, FollowsXdgDataHomeThenHome)
{
    CTempFolder folder;
    {
        CEnvironment xdg("XDG_DATA_HOME", folder / "xdg");
        std::filesystem::create_directory(folder / "xdg");
        EXPECT_EQ(PrepareUserFolder(""), folder / "xdg/Wendrake/Chromal/");
        EXPECT_TRUE(std::filesystem::is_directory(folder / "xdg/Wendrake/Chromal"));
    }
    {
        CEnvironment relative("XDG_DATA_HOME", "relative/ignored");
        CEnvironment home("HOME", folder / "home");
        std::filesystem::create_directory(folder / "home");
        EXPECT_EQ(PrepareUserFolder(""), folder / "home/.local/share/Wendrake/Chromal/");
        EXPECT_TRUE(std::filesystem::is_directory(folder / "home/.local/share/Wendrake/Chromal"));
    }
}
