// Option parsing and whole-file input/output shared by the subcommands.
#include "tools/chromal-tool/ToolArgs.h"

#include "storage/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace NTool
{
namespace
{
bool Listed(std::initializer_list<const char*> names, const std::string& name)
{
    for (const char* n : names)
        if (name == n)
            return true;
    return false;
}

bool WriteAll(std::FILE* file, const std::string& bytes)
{
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}
} // namespace

bool CArgs::Parse(int argc, char** argv, int first, std::initializer_list<const char*> valueOptions,
                  std::initializer_list<const char*> flagOptions)
{
    bool optionsEnded = false;
    for (int i = first; i < argc; ++i)
    {
        std::string arg = argv[i];
        if (optionsEnded || arg.size() < 3 || arg.compare(0, 2, "--") != 0)
        {
            if (arg == "--")
                optionsEnded = true;
            else
                m_positional.push_back(arg);
            continue;
        }
        std::string name = arg.substr(2);
        std::string value;
        bool hasValue = false;
        std::size_t equals = name.find('=');
        if (equals != std::string::npos)
        {
            value = name.substr(equals + 1);
            name.resize(equals);
            hasValue = true;
        }
        if (name == "help" || Listed(flagOptions, name))
        {
            if (hasValue)
            {
                m_error = "option --" + name + " takes no value";
                return false;
            }
            m_options[name];
        }
        else if (Listed(valueOptions, name))
        {
            if (!hasValue)
            {
                if (i + 1 >= argc)
                {
                    m_error = "option --" + name + " needs a value";
                    return false;
                }
                value = argv[++i];
            }
            m_options[name] = value;
        }
        else
        {
            m_error = "unknown option --" + name;
            return false;
        }
    }
    return true;
}

std::string CArgs::Value(const std::string& option) const
{
    auto it = m_options.find(option);
    return it == m_options.end() ? std::string() : it->second;
}

int UsageError(const std::string& message, const char* usage)
{
    std::fprintf(stderr, "chromal-tool: %s\n", message.c_str());
    if (usage)
        std::fputs(usage, stderr);
    return kExitUsage;
}

int Failure(const std::string& message)
{
    std::fprintf(stderr, "chromal-tool: %s\n", message.c_str());
    return kExitFailure;
}

bool ReadInput(const std::string& path, std::string& bytes, std::string& error)
{
    bytes.clear();
    const bool standardInput = path.empty() || path == "-";
    const std::string name = standardInput ? std::string("standard input") : path;
    struct stat info;
    if (!standardInput && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    {
        error = path + " is a folder";
        return false;
    }
    // Streams rather than ReadWholeFile so that pipes and process
    // substitutions work as inputs too.
    std::FILE* file = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (!file)
    {
        error = "cannot open " + name + ": " + std::strerror(errno);
        return false;
    }
    char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, n);
    const bool ok = !std::ferror(file);
    if (!standardInput)
        std::fclose(file);
    if (!ok)
        error = "cannot read " + name;
    return ok;
}

bool WriteOutput(const std::string& path, const std::string& bytes, std::string& error)
{
    if (path.empty() || path == "-")
    {
        if (!WriteAll(stdout, bytes) || std::fflush(stdout) != 0)
        {
            error = "cannot write standard output";
            return false;
        }
        return true;
    }
    // Renaming over a device such as /dev/null would replace the device.
    struct stat info;
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
    {
        if (S_ISDIR(info.st_mode))
        {
            error = path + " is a folder";
            return false;
        }
        std::FILE* file = std::fopen(path.c_str(), "wb");
        bool ok = file && WriteAll(file, bytes);
        if (file && std::fclose(file) != 0)
            ok = false;
        if (!ok)
            error = "cannot write " + path;
        return ok;
    }
    if (!WriteFileAtomically(path, bytes, 0644))
    {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
} // namespace NTool
