// chromal-tool show: the per-user files, deciphered with their own keys.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/ToolArgs.h"

#include "storage/Cipher.h"
#include "storage/PropertyFile.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace NTool
{
namespace
{
constexpr char kUsage[] = "usage: chromal-tool show settings|save|top7|stats [--user-dir DIR]\n"
                          "Prints a per-user file as 'props dump' does. Without --user-dir the\n"
                          "player's own per-user folder is used.\n";

struct SUserFile
{
    const char* m_what;
    const char* m_file_name;
    const char* m_key;
};

constexpr SUserFile kUserFiles[] = {
    {"settings", "dx_demo.cfg", CCipher::kSettingsKey},
    {"save", "saved_demo.dat", CCipher::kSavedGameKey},
    {"top7", "top7_demo.tbl", CCipher::kTopTableKey},
    {"stats", CStatistics::kFileName, CCipher::kStatisticsKey},
};
} // namespace

int RunShow(int argc, char** argv)
{
    CArgs args;
    if (!args.Parse(argc, argv, 2, {"user-dir"}))
        return UsageError(args.Error(), kUsage);
    if (args.WantsHelp())
    {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    const auto& positional = args.Positional();
    if (positional.size() != 1)
        return UsageError("show needs exactly one of settings, save, top7, stats", kUsage);
    if (args.Has("user-dir") && args.Value("user-dir").empty())
        return UsageError("--user-dir must not be empty", kUsage);

    const SUserFile* chosen = nullptr;
    for (const SUserFile& file : kUserFiles)
        if (positional[0] == file.m_what)
            chosen = &file;
    if (!chosen)
        return UsageError("unknown file '" + positional[0] + "' (settings, save, top7 or stats)", kUsage);

    const std::string path = PrepareUserFolder(args.Value("user-dir")) + chosen->m_file_name;
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return Failure("no " + std::string(chosen->m_what) + " file at " + path);

    CPropertyFile file;
    if (!file.LoadFile(path, true, chosen->m_key, static_cast<int>(std::strlen(chosen->m_key))))
        return Failure("cannot read " + path);
    std::string error;
    if (!WriteOutput("-", file.ToText(), error))
        return Failure(error);
    return kExitOk;
}
} // namespace NTool
