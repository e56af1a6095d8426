// The operating-system services the program needs, behind one interface:
// window and GL context, display-mode switch, input state, clock.
// The SDL implementation runs the game; a fake one drives the headless tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One window message, already in the program's own terms: key codes are
// virtual-key values (platform/KeyCodes.h), mouse positions are client pixels
// of the program's 800 by 600 picture, whatever size the window is scaled to.
struct CPlatformEvent
{
    enum EType
    {
        kNone,
        kQuit,      // the quit message: leaves the frame loop
        kClose,     // the user asked to close the window
        kActivate,  // m_value: 1 activated, 0 deactivated
        kSize,      // m_value: one of ESizeType
        kKeyDown,   // m_value: virtual-key code
        kChar,      // m_value: character, m_repeat: repeat count
        kMouseMove, // m_x, m_y, m_flags
        kLButtonDown,
        kLButtonUp,
        kRButtonDown, // not routed to screens
        kRButtonUp,
        // Alt+Enter or F11: between window and full screen, on every screen.
        kToggleFullScreen,
    };
    enum ESizeType
    {
        kSizeRestored = 0,
        kSizeMinimised = 1,
        kSizeChanged = 2, // resized or maximised: the picture is scaled anew
    };

    EType m_type = kNone;
    int m_value = 0;
    int m_repeat = 1;
    int m_x = 0;
    int m_y = 0;
    std::uint32_t m_flags = 0;
};

// Button and modifier flags of mouse messages.
constexpr std::uint32_t kMouseFlagLButton = 0x0001;
constexpr std::uint32_t kMouseFlagRButton = 0x0002;
constexpr std::uint32_t kMouseFlagShift = 0x0004;
constexpr std::uint32_t kMouseFlagControl = 0x0008;
constexpr std::uint32_t kMouseFlagMButton = 0x0010;
// A key-down that the keyboard's auto-repeat sent while the key is held.
constexpr std::uint32_t kKeyFlagRepeat = 0x0100;

struct CRect
{
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
};

class IPlatform
{
  public:
    virtual ~IPlatform() = default;

    // A borderless window of the given client size at (x, y) on the desktop
    // that the window manager may resize (the picture scales with it),
    // not yet shown, with a double-buffered RGBA GL context (16 depth bits)
    // made current and kept until DestroyWindow. Turns the GL layer on.
    virtual bool CreateWindow(const std::string& title, int x, int y, int width, int height) = 0;
    virtual void DestroyWindow() = 0;
    virtual void ShowWindow(bool show) = 0;
    // The picture task bars and window switchers show for the window (kept
    // for a window made later): width by height RGBA pixels, top row first.
    virtual void SetWindowIcon(int width, int height, const unsigned char* rgba) = 0;
    // Full screen in a display mode of width by height (emulated by scaling
    // when the display keeps its own mode); false when refused.
    virtual bool EnterFullScreen(int width, int height) = 0;
    // Back to the desktop's own mode; the window keeps no special placement.
    virtual void LeaveFullScreen() = 0;
    virtual void MoveWindow(int left, int top, int width, int height) = 0;
    virtual void MinimiseWindow() = 0;
    // The window's client rectangle on the desktop.
    virtual CRect GetWindowRect() const = 0;
    // Pixel size of what GL draws into (the whole screen while full screen).
    virtual void GetDrawableSize(int& width, int& height) const = 0;
    virtual bool IsForeground() const = 0;

    virtual void SwapBuffers() = 0;
    // Whether the back buffer still holds the last frame after a swap, so that
    // a frame may redraw only what changed. Drivers that flip buffers do not
    // promise it; false unless the platform knows.
    virtual bool KeepsBackBuffer() const { return false; }

    // Takes one pending message without waiting; false when none is pending.
    virtual bool PollEvent(CPlatformEvent& event) = 0;
    // Queues a message behind the pending ones, through the same path as the
    // window's own (scripted input uses this).
    virtual void PushEvent(const CPlatformEvent& event) = 0;
    virtual void PostQuit() = 0;

    virtual void GetCursorDesktopPos(int& x, int& y) const = 0;
    // Client pixels of the program's picture (see CPlatformEvent).
    virtual void GetCursorClientPos(int& x, int& y) const = 0;
    // button: 0 left, 1 right, 2 middle.
    virtual bool IsMouseButtonDown(int button) const = 0;
    // virtualKey: the held state of F4, Control or Shift (platform/KeyCodes.h).
    virtual bool IsKeyDown(int virtualKey) const = 0;
    virtual void ShowCursor(bool show) = 0;
    // Puts the pointer on a client point (of the program's picture), as if
    // the mouse had moved there: screens played from the keyboard use it.
    virtual void WarpCursor(int x, int y) = 0;

    virtual std::string GetClipboardText() const = 0;

    // Milliseconds; wraps after 2^32.
    virtual std::uint32_t GetTicks() const = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Returns when a message is pending or after `milliseconds`, whichever
    // comes first; a platform that cannot wait for messages just sleeps.
    virtual void WaitForEvent(std::uint32_t milliseconds) { Sleep(milliseconds); }

    virtual void GetScreenSize(int& width, int& height) const = 0;
};
