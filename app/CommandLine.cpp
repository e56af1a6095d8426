// Parsing the options of `chromal`.
#include "app/CommandLine.h"

#include "catalogue/LevelSets.h"

#include <cerrno>
#include <cstdlib>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
bool ToNumber(const char* text, unsigned long long high, unsigned long long& value)
{
    if (!text || !*text || *text == '-' || *text == '+')
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && end && *end == '\0' && value <= high;
}

bool IsDirectory(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
bool ParsePlay(const std::string& text, CCommandLine& options)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return false;
    const NLevelSets::SLevelSet* set = NLevelSets::FindSetNamed(text.substr(0, colon).c_str());
    unsigned long long level = 0;
    if (!set || !ToNumber(text.c_str() + colon + 1, 100000ULL, level) || level < 1)
        return false;
    options.m_play_type = set->m_id;
    options.m_play_level = static_cast<int>(level);
    return true;
}
} // namespace

std::string CommandLineHelp()
{
    return std::string("Usage: chromal [OPTION]...\n"
                       "Chromal, a hexagonal flower-colouring board game.\n"
                       "\n"
                       "  --data DIR         data folder holding data.pk and/or the loose data files\n"
                       "                     (default: 'data' beside the executable, else the\n"
                       "                     installed data, else ./data)\n"
                       "  --user-dir DIR     per-user folder for settings, saved game, top-7 and log\n"
                       "                     (default: $XDG_DATA_HOME/Wendrake/Chromal/)\n"
                       "  --windowed         start in a window this time (the saved setting is kept\n"
                       "                     unless full screen is switched on during the run)\n"
                       "  --fullscreen       start in full screen this time (likewise)\n"
                       "  --seed N           seed the random generator with N instead of the clock\n"
                       "  --frames N         quit cleanly after N frames\n"
                       "  --no-pacing        run frames back to back, without the 16 ms pacing sleep\n"
                       "  --test-screen      open on a plain test picture instead of the main menu\n"
                       "  --replay FILE      play scripted input: one 'FRAME EVENT ARGS' per line;\n"
                       "                     events: move X Y, ldown X Y, lup X Y, rdown X Y, rup X Y,\n"
                       "                     key CODE, char CODE, screenshot PATH, quit\n"
                       "                     (X Y in the 800x600 picture, whatever the window size;\n"
                       "                     CODE a virtual-key or character code)\n"
                       "  --screenshot PATH  write the last drawn frame as a PNG picture at exit\n"
                       "  --play SET:N       start straight into a game of SET at level N (from 1);\n"
                       "                     SET is ") +
           NLevelSets::NameList() +
           "\n"
           "  --help             show this help and exit\n"
           "  --version          show the version and exit\n";
}

CCommandLine ParseCommandLine(int argc, const char* const* argv)
{
    CCommandLine options;
    const auto fail = [&](const std::string& why)
    {
        options.m_action = CCommandLine::kError;
        options.m_error = why;
        return options;
    };
    for (int i = 1; i < argc; ++i)
    {
        const std::string option = argv[i];
        const auto value = [&](const char*& text)
        {
            if (i + 1 >= argc)
                return false;
            text = argv[++i];
            return true;
        };
        const char* text = nullptr;
        unsigned long long number = 0;
        if (option == "--help" || option == "-h")
            options.m_action = CCommandLine::kHelp;
        else if (option == "--version")
        {
            if (options.m_action != CCommandLine::kHelp)
                options.m_action = CCommandLine::kVersion;
        }
        else if (option == "--windowed")
            options.m_full_screen = 0;
        else if (option == "--fullscreen")
            options.m_full_screen = 1;
        else if (option == "--no-pacing")
            options.m_pacing = false;
        else if (option == "--test-screen")
            options.m_test_screen = true;
        else if (option == "--data" || option == "--user-dir" || option == "--replay" ||
                 option == "--screenshot")
        {
            if (!value(text) || !*text)
                return fail(option + " needs a value");
            if (option == "--data")
                options.m_data_dir = text;
            else if (option == "--user-dir")
                options.m_user_dir = text;
            else if (option == "--replay")
                options.m_replay = text;
            else
                options.m_screenshot = text;
        }
        else if (option == "--play")
        {
            if (!value(text) || !ParsePlay(text, options))
                return fail("--play needs SET:N with SET " + NLevelSets::NameList() + " and N from 1");
        }
        else if (option == "--seed")
        {
            if (!value(text) || !ToNumber(text, 0xffffffffULL, number))
                return fail("--seed needs a number from 0 to 4294967295");
            options.m_has_seed = true;
            options.m_seed = static_cast<std::uint32_t>(number);
        }
        else if (option == "--frames")
        {
            if (!value(text) || !ToNumber(text, 0x7fffffffULL, number))
                return fail("--frames needs a number from 0 to 2147483647");
            options.m_frames = static_cast<long>(number);
        }
        else
            return fail("unknown option '" + option + "'");
    }
    return options;
}

std::vector<std::string> DataFolderCandidates(const std::string& executable)
{
    std::vector<std::string> candidates;
    const std::size_t slash = executable.rfind('/');
    if (slash != std::string::npos)
    {
        const std::string folder = executable.substr(0, slash);
        candidates.push_back(folder + "/data");
#ifdef CHROMAL_INSTALL_DATADIR_RELATIVE
        // The prefix may have been moved since the build: look where the
        // installed data stands relative to the installed program first.
        candidates.push_back(folder + "/" CHROMAL_INSTALL_DATADIR_RELATIVE);
#endif
    }
#ifdef CHROMAL_INSTALL_DATADIR
    candidates.push_back(CHROMAL_INSTALL_DATADIR);
#endif
    candidates.push_back("data");
    return candidates;
}

std::string DataFolderFor(const std::string& executable)
{
    for (const std::string& folder : DataFolderCandidates(executable))
        if (IsDirectory(folder))
            return folder;
    return "";
}

std::string DefaultDataFolder()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return DataFolderFor(length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string());
}
