// The pointer position asked of the X server itself: SDL's global mouse state
// is cached and goes stale under synthetic (XTEST) and some real input, which
// breaks window dragging.
#pragma once

struct SDL_Window;

// Desktop and window-relative pointer position; false when the window is not
// an X11 window (SDL's own state is used then).
bool QueryX11Pointer(SDL_Window* window, int& desktopX, int& desktopY, int& windowX, int& windowY);
