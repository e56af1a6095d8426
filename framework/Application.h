// CApplication: the one application object: the window and its display mode,
// the screen stack with the dialogs above it, the window procedure that turns
// window messages into calls on the input target, and the frame loop.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CScreen;
class CDialogScreen;
class IMusicPlayer;

class CApplication
{
  public:
    static constexpr float kFrameMilliseconds = 16.0f;
    static constexpr std::uint32_t kFramePeriod = 16;
    static constexpr std::uint32_t kIdleSleep = 100;

    // The process-wide instance; Create replaces a previous one.
    static CApplication* Create(IPlatform& platform);
    static CApplication* Get();
    static void Destroy();

    // A window whose middle lies at or beyond the screen's right (bottom)
    // edge is moved to half its x (y).
    static void KeepOnScreen(int screenWidth, int screenHeight, int width, int height, int& x, int& y);
    // A first window's size: the largest of 2, 1.5 and 1 times the logical
    // size that fits the screen with a tenth of its height left for panels
    // (the logical size itself when none does).
    static void FirstWindowSize(int screenWidth, int screenHeight, int logicalWidth, int logicalHeight,
                                int& width, int& height);

    explicit CApplication(IPlatform& platform);
    ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    IPlatform& Platform() { return m_platform; }

    // Window, GL context and display mode. The window is made width by height
    // pixels; whatever its size, the screens see the logical size (set first).
    bool CreateMainWindow(const std::string& title, int x, int y, int width, int height);
    // False when the mode is refused; the window then stays as it was.
    bool SetFullScreen(int width, int height);
    // Back to the window's place and size from before full screen.
    bool SetWindowed();
    // Alt+Enter and F11: full screen in the logical size, or the window back.
    void ToggleFullScreen();
    // Loads the picture set that fits how large the window shows the picture
    // (a frame may wait for it; none is drawn with the other set's sizes).
    void FollowDetail();
    void Minimise();
    bool IsFullScreen() const { return m_full_screen; }
    // How often the display mode has changed, whatever changed it (a refused
    // or idle request is no change).
    int ModeChanges() const { return m_mode_changes; }
    bool IsMinimised() const { return m_minimised; }
    bool IsActive() const { return m_active; }
    // The window's place and real size on the desktop, or, in full screen,
    // those it goes back to: what the settings keep.
    CRect GetWindowedRect() const;
    void GetCursorClientPos(int& x, int& y) const;
    void GetCursorDesktopPos(int& x, int& y) const;
    CRect GetWindowRect() const;
    // Moves the window, keeping its size.
    void MoveWindow(int left, int top);
    void ShowWindow(bool show);
    void SetOrthoProjection(int viewportWidth, int viewportHeight, bool flip);
    void SetLogicalSize(int width, int height);
    int GetLogicalWidth() const { return m_logical_width; }
    int GetLogicalHeight() const { return m_logical_height; }
    // Releases the GL resources and the window, and leaves full screen.
    void Shutdown();

    // Screen stack and dialogs (not owned).
    void PushScreen(CScreen* screen);
    void PushDialog(CDialogScreen* dialog);
    // now = false: carried out by the next frame step.
    void CloseTop(bool now);
    // Takes a screen off the stack without notifying anyone (start-up's intro).
    void RemoveScreen(CScreen* screen);
    CScreen* TopScreen() const;
    CScreen* InputTarget() const;
    std::size_t ScreenCount() const { return m_screens.size(); }
    std::size_t DialogCount() const { return m_dialogs.size(); }

    // The window procedure: one message, routed to the input target.
    void HandleEvent(const CPlatformEvent& event);
    // Whether a held key's auto-repeat reaches the screens (text editing keys).
    static bool RepeatsWhenHeld(int virtualKey);
    void PostQuit() { m_platform.PostQuit(); }
    // Posts the close message, as screens do to end the program.
    void PostClose();

    void FrameStep(float elapsed);
    void DrawScreens();
    // Runs until the quit message; returns its code (always 0).
    int RunLoop(bool gameMode, IMusicPlayer* music);

    // Hooks of the frame loop for scripted runs: `beforeFrame` runs before the
    // messages of frame n are taken, `afterDraw` after frame n is drawn and
    // before the buffers are swapped, `afterFrame` once frame n is over.
    using FrameHook = std::function<void(std::uint32_t frame)>;
    void SetFrameHooks(FrameHook beforeFrame, FrameHook afterDraw, FrameHook afterFrame);
    void SetPacing(bool pacing) { m_pacing = pacing; }

    // Whether the back buffer holds the picture `screen` drew last frame, all
    // of it, so that this frame may redraw only what moved. Off for checks
    // against whole drawing.
    bool LastFrameKept(const CScreen* screen) const;
    static void SetPartialRedraws(bool enabled);

  private:
    // The two halves of HandleEvent: what the window itself went through, and
    // the player's input for the input target.
    void HandleWindowEvent(const CPlatformEvent& event);
    void HandleInput(const CPlatformEvent& event);
    void DoClose();
    void DeliverDialogResult();
    void TrackFocus(IMusicPlayer* music);

    IPlatform& m_platform;
    bool m_window_created = false;
    bool m_full_screen = false;
    int m_mode_changes = 0;
    bool m_minimised = false;
    bool m_active = false;
    int m_remembered_left = 0;
    int m_remembered_top = 0;
    int m_remembered_width = 0;
    int m_remembered_height = 0;
    int m_logical_width = 1024;
    int m_logical_height = 768;

    std::vector<CScreen*> m_screens;       // [0] is the top
    std::vector<CDialogScreen*> m_dialogs; // [0] is the newest
    CDialogScreen* m_pending_dialog = nullptr;
    bool m_deliver = false;
    bool m_close_request = false;
    // The last key pressed opened a screen or dialog: the characters it
    // types follow it, and belong to neither.
    bool m_key_opened = false;

    // Frame loop state.
    bool m_pacing = true;
    std::uint32_t m_frame = 0;
    bool m_focus = true;
    bool m_music_was_playing = false;
    const CScreen* m_kept_screen = nullptr; // drew the whole of the last frame
    int m_kept_size[2] = {0, 0};
    FrameHook m_before_frame;
    FrameHook m_after_draw;
    FrameHook m_after_frame;
};

CApplication& Application();
