// The options of `chromal`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CCommandLine
{
    enum EAction
    {
        kRun,
        kHelp,
        kVersion,
        kError, // m_error says why; the program exits with 2
    };

    EAction m_action = kRun;
    std::string m_error;
    std::string m_data_dir; // empty: the default data folder
    std::string m_user_dir; // empty: the default per-user folder
    int m_full_screen = -1; // -1 as the settings say, 0 windowed, 1 full screen
    bool m_has_seed = false;
    std::uint32_t m_seed = 0;
    long m_frames = -1; // -1: until the user quits
    bool m_pacing = true;
    bool m_test_screen = false; // the window checks' known picture instead of the menu
    std::string m_replay;
    std::string m_screenshot;
    // --play TYPE:N: straight into a game of that type (0 classic, 1 advanced,
    // 2 moving) at level N (1-based); -1 for none.
    int m_play_type = -1;
    int m_play_level = 0;
};

CCommandLine ParseCommandLine(int argc, const char* const* argv);
std::string CommandLineHelp();
// The data folder when none is given: "data" beside the executable (where
// `make play` puts it), else the installed data (share/chromal of the prefix
// the executable stands in, then of the prefix it was built for), else "data"
// in the working directory; "" (the working directory) when none exists.
std::string DefaultDataFolder();
// The same choice for an executable at the given path, and the folders it
// tries in order.
std::string DataFolderFor(const std::string& executable);
std::vector<std::string> DataFolderCandidates(const std::string& executable);
