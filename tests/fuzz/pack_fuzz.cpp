// Hostile data packs: OpenPack must refuse or index them without crashing or
// over-allocating, and every indexed entry must read back at its stated size.
// The input lives in a memory file so that the real path-based reader runs.
#include "storage/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace
{
int MemoryFile()
{
    static const int fd = ::memfd_create("pack_fuzz", 0);
    return fd;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int fd = MemoryFile();
    if (fd < 0 || ::ftruncate(fd, 0) != 0)
        std::abort();
    std::size_t written = 0;
    while (written < size)
    {
        const ssize_t n = ::pwrite(fd, data + written, size - written, static_cast<off_t>(written));
        if (n <= 0)
            std::abort();
        written += static_cast<std::size_t>(n);
    }

    // An empty root keeps loose-file lookups away from anything real.
    CFileSystem files;
    files.SetRoot("/nonexistent-chromal-fuzz");
    files.SetPackKey(CFileSystem::kPackKey);
    if (!files.OpenPack("/proc/self/fd/" + std::to_string(fd)))
        return 0;

    for (const PackEntry& entry : files.EntriesInFileOrder())
    {
        if (entry.m_name.size() > 103 || std::uint64_t(entry.m_offset) + entry.m_size > size)
            std::abort();
        const CDataBuffer buffer = files.ReadFile(entry.m_name);
        // Lookups turn backslashes into '/', so a stored name holding one is never found.
        if (entry.m_name.find('\\') == std::string::npos && buffer.Size() != entry.m_size)
            std::abort();
    }
    return 0;
}
