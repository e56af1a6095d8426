// Hostile data packs: OpenPack must refuse or index them without crashing or
// over-allocating, and every indexed entry must read back at its stated size.
// The input lives in a memory file so that the real path-based reader runs.
#include "MemoryFile.h"
#include "storage/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file = FuzzInputAsFile("pack_fuzz", data, size);

    // An empty root keeps loose-file lookups away from anything real.
    CFileSystem files;
    files.SetRoot("/nonexistent-chromal-fuzz");
    files.SetPackKey(CFileSystem::kPackKey);
    if (!files.OpenPack(file))
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
