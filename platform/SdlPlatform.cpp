// SDL2 implementation of the platform: the window, its GL context and the
// desktop services (the events are in SdlEvents.cpp). The program draws an
// 800 by 600 picture whatever the window's size: the GL layer scales the
// viewport to the largest size that fits (platform/Letterbox.h) and mouse
// positions are scaled back, so the program sees exactly what an 800 by 600
// window would give it. Full screen is one more such size: it keeps the
// desktop's own mode (SDL_WINDOW_FULLSCREEN_DESKTOP).
#include "platform/SdlPlatform.h"

#include "platform/Gl.h"
#include "platform/KeyCodes.h"
#include "platform/Letterbox.h"
#include "platform/X11Pointer.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
// The window's class (X11) and application id (Wayland): the desktop entry's
// name and its StartupWMClass, so that task bars find the entry's name and icon.
constexpr const char* kWindowClass = "io.github.wendrake.Chromal";
// How far in from the window's edges a press resizes it: the window has no
// frame of its own to take hold of.
constexpr int kResizeBorder = 6;
} // namespace

int CSdlPlatform::ResizeEdge(int x, int y, int width, int height)
{
    const int column = x < kResizeBorder ? 0 : (x >= width - kResizeBorder ? 2 : 1);
    const int row = y < kResizeBorder ? 0 : (y >= height - kResizeBorder ? 2 : 1);
    static constexpr SDL_HitTestResult kEdges[3][3] = {
        {SDL_HITTEST_RESIZE_TOPLEFT, SDL_HITTEST_RESIZE_TOP, SDL_HITTEST_RESIZE_TOPRIGHT},
        {SDL_HITTEST_RESIZE_LEFT, SDL_HITTEST_NORMAL, SDL_HITTEST_RESIZE_RIGHT},
        {SDL_HITTEST_RESIZE_BOTTOMLEFT, SDL_HITTEST_RESIZE_BOTTOM, SDL_HITTEST_RESIZE_BOTTOMRIGHT}};
    return kEdges[row][column];
}

CSdlPlatform::~CSdlPlatform()
{
    DestroyWindow();
    if (m_initialised)
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
}

bool CSdlPlatform::Init(std::string& error)
{
    // The window's close button is a message for the program, not a quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A click that activates the window also counts as a click.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Read from the environment when the video part starts; a class the
    // user set is left alone.
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", kWindowClass, 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", kWindowClass, 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    {
        error = SDL_GetError();
        return false;
    }
    m_initialised = true;
    m_quit_event = SDL_RegisterEvents(1);
    return true;
}

bool CSdlPlatform::CreateWindow(const std::string& title, int x, int y, int width, int height)
{
    if (!m_initialised || m_window)
        return false;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    m_window = SDL_CreateWindow(title.c_str(), x, y, width, height,
                                SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_RESIZABLE |
                                    SDL_WINDOW_HIDDEN);
    if (!m_window)
    {
        std::fprintf(stderr, "chromal: no window: %s\n", SDL_GetError());
        return false;
    }
    m_context = SDL_GL_CreateContext(m_window);
    if (!m_context || SDL_GL_MakeCurrent(m_window, m_context) != 0)
    {
        std::fprintf(stderr, "chromal: no OpenGL context: %s\n", SDL_GetError());
        if (m_context)
            SDL_GL_DeleteContext(m_context);
        m_context = nullptr;
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
        return false;
    }
    // The frame loop paces itself; waiting for the vertical blank as well
    // would halve the rate on some displays.
    SDL_GL_SetSwapInterval(0);
    NGl::SetProcLoader([](const char* name) { return SDL_GL_GetProcAddress(name); });
    NGl::SetHeadless(false);
    SDL_StartTextInput();
    // Below this the picture's controls are too small to hit.
    SDL_SetWindowMinimumSize(m_window, m_mode_width / 4, m_mode_height / 4);
    SDL_SetWindowHitTest(
        m_window,
        [](SDL_Window* window, const SDL_Point* point, void* data)
        {
            if (static_cast<const CSdlPlatform*>(data)->m_full_screen)
                return SDL_HITTEST_NORMAL;
            int width = 0;
            int height = 0;
            SDL_GetWindowSize(window, &width, &height);
            return static_cast<SDL_HitTestResult>(ResizeEdge(point->x, point->y, width, height));
        },
        this);
    UpdateScaling();
    ApplyIcon();
    return true;
}

void CSdlPlatform::DestroyWindow()
{
    if (m_context)
    {
        NGl::SetHeadless(true);
        NGl::SetViewportTransform(CLetterbox{});
        SDL_GL_MakeCurrent(m_window, nullptr);
        SDL_GL_DeleteContext(m_context);
        m_context = nullptr;
    }
    if (m_window)
    {
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
    }
    m_full_screen = false;
}

void CSdlPlatform::ShowWindow(bool show)
{
    if (!m_window)
        return;
    if (show)
    {
        SDL_ShowWindow(m_window);
        SDL_RaiseWindow(m_window);
    }
    else
        SDL_HideWindow(m_window);
}

void CSdlPlatform::SetWindowIcon(int width, int height, const unsigned char* rgba)
{
    if (width <= 0 || height <= 0 || !rgba)
        return;
    m_icon_width = width;
    m_icon_height = height;
    m_icon.assign(rgba, rgba + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    ApplyIcon();
}

void CSdlPlatform::ApplyIcon()
{
    if (!m_window || m_icon.empty())
        return;
    // Byte order R, G, B, A whatever the machine's endianness.
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(m_icon.data(), m_icon_width, m_icon_height, 32,
                                                           m_icon_width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!icon)
        return;
    SDL_SetWindowIcon(m_window, icon);
    SDL_FreeSurface(icon);
}

bool CSdlPlatform::EnterFullScreen(int width, int height)
{
    if (!m_window || width <= 0 || height <= 0)
        return false;
    if (SDL_SetWindowFullscreen(m_window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
        return false;
    m_full_screen = true;
    m_mode_width = width;
    m_mode_height = height;
    UpdateScaling();
    return true;
}

void CSdlPlatform::LeaveFullScreen()
{
    if (!m_window || !m_full_screen)
        return;
    SDL_SetWindowFullscreen(m_window, 0);
    m_full_screen = false;
    UpdateScaling();
}

void CSdlPlatform::UpdateScaling()
{
    int width = 0;
    int height = 0;
    if (m_window)
        SDL_GL_GetDrawableSize(m_window, &width, &height);
    m_box = FitPicture(width, height, m_mode_width, m_mode_height);
    NGl::SetViewportTransform(m_box);
}

void CSdlPlatform::ToClient(int& x, int& y) const
{
    WindowToPicture(m_box, x, y);
}

void CSdlPlatform::FromClient(int& x, int& y) const
{
    PictureToWindow(m_box, x, y);
}

void CSdlPlatform::MoveWindow(int left, int top, int width, int height)
{
    m_cursor_cached = false;
    if (!m_window)
        return;
    if (width > 0 && height > 0)
        SDL_SetWindowSize(m_window, width, height);
    SDL_SetWindowPosition(m_window, left, top);
}

void CSdlPlatform::MinimiseWindow()
{
    if (m_window)
        SDL_MinimizeWindow(m_window);
}

CRect CSdlPlatform::GetWindowRect() const
{
    CRect rect;
    if (m_window)
    {
        SDL_GetWindowPosition(m_window, &rect.m_left, &rect.m_top);
        SDL_GetWindowSize(m_window, &rect.m_width, &rect.m_height);
    }
    return rect;
}

void CSdlPlatform::GetDrawableSize(int& width, int& height) const
{
    width = 0;
    height = 0;
    if (m_window)
        SDL_GL_GetDrawableSize(m_window, &width, &height);
}

bool CSdlPlatform::IsForeground() const
{
    return m_window && (SDL_GetWindowFlags(m_window) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void CSdlPlatform::SwapBuffers()
{
    if (m_window)
        SDL_GL_SwapWindow(m_window);
}

void CSdlPlatform::WarpCursor(int x, int y)
{
    if (!m_window)
        return;
    // A scripted pointer moves as the script's own moves do.
    if (m_scripted_cursor)
    {
        CPlatformEvent move;
        move.m_type = CPlatformEvent::kMouseMove;
        move.m_x = x;
        move.m_y = y;
        PushEvent(move);
        return;
    }
    FromClient(x, y);
    SDL_WarpMouseInWindow(m_window, x, y);
    m_cursor_cached = false;
}

void CSdlPlatform::GetCursorDesktopPos(int& x, int& y) const
{
    int windowX = 0;
    int windowY = 0;
    if (!QueryX11Pointer(m_window, x, y, windowX, windowY))
        SDL_GetGlobalMouseState(&x, &y);
}

void CSdlPlatform::GetCursorClientPos(int& x, int& y) const
{
    if (m_scripted_cursor)
    {
        x = m_scripted_x;
        y = m_scripted_y;
    }
    else if (m_cursor_cached)
    {
        x = m_cursor_x;
        y = m_cursor_y;
    }
    else
    {
        int desktopX = 0;
        int desktopY = 0;
        if (!QueryX11Pointer(m_window, desktopX, desktopY, x, y))
        {
            GetCursorDesktopPos(x, y);
            const CRect rect = GetWindowRect();
            x -= rect.m_left;
            y -= rect.m_top;
        }
        m_cursor_cached = true;
        m_cursor_x = x;
        m_cursor_y = y;
    }
    ToClient(x, y);
}

bool CSdlPlatform::IsMouseButtonDown(int button) const
{
    static constexpr std::uint32_t kBits[] = {kMouseFlagLButton, kMouseFlagRButton, kMouseFlagMButton};
    if (button < 0 || button > 2)
        return false;
    return (m_buttons & kBits[button]) != 0;
}

bool CSdlPlatform::IsKeyDown(int virtualKey) const
{
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    switch (virtualKey)
    {
    case NKey::kF4:
        return keys[SDL_SCANCODE_F4] != 0;
    // While a key is handled, as they were when it went down: SDL has already
    // read the releases that followed (a quick Control+V would lose its Control).
    case NKey::kControl:
        if (m_key_event)
            return (m_key_flags & kMouseFlagControl) != 0;
        return keys[SDL_SCANCODE_LCTRL] || keys[SDL_SCANCODE_RCTRL];
    case NKey::kShift:
        if (m_key_event)
            return (m_key_flags & kMouseFlagShift) != 0;
        return keys[SDL_SCANCODE_LSHIFT] || keys[SDL_SCANCODE_RSHIFT];
    default:
    {
        const SDL_Keycode key = FromVirtualKey(virtualKey);
        return key != SDLK_UNKNOWN && keys[SDL_GetScancodeFromKey(key)] != 0;
    }
    }
}

void CSdlPlatform::ShowCursor(bool show)
{
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

std::string CSdlPlatform::GetClipboardText() const
{
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
}

std::uint32_t CSdlPlatform::GetTicks() const
{
    return SDL_GetTicks();
}

void CSdlPlatform::Sleep(std::uint32_t milliseconds)
{
    SDL_Delay(milliseconds);
}

void CSdlPlatform::GetScreenSize(int& width, int& height) const
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0)
    {
        width = mode.w;
        height = mode.h;
    }
    else
    {
        width = 800;
        height = 600;
    }
}

bool CSdlPlatform::KeepsBackBuffer() const
{
    // Mesa's software rasterisers under X11 swap by copying the back buffer
    // to the window, and the back buffer stays as it was.
    if (!m_window)
        return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (!driver || std::string(driver) != "x11" || !renderer)
        return false;
    const std::string name = renderer;
    return name.rfind("llvmpipe", 0) == 0 || name.rfind("softpipe", 0) == 0 ||
           name.rfind("Software Rasterizer", 0) == 0;
}

void CSdlPlatform::WaitForEvent(std::uint32_t milliseconds)
{
    m_cursor_cached = false;
    // Null: the event stays queued for PollEvent.
    SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<std::uint32_t>(milliseconds, 1u << 30)));
}
