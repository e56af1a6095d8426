// The user's preferences and progress, kept enciphered in "dx_demo.cfg" in the
// per-user folder.
#pragma once

#include "catalogue/LevelSets.h"
#include "catalogue/Opponents.h"

#include <array>
#include <cstddef>
#include <string>

// What the settings file records about the window at exit.
struct CWindowState
{
    bool m_minimised = false;
    bool m_full_screen = false;
    int m_left = 0;
    int m_top = 0;
    bool m_invert_stereo = false;
};

class CSettings
{
  public:
    static constexpr int kLogicalWidth = 800;
    static constexpr int kLogicalHeight = 600;
    static constexpr const char* kFileName = "dx_demo.cfg";
    // The music volume runs from 0 (silent) to this; the options slider
    // covers the whole range.
    static constexpr int kMusicVolumeMax = 100;

    // The windowed size, real pixels; the picture is scaled to fit it.
    int m_window_width = 0;
    int m_window_height = 0;
    // Whether the file held a usable size; without one the first window is
    // sized to the screen (CApplication::FirstWindowSize).
    bool m_window_size_stored = false;
    int m_window_x = 0;
    int m_window_y = 0;
    bool m_full_screen = true;
    int m_close_key = 27;
    int m_hide_key = 13;
    bool m_sound = true;
    bool m_hints = true;
    bool m_show_dragons = true;
    // The outline along each side's zone on the board.
    bool m_show_zones = true;
    bool m_sound_invert = false;
    int m_music_volume = 40;
    // The opponent new games are started with (NOpponents).
    int m_opponent = NOpponents::kLevel;
    // The highest level reached in each set, by its game type.
    std::array<int, NLevelSets::kCount> m_level_records = RecordDefaults();
    // Ends with '/'; every per-user file name is appended to it.
    std::string m_user_folder;

    // Reads the file at `path`; a missing or unreadable file leaves the
    // constructor values (apart from the 800 by 600 window size).
    void Load(const std::string& path);
    // Writes the file atomically; false when it could not be written.
    bool Save(const std::string& path, const CWindowState& window) const;

    std::string SettingsPath() const { return m_user_folder + kFileName; }

    // The record of a level set, by the game type that plays it; a type
    // that is no set's keeps the classic record, whose boards it plays.
    int& LevelRecord(int gameType) { return m_level_records[RecordIndex(gameType)]; }
    int LevelRecord(int gameType) const { return m_level_records[RecordIndex(gameType)]; }

  private:
    static std::array<int, NLevelSets::kCount> RecordDefaults()
    {
        std::array<int, NLevelSets::kCount> records{};
        for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
            records[set.m_id] = set.m_record_default;
        return records;
    }
    static std::size_t RecordIndex(int gameType)
    {
        const NLevelSets::SLevelSet* set = NLevelSets::FindSet(gameType);
        return set ? set->m_id : NLevelSets::kClassic;
    }
};

// The one settings object of the process.
CSettings& Settings();

// The per-user folder: $XDG_DATA_HOME (default ~/.local/share) + "/Wendrake/Chromal/",
// created when missing. An override (from --user-dir) is used as given, with a
// trailing '/' added; it is created too.
std::string PrepareUserFolder(const std::string& override_folder);
