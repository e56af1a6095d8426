// Loading and saving the user's settings, and finding the per-user folder.
#include "storage/Settings.h"

#include "storage/Cipher.h"
#include "storage/PropertyFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace
{
constexpr int kKeyLength = 3;
// No display makes a window this large; a damaged file holding a larger size
// would otherwise keep the game from ever opening its window.
constexpr int kMaxWindowSide = 16384;

// "%d" with a default: a value that is no number counts as the default.
int ReadInt(const CPropertyFile& file, const char* key, int def)
{
    return file.GetInt(key, def);
}

void MakeFolder(const std::string& path)
{
    // An existing folder is fine; a failure shows up later as failed writes.
    ::mkdir(path.c_str(), 0700);
}
} // namespace

CSettings& Settings()
{
    static CSettings settings;
    return settings;
}

void CSettings::Load(const std::string& path)
{
    m_window_width = kLogicalWidth;
    m_window_height = kLogicalHeight;
    m_window_size_stored = false;

    CPropertyFile file;
    if (!file.LoadFile(path, true, CCipher::kSettingsKey, kKeyLength))
        return;

    m_window_width = ReadInt(file, "m_window_width", 0);
    m_window_height = ReadInt(file, "m_window_height", 0);
    m_window_x = ReadInt(file, "x", 0);
    m_window_y = ReadInt(file, "y", 0);
    m_window_size_stored = true;
    if (m_window_width < 100 || m_window_width > kMaxWindowSide)
    {
        m_window_width = kLogicalWidth;
        m_window_size_stored = false;
    }
    if (m_window_height < 100 || m_window_height > kMaxWindowSide)
    {
        m_window_height = kLogicalHeight;
        m_window_size_stored = false;
    }

    m_sound = ReadInt(file, "m_sound", 1) == 1;
    m_hints = ReadInt(file, "m_hints", 1) == 1;
    m_show_dragons = file.GetBool("m_show_dragons", true);
    m_show_zones = file.GetBool("m_show_zones", true);
    m_sound_invert = file.GetBool("m_sound_invert", false);
    m_full_screen = ReadInt(file, "m_is_full_screen_loaded", 1) != 0;
    // Out of range, the slider could show no such volume.
    m_music_volume = std::clamp(ReadInt(file, "m_music_volume", 40), 0, kMusicVolumeMax);
    m_opponent = NOpponents::FromStored(ReadInt(file, "m_opponent", NOpponents::kLevel));
    for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
        LevelRecord(set.m_id) = ReadInt(file, set.m_record_key, set.m_record_default);
}

bool CSettings::Save(const std::string& path, const CWindowState& window) const
{
    CPropertyFile file;
    if (!window.m_minimised)
    {
        file.SetInt("m_window_width", m_window_width);
        file.SetInt("m_window_height", m_window_height);
        file.SetInt("x", window.m_left);
        file.SetInt("y", window.m_top);
    }
    file.SetInt("m_sound", m_sound ? 1 : 0);
    file.SetInt("m_hints", m_hints ? 1 : 0);
    file.SetInt("m_sound_invert", window.m_invert_stereo ? 1 : 0);
    file.SetInt("m_is_full_screen_loaded", window.m_full_screen ? 1 : 0);
    file.SetInt("m_music_volume", m_music_volume);
    file.SetInt("m_show_dragons", m_show_dragons ? 1 : 0);
    file.SetInt("m_show_zones", m_show_zones ? 1 : 0);
    file.SetInt("m_opponent", m_opponent);
    for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
        file.SetInt(set.m_record_key, LevelRecord(set.m_id));
    return file.Save(path, CCipher::kSettingsKey, kKeyLength);
}

std::string PrepareUserFolder(const std::string& override_folder)
{
    std::string folder;
    if (!override_folder.empty())
    {
        folder = override_folder;
        if (folder.back() != '/')
            folder += '/';
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        return folder;
    }

    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        folder = dataHome;
    else
    {
        const char* home = std::getenv("HOME");
        folder = std::string(home && home[0] ? home : ".") + "/.local";
        MakeFolder(folder);
        folder += "/share";
    }
    MakeFolder(folder);
    folder += "/Wendrake";
    MakeFolder(folder);
    folder += "/Chromal/";
    MakeFolder(folder);
    return folder;
}
