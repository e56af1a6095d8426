// Temporary file + fsync + rename: the target is either the old or the new file.
#include "storage/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr const char* kTemporaryInfix = ".tmp.";
constexpr std::size_t kTemporarySuffix = 6; // mkstemp's XXXXXX
} // namespace

void RemoveLeftoverTemporaries(const std::string& path)
{
    const std::filesystem::path target(path);
    const std::string prefix = target.filename().string() + kTemporaryInfix;
    std::error_code error;
    std::filesystem::directory_iterator entries(target.parent_path().empty() ? "." : target.parent_path(),
                                                error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error))
    {
        const std::string name = entries->path().filename().string();
        if (name.size() == prefix.size() + kTemporarySuffix && name.compare(0, prefix.size(), prefix) == 0 &&
            entries->is_regular_file(error))
        {
            std::error_code ignored;
            std::filesystem::remove(entries->path(), ignored);
        }
    }
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, unsigned mode)
{
    std::string temp = path + kTemporaryInfix + "XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;

    bool ok = true;
    std::size_t written = 0;
    while (ok && written < bytes.size())
    {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ok = false;
        else
            written += static_cast<std::size_t>(n);
    }
    if (ok && ::fchmod(fd, static_cast<mode_t>(mode)) != 0)
        ok = false;
    if (ok && ::fsync(fd) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0)
        ok = false;
    if (!ok)
    {
        ::unlink(temp.c_str());
        return false;
    }

    // Make the rename itself durable.
    std::string folder = ".";
    std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos)
        folder = slash == 0 ? "/" : path.substr(0, slash);
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0)
    {
        ::fsync(dir);
        ::close(dir);
    }
    // A pause after each save, for the test that kills the program between
    // two of them: without it that moment lasts a few milliseconds.
    if (const char* gap = std::getenv("CHROMAL_SAVE_GAP_MS"))
        ::usleep(static_cast<useconds_t>(std::clamp(std::atoi(gap), 0, 1000)) * 1000u);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        ::close(fd);
        return false;
    }
    if (info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[65536];
    for (;;)
    {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
        {
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}
