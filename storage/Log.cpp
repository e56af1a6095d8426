// The log is reopened for every line so that it survives a crash.
#include "storage/Log.h"

#include <cstdarg>
#include <cstdio>

namespace
{
std::string g_logPath;
std::string g_prefix;
} // namespace

bool LogOpen(const std::string& path)
{
    g_prefix.clear();
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
    {
        g_logPath.clear();
        return false;
    }
    std::fclose(file);
    g_logPath = path;
    return true;
}

void LogWrite(const char* format, ...)
{
    if (g_logPath.empty())
        return;
    std::FILE* file = std::fopen(g_logPath.c_str(), "a+");
    if (!file)
        return;
    std::fputs(g_prefix.c_str(), file);
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fclose(file);
}

void LogClose()
{
    LogWrite("Closing Log");
}
