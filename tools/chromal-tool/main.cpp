// chromal-tool: command-line companion for players and maintainers. Each
// subcommand is one row of the table below.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/ToolArgs.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
struct SCommand
{
    const char* m_name;
    int (*m_run)(int argc, char** argv);
    const char* m_summary;
};

// A new subcommand: declare its Run function in Commands.h, define it in a
// file of its own, add its row here.
constexpr SCommand kCommands[] = {
    {"encipher", NTool::RunEncipher, "encipher a file the way per-user files are stored"},
    {"decipher", NTool::RunDecipher, "decipher a per-user file"},
    {"pack", NTool::RunPack, "build, list and read data packs"},
    {"props", NTool::RunProps, "print a property file"},
    {"show", NTool::RunShow, "print the settings, saved game or top-7 table"},
    {"board", NTool::RunBoard, "build a level and print its shape and level state"},
    {"move", NTool::RunMove, "play one colour on a board given as level-state text"},
    {"ai", NTool::RunAi, "print the colour the computer opponent would choose"},
    {"simulate", NTool::RunSimulate, "play a whole level between two computer players"},
    {"par", NTool::RunPar, "write the moving levels' par, the racer's median moves"},
};

void PrintUsage(std::FILE* out)
{
    std::fputs("usage: chromal-tool COMMAND [ARGS...]\n"
               "       chromal-tool --version | --help\n"
               "       chromal-tool COMMAND --help\n\ncommands:\n",
               out);
    for (const SCommand& command : kCommands)
        std::fprintf(out, "  %-10s %s\n", command.m_name, command.m_summary);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        PrintUsage(stderr);
        return NTool::kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help")
    {
        PrintUsage(stdout);
        return NTool::kExitOk;
    }
    if (name == "--version")
    {
        std::printf("chromal-tool %s\n", CHROMAL_VERSION);
        return NTool::kExitOk;
    }
    for (const SCommand& command : kCommands)
        if (name == command.m_name)
            return command.m_run(argc, argv);

    std::fprintf(stderr, "chromal-tool: unknown command '%s'\n", name.c_str());
    PrintUsage(stderr);
    return NTool::kExitUsage;
}
