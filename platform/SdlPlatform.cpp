// SDL2 implementation of the platform. Full screen uses the desktop's own
// mode (SDL_WINDOW_FULLSCREEN_DESKTOP) and emulates the requested mode: the
// GL layer scales the viewport and mouse positions are scaled back, so the
// program sees exactly what a real 800 by 600 mode would give it.
#include "platform/SdlPlatform.h"

#include "platform/Gl.h"
#include "platform/KeyCodes.h"
#include "platform/X11Pointer.h"

#include <SDL.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>

namespace
{
// A scripted mouse event carries this device id, so that it is told apart
// from the real mouse.
constexpr Uint32 kScriptedMouse = 0x52504c59;
// Marks a close message the program posted itself.
constexpr Sint32 kProgramClose = 0x434c4f53;
// The window's class (X11) and application id (Wayland): the desktop entry's
// name and its StartupWMClass, so that task bars find the entry's name and icon.
constexpr const char* kWindowClass = "io.github.wendrake.Chromal";

struct CKeyMapping
{
    SDL_Keycode m_sdl;
    int m_virtual;
};

// The one table from SDL keys to the virtual-key codes the screens use.
// Letters and digits are mapped arithmetically in ToVirtualKey.
constexpr CKeyMapping kKeys[] = {
    {SDLK_BACKSPACE, NKey::kBackspace},
    {SDLK_TAB, NKey::kTab},
    {SDLK_RETURN, NKey::kEnter},
    {SDLK_KP_ENTER, NKey::kEnter},
    {SDLK_LSHIFT, NKey::kShift},
    {SDLK_RSHIFT, NKey::kShift},
    {SDLK_LCTRL, NKey::kControl},
    {SDLK_RCTRL, NKey::kControl},
    {SDLK_LALT, NKey::kAlt},
    {SDLK_RALT, NKey::kAlt},
    {SDLK_PAUSE, NKey::kPause},
    {SDLK_ESCAPE, NKey::kEscape},
    {SDLK_SPACE, NKey::kSpace},
    {SDLK_PAGEUP, NKey::kPageUp},
    {SDLK_PAGEDOWN, NKey::kPageDown},
    {SDLK_END, NKey::kEnd},
    {SDLK_HOME, NKey::kHome},
    {SDLK_LEFT, NKey::kLeft},
    {SDLK_UP, NKey::kUp},
    {SDLK_RIGHT, NKey::kRight},
    {SDLK_DOWN, NKey::kDown},
    {SDLK_INSERT, NKey::kInsert},
    {SDLK_DELETE, NKey::kDelete},
    {SDLK_F1, NKey::kF1},
    {SDLK_F2, NKey::kF1 + 1},
    {SDLK_F3, NKey::kF1 + 2},
    {SDLK_F4, NKey::kF4},
    {SDLK_F5, NKey::kF1 + 4},
    {SDLK_F6, NKey::kF1 + 5},
    {SDLK_F7, NKey::kF1 + 6},
    {SDLK_F8, NKey::kF1 + 7},
    {SDLK_F9, NKey::kF1 + 8},
    {SDLK_F10, NKey::kF1 + 9},
    {SDLK_F11, NKey::kF1 + 10},
    {SDLK_F12, NKey::kF12},
};
} // namespace

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

int CSdlPlatform::ToVirtualKey(int sdlKey)
{
    if (sdlKey >= SDLK_a && sdlKey <= SDLK_z)
        return 'A' + (sdlKey - SDLK_a);
    if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9)
        return sdlKey;
    if (sdlKey >= SDLK_KP_1 && sdlKey <= SDLK_KP_9)
        return '1' + (sdlKey - SDLK_KP_1);
    if (sdlKey == SDLK_KP_0)
        return '0';
    for (const CKeyMapping& key : kKeys)
        if (key.m_sdl == sdlKey)
            return key.m_virtual;
    return 0;
}

bool CSdlPlatform::IsSystemKey(int sdlKey, int modifiers)
{
    // Alt, keys held with it and F10 are the desktop's (window menu, task
    // switching); the screens were never meant to see them. Control+Alt is
    // AltGr on many layouts and types ordinary characters.
    if (sdlKey == SDLK_F10 || sdlKey == SDLK_LALT || sdlKey == SDLK_RALT)
        return true;
    return (modifiers & KMOD_ALT) != 0 && (modifiers & KMOD_CTRL) == 0;
}

int CSdlPlatform::FromVirtualKey(int virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return SDLK_a + (virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9')
        return virtualKey;
    for (const CKeyMapping& key : kKeys)
        if (key.m_virtual == virtualKey)
            return key.m_sdl;
    return SDLK_UNKNOWN;
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
                                SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
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
    UpdateScaling();
    ApplyIcon();
    return true;
}

void CSdlPlatform::DestroyWindow()
{
    if (m_context)
    {
        NGl::SetHeadless(true);
        NGl::SetViewportTransform(1.0, 0, 0);
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
    m_scale = 1.0;
    m_offset_x = 0;
    m_offset_y = 0;
    if (m_full_screen && m_window)
    {
        int width = 0;
        int height = 0;
        SDL_GL_GetDrawableSize(m_window, &width, &height);
        if (width > 0 && height > 0)
        {
            m_scale = std::min(static_cast<double>(width) / m_mode_width,
                               static_cast<double>(height) / m_mode_height);
            m_offset_x = static_cast<int>((width - m_mode_width * m_scale) / 2);
            m_offset_y = static_cast<int>((height - m_mode_height * m_scale) / 2);
        }
    }
    NGl::SetViewportTransform(m_scale, m_offset_x, m_offset_y, static_cast<int>(m_mode_width * m_scale + 0.5),
                              static_cast<int>(m_mode_height * m_scale + 0.5));
}

void CSdlPlatform::ToClient(int& x, int& y) const
{
    if (m_scale == 1.0 && m_offset_x == 0 && m_offset_y == 0)
        return;
    x = static_cast<int>(std::floor((x - m_offset_x) / m_scale));
    y = static_cast<int>(std::floor((y - m_offset_y) / m_scale));
}

void CSdlPlatform::FromClient(int& x, int& y) const
{
    if (m_scale == 1.0 && m_offset_x == 0 && m_offset_y == 0)
        return;
    // Rounded up so that ToClient gives the same pixel back.
    x = m_offset_x + static_cast<int>(std::ceil(x * m_scale));
    y = m_offset_y + static_cast<int>(std::ceil(y * m_scale));
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

std::uint32_t CSdlPlatform::MouseFlags() const
{
    std::uint32_t flags = m_buttons;
    const SDL_Keymod mod = SDL_GetModState();
    if (mod & KMOD_SHIFT)
        flags |= kMouseFlagShift;
    if (mod & KMOD_CTRL)
        flags |= kMouseFlagControl;
    return flags;
}

void CSdlPlatform::Translate(const SDL_Event& sdl)
{
    CPlatformEvent event;
    if (sdl.type == m_quit_event)
    {
        event.m_type = CPlatformEvent::kQuit;
        m_pending.push_back(event);
        return;
    }
    switch (sdl.type)
    {
    case SDL_QUIT: // a signal: end the program the ordinary way
        event.m_type = CPlatformEvent::kQuit;
        m_pending.push_back(event);
        break;
    case SDL_WINDOWEVENT:
        switch (sdl.window.event)
        {
        case SDL_WINDOWEVENT_CLOSE:
            event.m_type = CPlatformEvent::kClose;
            event.m_value = sdl.window.data1 == kProgramClose ? 1 : 0;
            m_pending.push_back(event);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
            event.m_type = CPlatformEvent::kActivate;
            event.m_value = sdl.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ? 1 : 0;
            m_pending.push_back(event);
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            event.m_type = CPlatformEvent::kSize;
            event.m_value = CPlatformEvent::kSizeMinimised;
            m_pending.push_back(event);
            break;
        case SDL_WINDOWEVENT_RESTORED:
            event.m_type = CPlatformEvent::kSize;
            event.m_value = CPlatformEvent::kSizeRestored;
            m_pending.push_back(event);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            UpdateScaling();
            break;
        default:
            break;
        }
        break;
    case SDL_KEYDOWN:
        m_system_key = IsSystemKey(sdl.key.keysym.sym, sdl.key.keysym.mod);
        if (m_system_key)
            break;
        event.m_value = ToVirtualKey(sdl.key.keysym.sym);
        if (event.m_value != 0)
        {
            event.m_type = CPlatformEvent::kKeyDown;
            event.m_flags = ((sdl.key.keysym.mod & KMOD_SHIFT) ? kMouseFlagShift : 0u) |
                            ((sdl.key.keysym.mod & KMOD_CTRL) ? kMouseFlagControl : 0u);
            m_pending.push_back(event);
        }
        break;
    case SDL_TEXTINPUT:
        // A character follows its key: typed with Alt, it is the desktop's too.
        if (m_system_key)
            break;
        // The screens take plain printable ASCII only.
        for (const char* c = sdl.text.text; *c; ++c)
        {
            const auto byte = static_cast<unsigned char>(*c);
            if (byte >= 32 && byte <= 126)
            {
                event.m_type = CPlatformEvent::kChar;
                event.m_value = byte;
                event.m_repeat = 1;
                m_pending.push_back(event);
            }
        }
        break;
    case SDL_MOUSEMOTION:
        if (sdl.motion.which == kScriptedMouse)
        {
            m_scripted_cursor = true;
            m_scripted_x = sdl.motion.x;
            m_scripted_y = sdl.motion.y;
        }
        else
        {
            m_scripted_cursor = false;
            RememberPointer();
        }
        event.m_type = CPlatformEvent::kMouseMove;
        event.m_x = sdl.motion.x;
        event.m_y = sdl.motion.y;
        ToClient(event.m_x, event.m_y);
        event.m_flags = MouseFlags();
        m_pending.push_back(event);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    {
        const bool down = sdl.type == SDL_MOUSEBUTTONDOWN;
        std::uint32_t bit = 0;
        if (sdl.button.button == SDL_BUTTON_LEFT)
        {
            bit = kMouseFlagLButton;
            event.m_type = down ? CPlatformEvent::kLButtonDown : CPlatformEvent::kLButtonUp;
        }
        else if (sdl.button.button == SDL_BUTTON_RIGHT)
        {
            bit = kMouseFlagRButton;
            event.m_type = down ? CPlatformEvent::kRButtonDown : CPlatformEvent::kRButtonUp;
        }
        else if (sdl.button.button == SDL_BUTTON_MIDDLE)
            bit = kMouseFlagMButton;
        m_buttons = down ? (m_buttons | bit) : (m_buttons & ~bit);
        if (sdl.button.which != kScriptedMouse)
            RememberPointer();
        if (event.m_type == CPlatformEvent::kNone)
            break;
        event.m_x = sdl.button.x;
        event.m_y = sdl.button.y;
        ToClient(event.m_x, event.m_y);
        event.m_flags = MouseFlags();
        m_pending.push_back(event);
        break;
    }
    default:
        break;
    }
}

bool CSdlPlatform::PollEvent(CPlatformEvent& event)
{
    m_cursor_cached = false;
    SDL_Event sdl;
    while (m_pending.empty() && SDL_PollEvent(&sdl))
        Translate(sdl);
    if (m_pending.empty())
        NoteDraggedPointer();
    if (m_pending.empty())
        return false;
    event = m_pending.front();
    m_pending.pop_front();
    m_key_event = event.m_type == CPlatformEvent::kKeyDown;
    m_key_flags = event.m_flags;
    return true;
}

void CSdlPlatform::RememberPointer()
{
    int windowX = 0;
    int windowY = 0;
    m_pointer_known = QueryX11Pointer(m_window, m_pointer_x, m_pointer_y, windowX, windowY);
}

void CSdlPlatform::NoteDraggedPointer()
{
    // SDL reports no motion when the pointer keeps its place in the window,
    // which is just what happens while the window is dragged along with it;
    // a button-held pointer that moved on the desktop is a move all the same.
    if (!m_window || !m_pointer_known || (m_buttons & (kMouseFlagLButton | kMouseFlagRButton)) == 0)
        return;
    int desktopX = 0;
    int desktopY = 0;
    int windowX = 0;
    int windowY = 0;
    if (!QueryX11Pointer(m_window, desktopX, desktopY, windowX, windowY) ||
        (desktopX == m_pointer_x && desktopY == m_pointer_y))
        return;
    m_pointer_x = desktopX;
    m_pointer_y = desktopY;
    CPlatformEvent event;
    event.m_type = CPlatformEvent::kMouseMove;
    event.m_x = windowX;
    event.m_y = windowY;
    ToClient(event.m_x, event.m_y);
    event.m_flags = MouseFlags();
    m_pending.push_back(event);
}

void CSdlPlatform::PushEvent(const CPlatformEvent& event)
{
    // Scripted input goes into SDL's own queue as SDL events, so that it
    // takes the same translation as real input.
    SDL_Event sdl;
    SDL_zero(sdl);
    const Uint32 windowId = m_window ? SDL_GetWindowID(m_window) : 0;
    int x = event.m_x;
    int y = event.m_y;
    FromClient(x, y);
    switch (event.m_type)
    {
    case CPlatformEvent::kQuit:
        PostQuit();
        return;
    case CPlatformEvent::kClose:
    case CPlatformEvent::kActivate:
    case CPlatformEvent::kSize:
        sdl.type = SDL_WINDOWEVENT;
        sdl.window.windowID = windowId;
        if (event.m_type == CPlatformEvent::kClose)
        {
            sdl.window.event = SDL_WINDOWEVENT_CLOSE;
            sdl.window.data1 = event.m_value ? kProgramClose : 0;
        }
        else if (event.m_type == CPlatformEvent::kActivate)
            sdl.window.event = event.m_value ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
        else
            sdl.window.event = event.m_value == CPlatformEvent::kSizeMinimised ? SDL_WINDOWEVENT_MINIMIZED
                                                                               : SDL_WINDOWEVENT_RESTORED;
        SDL_PushEvent(&sdl);
        return;
    case CPlatformEvent::kKeyDown:
    {
        const SDL_Keycode key = FromVirtualKey(event.m_value);
        if (key == SDLK_UNKNOWN)
            return;
        sdl.type = SDL_KEYDOWN;
        sdl.key.windowID = windowId;
        sdl.key.state = SDL_PRESSED;
        sdl.key.keysym.sym = key;
        sdl.key.keysym.scancode = SDL_GetScancodeFromKey(key);
        SDL_PushEvent(&sdl);
        sdl.type = SDL_KEYUP;
        sdl.key.state = SDL_RELEASED;
        SDL_PushEvent(&sdl);
        return;
    }
    case CPlatformEvent::kChar:
        if (event.m_value <= 0 || event.m_value > 255)
            return;
        sdl.type = SDL_TEXTINPUT;
        sdl.text.windowID = windowId;
        sdl.text.text[0] = static_cast<char>(event.m_value);
        SDL_PushEvent(&sdl);
        return;
    case CPlatformEvent::kMouseMove:
        sdl.type = SDL_MOUSEMOTION;
        sdl.motion.windowID = windowId;
        sdl.motion.which = kScriptedMouse;
        sdl.motion.x = x;
        sdl.motion.y = y;
        SDL_PushEvent(&sdl);
        return;
    case CPlatformEvent::kLButtonDown:
    case CPlatformEvent::kLButtonUp:
    case CPlatformEvent::kRButtonDown:
    case CPlatformEvent::kRButtonUp:
    {
        const bool down =
            event.m_type == CPlatformEvent::kLButtonDown || event.m_type == CPlatformEvent::kRButtonDown;
        const bool left =
            event.m_type == CPlatformEvent::kLButtonDown || event.m_type == CPlatformEvent::kLButtonUp;
        sdl.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        sdl.button.windowID = windowId;
        sdl.button.which = kScriptedMouse;
        sdl.button.button = left ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT;
        sdl.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        sdl.button.clicks = 1;
        sdl.button.x = x;
        sdl.button.y = y;
        SDL_PushEvent(&sdl);
        return;
    }
    case CPlatformEvent::kNone:
        return;
    }
}

void CSdlPlatform::PostQuit()
{
    SDL_Event sdl;
    SDL_zero(sdl);
    sdl.type = m_quit_event;
    SDL_PushEvent(&sdl);
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

bool CSdlPlatform::SetClipboardText(const std::string& text)
{
    return SDL_SetClipboardText(text.c_str()) == 0;
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

bool CSdlPlatform::CreateDirectory(const std::string& path)
{
    if (::mkdir(path.c_str(), 0755) == 0)
        return true;
    struct stat info;
    return errno == EEXIST && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CSdlPlatform::DeleteFile(const std::string& path)
{
    return std::remove(path.c_str()) == 0;
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
