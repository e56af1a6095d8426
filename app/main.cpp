// Chromal's entry point: reads the options, then start-up, the frame loop and
// shutdown (app/Startup.cpp).
#include "app/CommandLine.h"
#include "app/Startup.h"
#include "framework/Application.h"
#include "media/LayerCache.h"

#include <cstdio>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

int main(int argc, char** argv)
{
#if defined(__GLIBC__)
    // Pictures are decoded into large passing buffers; mapped on their own
    // they go back to the system when freed instead of growing the heap.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    const CCommandLine options = ParseCommandLine(argc, argv);
    switch (options.m_action)
    {
    case CCommandLine::kHelp:
        std::fputs(CommandLineHelp().c_str(), stdout);
        return 0;
    case CCommandLine::kVersion:
        std::printf("chromal %s\n", CHROMAL_VERSION);
        return 0;
    case CCommandLine::kError:
        std::fprintf(stderr, "chromal: %s\nTry 'chromal --help'.\n", options.m_error.c_str());
        return 2;
    case CCommandLine::kRun:
        break;
    }
    // For checks against direct drawing: every frame draws the whole picture.
    if (const char* direct = std::getenv("CHROMAL_NO_KEPT_LAYER"); direct && *direct && *direct != '0')
    {
        CLayerCache::SetEnabled(false);
        CApplication::SetPartialRedraws(false);
    }
    // For checks against frames drawn whole over the kept layer.
    if (const char* whole = std::getenv("CHROMAL_NO_PARTIAL_REDRAW"); whole && *whole && *whole != '0')
        CApplication::SetPartialRedraws(false);
    return RunProgram(options);
}
