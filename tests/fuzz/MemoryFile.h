// The fuzz input as a file the game's readers can open by name: a memory file
// rewritten for each input, reached through /proc/self/fd.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

inline std::string FuzzInputAsFile(const char* name, const std::uint8_t* data, std::size_t size)
{
    static const int fd = ::memfd_create(name, 0);
    if (fd < 0 || ::ftruncate(fd, 0) != 0)
        std::abort();
    for (std::size_t written = 0; written < size;)
    {
        const ssize_t n = ::pwrite(fd, data + written, size - written, static_cast<off_t>(written));
        if (n <= 0)
            std::abort();
        written += static_cast<std::size_t>(n);
    }
    return "/proc/self/fd/" + std::to_string(fd);
}
