// Start-up and shutdown: each step starts or stops one subsystem, in the order
// they depend on each other.
#include "app/Startup.h"

#include "app/CommandLine.h"
#include "app/Replay.h"
#include "app/TestScreen.h"
#include "catalogue/Texts.h"
#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "framework/Screen.h"
#include "media/ApplySettings.h"
#include "media/Audio.h"
#include "media/Music.h"
#include "media/ResourceGroup.h"
#include "media/TgaDecoder.h"
#include "platform/Gl.h"
#include "platform/PngFile.h"
#include "platform/SdlPlatform.h"
#include "play/GameResources.h"
#include "play/SavedGame.h"
#include "play/TopTable.h"
#include "screens/Intro.h"
#include "screens/MainMenu.h"
#include "storage/AtomicFile.h"
#include "storage/FileSystem.h"
#include "storage/Log.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

namespace
{
// With CHROMAL_STARTUP_CLOCK=1 the moments the intro and the first main-menu
// frame reach the screen are printed as wall-clock time, so that a script
// that noted when it launched the program can tell how long start-up took.
bool StartupClockWanted()
{
    const char* value = std::getenv("CHROMAL_STARTUP_CLOCK");
    return value && std::strcmp(value, "1") == 0;
}

void PrintStartupClock(const char* what)
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    std::fprintf(stderr, "chromal: startup-clock %s %lld%09ld\n", what, static_cast<long long>(now.tv_sec),
                 now.tv_nsec);
}

// The window's icon comes from the data like every other picture; without
// it the window keeps the desktop's default.
void SetWindowIcon(IPlatform& platform, const CFileSystem& files)
{
    const CDataBuffer bytes = files.ReadFile("mui/icon.tga");
    CImage image;
    if (!DecodeTga(bytes.Data(), bytes.Size(), image) || image.m_components != 4)
        return;
    // Stored bottom row first, as textures take them; the desktop wants the top first.
    const std::size_t row = static_cast<std::size_t>(image.m_width) * 4;
    std::vector<unsigned char> rgba(image.m_pixels.size());
    for (std::uint32_t y = 0; y < image.m_height; ++y)
        std::copy_n(image.m_pixels.data() + (image.m_height - 1 - y) * row, row, rgba.data() + y * row);
    platform.SetWindowIcon(static_cast<int>(image.m_width), static_cast<int>(image.m_height), rgba.data());
}

// The last drawn frame, kept only when a screenshot is asked for: the whole
// drawable as it reaches the screen, so an 800 by 600 window gives the
// picture at 1x and a scaled window or full screen gives its real pixels,
// bars included.
struct CFrameCapture
{
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_rgba;

    void Take(const IPlatform& platform)
    {
        platform.GetDrawableSize(m_width, m_height);
        if (m_width <= 0 || m_height <= 0)
            return;
        m_rgba.resize(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * 4);
        if (!NGl::ReadPixels(0, 0, m_width, m_height, m_rgba.data()))
            m_rgba.clear();
    }

    bool Write(const std::string& path) const
    {
        if (m_rgba.empty() || !WritePng(path, m_width, m_height, m_rgba))
        {
            std::fprintf(stderr, "chromal: could not write the screenshot %s\n", path.c_str());
            return false;
        }
        return true;
    }
};
// Window placement: the settings' place and size, or on a first start as
// large as the screen comfortably holds, centred; never over the screen's edges.
void PlaceWindow(IPlatform& platform, CSettings& settings)
{
    int screenWidth = 0;
    int screenHeight = 0;
    platform.GetScreenSize(screenWidth, screenHeight);
    if (!settings.m_window_size_stored)
    {
        CApplication::FirstWindowSize(screenWidth, screenHeight, CSettings::kLogicalWidth,
                                      CSettings::kLogicalHeight, settings.m_window_width,
                                      settings.m_window_height);
        settings.m_window_x = (screenWidth - settings.m_window_width) / 2;
        settings.m_window_y = (screenHeight - settings.m_window_height) / 2;
    }
    // A size kept from a larger screen would hang over this one's edges.
    if (screenWidth >= 100 && screenHeight >= 100)
    {
        settings.m_window_width = std::min(settings.m_window_width, screenWidth);
        settings.m_window_height = std::min(settings.m_window_height, screenHeight);
    }
    CApplication::KeepOnScreen(screenWidth, screenHeight, settings.m_window_width, settings.m_window_height,
                               settings.m_window_x, settings.m_window_y);
}

// The window with its GL context and icon, then full screen if asked for;
// false when the window cannot be made.
bool OpenWindow(CApplication& app, IPlatform& platform, const CSettings& settings, const CFileSystem& files)
{
    SetWindowIcon(platform, files);
    if (!app.CreateMainWindow(NTexts::Text(NTexts::EText::kGameName), settings.m_window_x,
                              settings.m_window_y, settings.m_window_width, settings.m_window_height))
        return false;
    if (settings.m_full_screen)
        app.SetFullScreen(CSettings::kLogicalWidth, CSettings::kLogicalHeight);
    // The pictures load once, in the set the window's size calls for.
    app.FollowDetail();
    return true;
}

// The intro stands while the rest loads.
void ShowIntro(CApplication& app, IPlatform& platform)
{
    auto intro = std::make_unique<NInterface::CIntro>();
    app.PushScreen(intro.get());
    app.DrawScreens();
    NGl::Flush();
    platform.SwapBuffers();
    if (StartupClockWanted())
        PrintStartupClock("intro");
    // Nothing is drawn until the menu replaces it: its 4 MB picture need
    // not stand beside everything that loads now.
    app.RemoveScreen(intro.get());
}

// The bottom screen: the main menu, or the plain stand-in screen for the
// window checks that probe it.
struct SBottomScreen
{
    std::unique_ptr<NInterface::CMainMenu> m_main_menu;
    std::unique_ptr<CScreen> m_test_screen;

    CScreen* Get() const { return m_main_menu ? m_main_menu.get() : m_test_screen.get(); }
};

void OpenBottomScreen(CApplication& app, IPlatform& platform, const CCommandLine& options,
                      SBottomScreen& bottom)
{
    if (options.m_test_screen)
        bottom.m_test_screen = std::make_unique<CTestScreen>();
    else
        bottom.m_main_menu = std::make_unique<NInterface::CMainMenu>();
    app.PushScreen(bottom.Get());
    if (bottom.m_main_menu)
    {
        bottom.m_main_menu->StartHook();
        // A game asked for on the command line stands over the menu, which owns it.
        if (options.m_play_type >= 0)
            bottom.m_main_menu->StartGame(options.m_play_type, options.m_play_level - 1);
    }
    // The cursor decoration replaces the system cursor; the stand-in screen
    // keeps the system's (its checks probe the pixels under the pointer).
    if (NInterface::CreateCursor() && bottom.m_main_menu)
        platform.ShowCursor(false);
}

// The frame loop, with the hooks of scripted runs. Returns false when the
// screenshot asked for could not be written.
bool RunFrames(CApplication& app, CSdlPlatform& platform, const CCommandLine& options, CReplay& replay)
{
    CFrameCapture capture;
    const bool capturing = !options.m_screenshot.empty();
    std::string shotPath;
    app.SetPacing(options.m_pacing);
    app.SetFrameHooks(
        [&](std::uint32_t frame)
        {
            for (const CReplayEvent& event : replay.TakeFrame(frame))
            {
                if (event.m_kind == CReplayEvent::kInput)
                    platform.PushEvent(event.m_input);
                else if (event.m_kind == CReplayEvent::kQuit)
                    platform.PostQuit();
                else
                    shotPath = event.m_path;
            }
        },
        [&](std::uint32_t)
        {
            if (capturing || !shotPath.empty())
                capture.Take(platform);
            if (!shotPath.empty())
            {
                capture.Write(shotPath);
                shotPath.clear();
            }
        },
        [&, startupClock = StartupClockWanted()](std::uint32_t frame)
        {
            // Right after the first swap when run without pacing.
            if (frame == 0 && startupClock)
                PrintStartupClock("menu");
            if (options.m_frames >= 0 && static_cast<long>(frame) + 1 >= options.m_frames)
                platform.PostQuit();
        });
    if (options.m_frames == 0)
        platform.PostQuit();
    app.RunLoop(true, &NAudio::TheMusic());
    app.SetFrameHooks(nullptr, nullptr, nullptr);
    return !capturing || capture.Write(options.m_screenshot);
}

// The window as the settings keep it. --windowed and --fullscreen hold for one
// run: unless the player switched since (even there and back again), the file
// keeps the full-screen setting it had.
void SaveSettings(const CApplication& app, CSettings& settings, bool keepFullScreen, bool fullScreenSetting)
{
    CWindowState window;
    window.m_minimised = app.IsMinimised();
    window.m_full_screen = keepFullScreen ? fullScreenSetting : app.IsFullScreen();
    // The window as it was, or in full screen as it comes back: the next
    // start opens it there, at that size.
    const CRect rect = app.GetWindowedRect();
    window.m_left = rect.m_left;
    window.m_top = rect.m_top;
    if (!window.m_minimised && rect.m_width > 0 && rect.m_height > 0)
    {
        settings.m_window_width = rect.m_width;
        settings.m_window_height = rect.m_height;
    }
    const CAudio* audio = CAudio::Get();
    window.m_invert_stereo = audio ? audio->GetInvertStereo() : settings.m_sound_invert;
    settings.Save(settings.SettingsPath(), window);
}
// The per-user folder, the log in it, and no temporary file left from a run
// that died while saving.
void OpenUserFolder(CSettings& settings, const std::string& overrideFolder)
{
    settings.m_user_folder = PrepareUserFolder(overrideFolder);
    LogOpen(settings.m_user_folder + "game.log");
    for (const char* name :
         {CSettings::kFileName, NSavedGame::kFileName, CTopTable::kFileName, CStatistics::kFileName})
        RemoveLeftoverTemporaries(settings.m_user_folder + name);
}

// Shutdown 3-9: the window hides, the system cursor comes back, then every
// service goes in the reverse order of its start.
void ShutDown(CApplication& app, IPlatform& platform)
{
    app.ShowWindow(false);
    NInterface::DestroyCursor();
    platform.ShowCursor(true);
    DeleteGroup("main");
    ReleaseGameResources();
    CFileSystem::Destroy();
    app.Shutdown();
    CApplication::Destroy();
    LogClose();
}
} // namespace

int RunProgram(const CCommandLine& options)
{
    std::srand(options.m_has_seed ? options.m_seed : static_cast<unsigned>(std::time(nullptr)));
    CReplay replay;
    std::string error;
    if (!options.m_replay.empty() && !replay.Load(options.m_replay, error))
    {
        std::fprintf(stderr, "chromal: --replay: %s\n", error.c_str());
        return 2;
    }

    // 1-2. The per-user folder and the log in it.
    CSettings& settings = Settings();
    OpenUserFolder(settings, options.m_user_dir);

    // 3-4. File access and the menus' resource group.
    CFileSystem* files = CFileSystem::Create();
    CreateGroup("main", *files);

    // 5-7. The application object (SDL's clock has millisecond resolution already).
    CSdlPlatform platform;
    if (!platform.Init(error))
    {
        std::fprintf(stderr, "chromal: cannot open the display: %s\n", error.c_str());
        DeleteGroup("main");
        CFileSystem::Destroy();
        return 1;
    }
    CApplication& app = *CApplication::Create(platform);
    app.SetLogicalSize(CSettings::kLogicalWidth, CSettings::kLogicalHeight);

    // 8. The data pack; without it files are read loose from the data folder.
    files->SetPackKey(CFileSystem::kPackKey);
    files->SetRoot(options.m_data_dir.empty() ? DefaultDataFolder() : options.m_data_dir);
    files->OpenPack("data.pk");

    // 9-10. Settings, and the window kept on the screen.
    settings.Load(settings.SettingsPath());
    const bool fullScreenSetting = settings.m_full_screen;
    if (options.m_full_screen >= 0)
        settings.m_full_screen = options.m_full_screen == 1;
    PlaceWindow(platform, settings);

    // 11-12. The window with its GL context and icon, then full screen if asked for.
    if (!OpenWindow(app, platform, settings, *files))
    {
        std::fprintf(stderr, "chromal: cannot create the window\n");
        CApplication::Destroy();
        DeleteGroup("main");
        CFileSystem::Destroy();
        return 1;
    }
    // Changes from here on are the player's own.
    const int startModeChanges = app.ModeChanges();

    // 13-18. The intro while the rest loads: audio settings, the game's
    // resources, then the main menu, which stays the bottom screen.
    ShowIntro(app, platform);
    ApplySettings(settings);
    GetGameResources();
    SBottomScreen bottom;
    OpenBottomScreen(app, platform, options, bottom);

    // 19. The frame loop.
    const int exitCode = RunFrames(app, platform, options, replay) ? 0 : 1;

    // Shutdown 1-2: the main menu stores the saved game; the settings are saved.
    if (bottom.m_main_menu)
        bottom.m_main_menu->ExitHook();
    app.RemoveScreen(bottom.Get());
    bottom = SBottomScreen();
    SaveSettings(app, settings, options.m_full_screen >= 0 && app.ModeChanges() == startModeChanges,
                 fullScreenSetting);

    ShutDown(app, platform);
    return exitCode;
}
