// XQueryPointer through the X11 handles SDL exposes. Kept apart so that the
// X headers' macros stay out of the rest of the platform code.
#include "platform/X11Pointer.h"

#include <SDL.h>
#include <SDL_syswm.h>

bool QueryX11Pointer(SDL_Window* window, int& desktopX, int& desktopY, int& windowX, int& windowY)
{
#if defined(SDL_VIDEO_DRIVER_X11)
    if (!window)
        return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    ::Window root = 0;
    ::Window child = 0;
    unsigned int mask = 0;
    return XQueryPointer(info.info.x11.display, info.info.x11.window, &root, &child, &desktopX, &desktopY,
                         &windowX, &windowY, &mask) != 0;
#else
    (void)window;
    (void)desktopX;
    (void)desktopY;
    (void)windowX;
    (void)windowY;
    return false;
#endif
}
