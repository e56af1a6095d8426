// The platform on SDL2: one borderless window with a GL compatibility
// context, SDL events translated into window messages, and the desktop
// services the program needs.
#pragma once

#include "platform/Letterbox.h"
#include "platform/Platform.h"

#include <deque>
#include <vector>

struct SDL_Window;
union SDL_Event;

class CSdlPlatform final : public IPlatform
{
  public:
    CSdlPlatform() = default;
    ~CSdlPlatform() override;

    // Starts SDL's video part; false (with SDL's reason in `error`) when
    // there is no display.
    bool Init(std::string& error);

    bool CreateWindow(const std::string& title, int x, int y, int width, int height) override;
    void DestroyWindow() override;
    void ShowWindow(bool show) override;
    void SetWindowIcon(int width, int height, const unsigned char* rgba) override;
    bool EnterFullScreen(int width, int height) override;
    void LeaveFullScreen() override;
    void MoveWindow(int left, int top, int width, int height) override;
    void MinimiseWindow() override;
    CRect GetWindowRect() const override;
    void GetDrawableSize(int& width, int& height) const override;
    bool IsForeground() const override;
    void SwapBuffers() override;
    bool KeepsBackBuffer() const override;
    void WaitForEvent(std::uint32_t milliseconds) override;
    bool PollEvent(CPlatformEvent& event) override;
    void PushEvent(const CPlatformEvent& event) override;
    void PostQuit() override;
    void GetCursorDesktopPos(int& x, int& y) const override;
    void GetCursorClientPos(int& x, int& y) const override;
    bool IsMouseButtonDown(int button) const override;
    bool IsKeyDown(int virtualKey) const override;
    void ShowCursor(bool show) override;
    void WarpCursor(int x, int y) override;
    std::string GetClipboardText() const override;
    std::uint32_t GetTicks() const override;
    void Sleep(std::uint32_t milliseconds) override;
    void GetScreenSize(int& width, int& height) const override;

    // SDL key code to virtual-key code (0 for keys the program has no code
    // for) and back.
    static int ToVirtualKey(int sdlKey);
    static int FromVirtualKey(int virtualKey);
    // Alt+Enter and F11, the keys that switch between window and full
    // screen on every screen; they reach no screen as keys.
    static bool IsFullScreenKey(int sdlKey, int modifiers);
    // What a press at (x, y) of a width by height window does: an
    // SDL_HitTestResult, a resize within a few pixels of an edge.
    static int ResizeEdge(int x, int y, int width, int height);
    // Keys the desktop keeps for itself (Alt, Alt with a key, F10); they
    // never reach the screens. modifiers: SDL_Keymod bits.
    static bool IsSystemKey(int sdlKey, int modifiers);

  private:
    void ApplyIcon();
    void UpdateScaling();
    // Window pixels to the program's client pixels (the picture's, whatever
    // the window's size).
    void ToClient(int& x, int& y) const;
    void FromClient(int& x, int& y) const;
    // The event side, in SdlEvents.cpp.
    void Translate(const SDL_Event& event);
    void TranslateWindowEvent(const SDL_Event& event);
    void TranslateKeyDown(const SDL_Event& event);
    void TranslateText(const SDL_Event& event);
    void TranslateMouse(const SDL_Event& event);
    void PushMouseEvent(const CPlatformEvent& event, std::uint32_t windowId);
    std::uint32_t MouseFlags() const;
    // Queues a mouse message at a point of the window, in the picture's pixels.
    void PushPointerEvent(CPlatformEvent::EType type, int windowX, int windowY);
    void RememberPointer();
    void NoteDraggedPointer();

    bool m_initialised = false;
    SDL_Window* m_window = nullptr;
    // RGBA, top row first; given to every window made.
    std::vector<unsigned char> m_icon;
    int m_icon_width = 0;
    int m_icon_height = 0;
    void* m_context = nullptr;
    std::uint32_t m_quit_event = 0;
    std::deque<CPlatformEvent> m_pending;
    bool m_full_screen = false;
    // The program's picture: 800 by 600 unless full screen asked for another.
    int m_mode_width = 800;
    int m_mode_height = 600;
    CLetterbox m_box;
    std::uint32_t m_buttons = 0; // kMouseFlagLButton etc., as the messages left them
    // The modifiers of the key event last handed out, while it is the latest event.
    bool m_key_event = false;
    std::uint32_t m_key_flags = 0;
    // The key last pressed was the desktop's; so is the character it types.
    bool m_system_key = false;
    // The desktop pointer position of the last real mouse message.
    bool m_pointer_known = false;
    int m_pointer_x = 0;
    int m_pointer_y = 0;
    // The pointer's place in the window as the X server last told it: asking
    // costs a round trip, and screens ask many times a frame. Forgotten
    // whenever messages are read.
    mutable bool m_cursor_cached = false;
    mutable int m_cursor_x = 0;
    mutable int m_cursor_y = 0;
    // Scripted mouse positions stand for the cursor until the real one moves.
    bool m_scripted_cursor = false;
    int m_scripted_x = 0;
    int m_scripted_y = 0;
};
