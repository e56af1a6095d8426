// SDL events to platform events and back: the key table, the keys the
// desktop keeps, and the event queue that scripted input shares with real input.
#include "platform/SdlPlatform.h"

#include "platform/KeyCodes.h"
#include "platform/X11Pointer.h"

#include <SDL.h>

namespace
{
// A scripted mouse event carries this device id, so that it is told apart
// from the real mouse.
constexpr Uint32 kScriptedMouse = 0x52504c59;
// Marks a close message the program posted itself.
constexpr Sint32 kProgramClose = 0x434c4f53;

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

// A key pressed and released at once, as scripted input gives it.
void PushKeyPress(SDL_Keycode key, Uint32 windowId)
{
    if (key == SDLK_UNKNOWN)
        return;
    SDL_Event sdl;
    SDL_zero(sdl);
    sdl.type = SDL_KEYDOWN;
    sdl.key.windowID = windowId;
    sdl.key.state = SDL_PRESSED;
    sdl.key.keysym.sym = key;
    sdl.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    SDL_PushEvent(&sdl);
    sdl.type = SDL_KEYUP;
    sdl.key.state = SDL_RELEASED;
    SDL_PushEvent(&sdl);
}

void PushWindowEvent(const CPlatformEvent& event, Uint32 windowId)
{
    SDL_Event sdl;
    SDL_zero(sdl);
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
}
} // namespace

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

bool CSdlPlatform::IsFullScreenKey(int sdlKey, int modifiers)
{
    if (sdlKey == SDLK_F11)
        return (modifiers & (KMOD_ALT | KMOD_CTRL | KMOD_SHIFT)) == 0;
    // AltGr (Control+Alt) with Enter is no request.
    return (sdlKey == SDLK_RETURN || sdlKey == SDLK_KP_ENTER) && (modifiers & KMOD_ALT) != 0 &&
           (modifiers & KMOD_CTRL) == 0;
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
    if (sdl.type == m_quit_event || sdl.type == SDL_QUIT) // SDL_QUIT: a signal, ended the ordinary way
    {
        CPlatformEvent event;
        event.m_type = CPlatformEvent::kQuit;
        m_pending.push_back(event);
        return;
    }
    switch (sdl.type)
    {
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(sdl);
        break;
    case SDL_KEYDOWN:
        TranslateKeyDown(sdl);
        break;
    case SDL_TEXTINPUT:
        TranslateText(sdl);
        break;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        TranslateMouse(sdl);
        break;
    default:
        break;
    }
}

void CSdlPlatform::TranslateWindowEvent(const SDL_Event& sdl)
{
    CPlatformEvent event;
    switch (sdl.window.event)
    {
    case SDL_WINDOWEVENT_CLOSE:
        event.m_type = CPlatformEvent::kClose;
        event.m_value = sdl.window.data1 == kProgramClose ? 1 : 0;
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
        event.m_type = CPlatformEvent::kActivate;
        event.m_value = sdl.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ? 1 : 0;
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        event.m_type = CPlatformEvent::kSize;
        event.m_value = CPlatformEvent::kSizeMinimised;
        break;
    case SDL_WINDOWEVENT_RESTORED:
        event.m_type = CPlatformEvent::kSize;
        event.m_value = CPlatformEvent::kSizeRestored;
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        UpdateScaling();
        // The bars move: the next frame must be drawn whole.
        event.m_type = CPlatformEvent::kSize;
        event.m_value = CPlatformEvent::kSizeChanged;
        break;
    default:
        return;
    }
    m_pending.push_back(event);
    // A pointer that stayed put after a resize now lies over another point of
    // the picture: what it hovers must follow.
    if (sdl.window.event == SDL_WINDOWEVENT_SIZE_CHANGED && SDL_GetMouseFocus() == m_window &&
        !m_scripted_cursor)
    {
        // SDL's own idea of it is stale when the resize moved the window.
        int desktopX = 0;
        int desktopY = 0;
        int windowX = 0;
        int windowY = 0;
        if (!QueryX11Pointer(m_window, desktopX, desktopY, windowX, windowY))
            SDL_GetMouseState(&windowX, &windowY);
        PushPointerEvent(CPlatformEvent::kMouseMove, windowX, windowY);
    }
}

void CSdlPlatform::TranslateKeyDown(const SDL_Event& sdl)
{
    CPlatformEvent event;
    if (IsFullScreenKey(sdl.key.keysym.sym, sdl.key.keysym.mod))
    {
        m_system_key = true;
        // A held key would switch back and forth with every repeat.
        if (!sdl.key.repeat)
        {
            event.m_type = CPlatformEvent::kToggleFullScreen;
            m_pending.push_back(event);
        }
        return;
    }
    m_system_key = IsSystemKey(sdl.key.keysym.sym, sdl.key.keysym.mod);
    if (m_system_key)
        return;
    event.m_value = ToVirtualKey(sdl.key.keysym.sym);
    if (event.m_value == 0)
        return;
    event.m_type = CPlatformEvent::kKeyDown;
    event.m_flags = ((sdl.key.keysym.mod & KMOD_SHIFT) ? kMouseFlagShift : 0u) |
                    ((sdl.key.keysym.mod & KMOD_CTRL) ? kMouseFlagControl : 0u) |
                    (sdl.key.repeat ? kKeyFlagRepeat : 0u);
    m_pending.push_back(event);
}

void CSdlPlatform::TranslateText(const SDL_Event& sdl)
{
    // A character follows its key: typed with Alt, it is the desktop's too.
    if (m_system_key)
        return;
    // The screens take plain printable ASCII only.
    for (const char* c = sdl.text.text; *c; ++c)
    {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte >= 32 && byte <= 126)
        {
            CPlatformEvent event;
            event.m_type = CPlatformEvent::kChar;
            event.m_value = byte;
            event.m_repeat = 1;
            m_pending.push_back(event);
        }
    }
}

void CSdlPlatform::TranslateMouse(const SDL_Event& sdl)
{
    if (sdl.type == SDL_MOUSEMOTION)
    {
        m_scripted_cursor = sdl.motion.which == kScriptedMouse;
        if (m_scripted_cursor)
        {
            m_scripted_x = sdl.motion.x;
            m_scripted_y = sdl.motion.y;
        }
        else
            RememberPointer();
        PushPointerEvent(CPlatformEvent::kMouseMove, sdl.motion.x, sdl.motion.y);
        return;
    }
    const bool down = sdl.type == SDL_MOUSEBUTTONDOWN;
    CPlatformEvent::EType type = CPlatformEvent::kNone;
    std::uint32_t bit = 0;
    if (sdl.button.button == SDL_BUTTON_LEFT)
    {
        bit = kMouseFlagLButton;
        type = down ? CPlatformEvent::kLButtonDown : CPlatformEvent::kLButtonUp;
    }
    else if (sdl.button.button == SDL_BUTTON_RIGHT)
    {
        bit = kMouseFlagRButton;
        type = down ? CPlatformEvent::kRButtonDown : CPlatformEvent::kRButtonUp;
    }
    else if (sdl.button.button == SDL_BUTTON_MIDDLE)
        bit = kMouseFlagMButton;
    m_buttons = down ? (m_buttons | bit) : (m_buttons & ~bit);
    if (sdl.button.which != kScriptedMouse)
        RememberPointer();
    if (type != CPlatformEvent::kNone)
        PushPointerEvent(type, sdl.button.x, sdl.button.y);
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
    PushPointerEvent(CPlatformEvent::kMouseMove, windowX, windowY);
}

void CSdlPlatform::PushPointerEvent(CPlatformEvent::EType type, int windowX, int windowY)
{
    CPlatformEvent event;
    event.m_type = type;
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
    const Uint32 windowId = m_window ? SDL_GetWindowID(m_window) : 0;
    switch (event.m_type)
    {
    case CPlatformEvent::kQuit:
        PostQuit();
        return;
    case CPlatformEvent::kClose:
    case CPlatformEvent::kActivate:
    case CPlatformEvent::kSize:
        PushWindowEvent(event, windowId);
        return;
    case CPlatformEvent::kKeyDown:
        PushKeyPress(FromVirtualKey(event.m_value), windowId);
        return;
    case CPlatformEvent::kChar:
        if (event.m_value > 0 && event.m_value <= 255)
        {
            SDL_Event sdl;
            SDL_zero(sdl);
            sdl.type = SDL_TEXTINPUT;
            sdl.text.windowID = windowId;
            sdl.text.text[0] = static_cast<char>(event.m_value);
            SDL_PushEvent(&sdl);
        }
        return;
    case CPlatformEvent::kMouseMove:
    case CPlatformEvent::kLButtonDown:
    case CPlatformEvent::kLButtonUp:
    case CPlatformEvent::kRButtonDown:
    case CPlatformEvent::kRButtonUp:
        PushMouseEvent(event, windowId);
        return;
    case CPlatformEvent::kToggleFullScreen:
        PushKeyPress(SDLK_F11, windowId);
        return;
    case CPlatformEvent::kNone:
        return;
    }
}

void CSdlPlatform::PushMouseEvent(const CPlatformEvent& event, std::uint32_t windowId)
{
    SDL_Event sdl;
    SDL_zero(sdl);
    int x = event.m_x;
    int y = event.m_y;
    FromClient(x, y);
    if (event.m_type == CPlatformEvent::kMouseMove)
    {
        sdl.type = SDL_MOUSEMOTION;
        sdl.motion.windowID = windowId;
        sdl.motion.which = kScriptedMouse;
        sdl.motion.x = x;
        sdl.motion.y = y;
        SDL_PushEvent(&sdl);
        return;
    }
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
}

void CSdlPlatform::PostQuit()
{
    SDL_Event sdl;
    SDL_zero(sdl);
    sdl.type = m_quit_event;
    SDL_PushEvent(&sdl);
}
