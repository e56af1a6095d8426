// chromal-tool pack: builds data packs from a folder of loose files, lists
// them and reads single entries the way the game does.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/ToolArgs.h"

#include "storage/FileSystem.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace NTool
{
namespace
{
namespace fs = std::filesystem;

constexpr std::size_t kMaxNameLength = 103;

constexpr char kUsage[] = "usage: chromal-tool pack build OUT.pk DIR [--encipher]\n"
                          "       chromal-tool pack list PK\n"
                          "       chromal-tool pack cat PK NAME\n"
                          "build  packs every regular file under DIR, named by its lower-case path\n"
                          "       relative to DIR; --encipher stores the entries enciphered.\n"
                          "list   prints NAME<TAB>SIZE<TAB>y|n for each entry, in file order.\n"
                          "cat    writes one entry's bytes (deciphered) to standard output.\n";

void AppendU32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xff);
}

// The pack's names: relative to the folder, lower case, '/' separated.
std::string PackName(const fs::path& relative)
{
    return CFileSystem::NormaliseName(relative.generic_string());
}

int Build(const std::string& outPath, const std::string& folder, bool encipher)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return Failure(folder + " is not a folder");

    // The output may lie under the folder (a rebuild): it is never packed.
    const fs::path outCanonical = fs::weakly_canonical(outPath, ec);

    std::vector<std::pair<std::string, fs::path>> files;
    fs::recursive_directory_iterator it(folder, ec), end;
    if (ec)
        return Failure("cannot list " + folder + ": " + ec.message());
    for (; it != end; it.increment(ec))
    {
        if (ec)
            return Failure("cannot list " + folder + ": " + ec.message());
        if (!it->is_regular_file(ec))
            continue;
        if (!outCanonical.empty() && fs::weakly_canonical(it->path(), ec) == outCanonical)
            continue;
        files.emplace_back(PackName(fs::relative(it->path(), folder)), it->path());
    }
    if (ec)
        return Failure("cannot list " + folder + ": " + ec.message());
    std::sort(files.begin(), files.end());

    std::string pack = "LB";
    AppendU32(pack, static_cast<std::uint32_t>(files.size()));
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        const std::string& name = files[i].first;
        if (name.size() > kMaxNameLength)
            return Failure("name longer than 103 bytes: " + name);
        // Only the first of two equal names could ever be read back.
        if (i > 0 && files[i - 1].first == name)
            return Failure("two files share the pack name " + name);

        std::string data;
        std::string error;
        if (!ReadInput(files[i].second.string(), data, error))
            return Failure(error);
        if (encipher)
            CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(data.data()), data.size(),
                                    CFileSystem::kPackKey);
        if (data.size() > UINT32_MAX || pack.size() + 9 + name.size() + data.size() > UINT32_MAX)
            return Failure("pack would exceed 4 GiB");
        AppendU32(pack, static_cast<std::uint32_t>(name.size()));
        pack += name;
        AppendU32(pack, static_cast<std::uint32_t>(data.size()));
        pack += encipher ? 'y' : 'n';
        pack += data;
    }

    std::string error;
    if (!WriteOutput(outPath, pack, error))
        return Failure(error);
    return kExitOk;
}

// False (with the message already printed) when the pack cannot be used.
bool OpenForReading(CFileSystem& files, const std::string& path)
{
    std::error_code ec;
    if (!fs::exists(path, ec))
    {
        Failure("no pack at " + path);
        return false;
    }
    files.SetPackKey(CFileSystem::kPackKey);
    if (!files.OpenPack(path))
    {
        Failure(path + " is not a valid pack (bad magic, or an index that does not fit the file)");
        return false;
    }
    return true;
}

int List(const std::string& path)
{
    CFileSystem files;
    if (!OpenForReading(files, path))
        return kExitFailure;
    for (const PackEntry& entry : files.EntriesInFileOrder())
        std::printf("%s\t%u\t%c\n", entry.m_name.c_str(), static_cast<unsigned>(entry.m_size),
                    entry.m_enciphered == 'y' ? 'y' : 'n');
    return std::fflush(stdout) == 0 ? kExitOk : Failure("cannot write standard output");
}

int Cat(const std::string& path, const std::string& name)
{
    CFileSystem files;
    if (!OpenForReading(files, path))
        return kExitFailure;
    const PackEntry entry = files.FindEntry(name);
    if (entry.m_name.empty())
        return Failure("no entry " + CFileSystem::NormaliseName(name) + " in " + path);
    const CDataBuffer data = files.ReadFile(name);
    if (data.Size() != entry.m_size)
        return Failure("cannot read entry " + entry.m_name + " from " + path);
    std::string error;
    if (!WriteOutput("-", std::string(data.Chars() ? data.Chars() : "", data.Size()), error))
        return Failure(error);
    return kExitOk;
}
} // namespace

int RunPack(int argc, char** argv)
{
    CArgs args;
    if (!args.Parse(argc, argv, 2, {}, {"encipher"}))
        return UsageError(args.Error(), kUsage);
    if (args.WantsHelp())
    {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    const auto& p = args.Positional();
    if (p.empty())
        return UsageError("pack needs a subcommand", kUsage);
    if (p[0] != "build" && args.Has("encipher"))
        return UsageError("--encipher only applies to pack build", kUsage);
    if (p[0] == "build")
        return p.size() == 3 ? Build(p[1], p[2], args.Has("encipher"))
                             : UsageError("pack build takes OUT.pk and DIR", kUsage);
    if (p[0] == "list")
        return p.size() == 2 ? List(p[1]) : UsageError("pack list takes one PK", kUsage);
    if (p[0] == "cat")
        return p.size() == 3 ? Cat(p[1], p[2]) : UsageError("pack cat takes PK and NAME", kUsage);
    return UsageError("unknown pack subcommand '" + p[0] + "'", kUsage);
}
} // namespace NTool
