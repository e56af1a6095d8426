// The settings file from arbitrary bytes through the real reader (it takes
// only a path, so the bytes live in a memory file): the window size read is
// usable, and what was read is saved and read back unchanged.
#include "MemoryFile.h"
#include "storage/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
bool Same(const CSettings& a, const CSettings& b)
{
    return a.m_window_width == b.m_window_width && a.m_window_height == b.m_window_height &&
           a.m_window_x == b.m_window_x && a.m_window_y == b.m_window_y && a.m_sound == b.m_sound &&
           a.m_hints == b.m_hints && a.m_show_dragons == b.m_show_dragons &&
           a.m_full_screen == b.m_full_screen && a.m_music_volume == b.m_music_volume &&
           a.m_level_records == b.m_level_records;
}

const std::string& SavePath()
{
    static const std::string path = []
    {
        // Each save syncs the file; in memory that costs nothing.
        char shm[] = "/dev/shm/chromal-settings-fuzz-XXXXXX";
        char tmp[] = "/tmp/chromal-settings-fuzz-XXXXXX";
        const char* folder = ::mkdtemp(shm);
        if (!folder)
            folder = ::mkdtemp(tmp);
        return std::string(folder) + "/dx_demo.cfg";
    }();
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file = FuzzInputAsFile("settings_fuzz", data, size);
    CSettings settings;
    settings.Load(file);
    if (settings.m_window_width < 100 || settings.m_window_height < 100 || settings.m_window_width > 16384 ||
        settings.m_window_height > 16384)
        std::abort();

    CWindowState window;
    window.m_full_screen = settings.m_full_screen;
    window.m_left = settings.m_window_x;
    window.m_top = settings.m_window_y;
    window.m_invert_stereo = settings.m_sound_invert;
    if (!settings.Save(SavePath(), window))
        std::abort();
    CSettings again;
    again.Load(SavePath());
    if (!Same(settings, again))
        std::abort();
    return 0;
}
