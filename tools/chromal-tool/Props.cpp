// chromal-tool props: a property file's map, printed as Save writes it.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/ToolArgs.h"

#include "storage/PropertyFile.h"

#include <cstdio>

namespace NTool
{
namespace
{
constexpr char kUsage[] = "usage: chromal-tool props dump FILE [--key KEY]\n"
                          "Parses FILE (deciphered with KEY when given) and prints its keys in the\n"
                          "order and form in which the game writes property files.\n";
} // namespace

int RunProps(int argc, char** argv)
{
    CArgs args;
    if (!args.Parse(argc, argv, 2, {"key"}))
        return UsageError(args.Error(), kUsage);
    if (args.WantsHelp())
    {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    const auto& positional = args.Positional();
    if (positional.empty() || positional[0] != "dump")
        return UsageError(positional.empty() ? "props needs a subcommand"
                                             : "unknown props subcommand '" + positional[0] + "'",
                          kUsage);
    if (positional.size() != 2)
        return UsageError("props dump takes exactly one FILE", kUsage);
    if (args.Has("key") && args.Value("key").empty())
        return UsageError("--key must not be empty", kUsage);

    const std::string key = args.Value("key");
    CPropertyFile file;
    const bool ok = args.Has("key")
                        ? file.LoadFile(positional[1], true, key.data(), static_cast<int>(key.size()))
                        : file.LoadFile(positional[1], true);
    if (!ok)
        return Failure("cannot read " + positional[1]);

    std::string error;
    if (!WriteOutput("-", file.ToText(), error))
        return Failure(error);
    return kExitOk;
}
} // namespace NTool
