// The application object: display mode, screen stack, window procedure and
// the fixed-step frame loop.
#include "framework/Application.h"

#include "framework/DialogScreen.h"
#include "framework/Screen.h"
#include "media/Audio.h"
#include "media/Music.h"
#include "media/MusicPlayer.h"
#include "media/ResourceGroup.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "platform/KeyCodes.h"
#include "storage/Settings.h"

#include <algorithm>
#include <memory>

namespace
{
std::unique_ptr<CApplication> g_application;
bool g_partial_redraws = true;
} // namespace

CApplication* CApplication::Create(IPlatform& platform)
{
    g_application.reset();
    g_application = std::make_unique<CApplication>(platform);
    return g_application.get();
}

CApplication* CApplication::Get()
{
    return g_application.get();
}

void CApplication::Destroy()
{
    g_application.reset();
}

CApplication& Application()
{
    return *g_application;
}

void CApplication::KeepOnScreen(int screenWidth, int screenHeight, int width, int height, int& x, int& y)
{
    // In 64 bits: a hostile settings file may hold any int.
    if (screenWidth <= static_cast<long long>(x) + width / 2)
        x /= 2;
    if (screenHeight <= static_cast<long long>(y) + height / 2)
        y /= 2;
}

void CApplication::FirstWindowSize(int screenWidth, int screenHeight, int logicalWidth, int logicalHeight,
                                   int& width, int& height)
{
    // Task bars and panels take some of the height; a tenth is more than most.
    const long long usableHeight = screenHeight - screenHeight / 10;
    width = logicalWidth;
    height = logicalHeight;
    // Halves, so that 1.5 stays exact in integers.
    for (const int halves : {4, 3})
    {
        const long long w = static_cast<long long>(logicalWidth) * halves / 2;
        const long long h = static_cast<long long>(logicalHeight) * halves / 2;
        if (w <= screenWidth && h <= usableHeight)
        {
            width = static_cast<int>(w);
            height = static_cast<int>(h);
            return;
        }
    }
}

CApplication::CApplication(IPlatform& platform) : m_platform(platform) {}

CApplication::~CApplication()
{
    if (m_window_created)
        Shutdown();
}

bool CApplication::CreateMainWindow(const std::string& title, int x, int y, int width, int height)
{
    m_remembered_left = x;
    m_remembered_top = y;
    m_remembered_width = width;
    m_remembered_height = height;
    if (!m_platform.CreateWindow(title, x, y, width, height))
        return false;
    m_window_created = true;
    // Textures need the GL context the window brought.
    ReloadAll();
    m_platform.ShowWindow(true);
    CAudio::Create()->SetInvertStereo(Settings().m_sound_invert);
    return true;
}

bool CApplication::SetFullScreen(int width, int height)
{
    // Modes the program never asks for; refused as the display driver would.
    if (width == 320 || width == 400 || width == 640)
        return false;
    if (!m_full_screen)
    {
        const CRect rect = m_platform.GetWindowRect();
        m_remembered_left = rect.m_left;
        m_remembered_top = rect.m_top;
        m_remembered_width = rect.m_width;
        m_remembered_height = rect.m_height;
    }
    // A refused mode leaves the window as it was; the caller must know, or
    // it takes the window for full screen (and asks again).
    if (!m_platform.EnterFullScreen(width, height))
        return false;
    m_mode_changes += m_full_screen ? 0 : 1;
    m_full_screen = true;
    m_platform.ShowWindow(true);
    return true;
}

bool CApplication::SetWindowed()
{
    m_platform.LeaveFullScreen();
    m_mode_changes += m_full_screen ? 1 : 0;
    m_full_screen = false;
    // Never been full screen: keep the size the window was made with rather
    // than shrinking it to nothing.
    if (m_remembered_width <= 0 || m_remembered_height <= 0)
    {
        m_remembered_width = m_logical_width;
        m_remembered_height = m_logical_height;
    }
    int screenWidth = 0;
    int screenHeight = 0;
    m_platform.GetScreenSize(screenWidth, screenHeight);
    // Where it was, unless the screen has shrunk under it since.
    int left = m_remembered_left;
    int top = m_remembered_top;
    KeepOnScreen(screenWidth, screenHeight, m_remembered_width, m_remembered_height, left, top);
    m_platform.MoveWindow(left, top, m_remembered_width, m_remembered_height);
    m_platform.ShowWindow(true);
    return true;
}

void CApplication::ToggleFullScreen()
{
    if (m_full_screen)
        SetWindowed();
    else
        SetFullScreen(m_logical_width, m_logical_height);
}

CRect CApplication::GetWindowedRect() const
{
    if (!m_full_screen)
        return m_platform.GetWindowRect();
    return {m_remembered_left, m_remembered_top, m_remembered_width, m_remembered_height};
}

void CApplication::Minimise()
{
    if (m_full_screen)
        SetWindowed();
    m_platform.MinimiseWindow();
    m_minimised = true;
}

void CApplication::GetCursorClientPos(int& x, int& y) const
{
    m_platform.GetCursorClientPos(x, y);
}

void CApplication::GetCursorDesktopPos(int& x, int& y) const
{
    m_platform.GetCursorDesktopPos(x, y);
}

CRect CApplication::GetWindowRect() const
{
    return m_platform.GetWindowRect();
}

void CApplication::MoveWindow(int left, int top)
{
    const CRect rect = m_platform.GetWindowRect();
    m_platform.MoveWindow(left, top, rect.m_width, rect.m_height);
}

void CApplication::ShowWindow(bool show)
{
    m_platform.ShowWindow(show);
}

void CApplication::SetOrthoProjection(int viewportWidth, int viewportHeight, bool flip)
{
    NGl::Viewport(0, 0, viewportWidth, viewportHeight);
    NGl::MatrixMode(GL_PROJECTION);
    NGl::LoadIdentity();
    const double bottom = flip ? -m_logical_height : m_logical_height;
    NGl::Ortho(0.0, m_logical_width, bottom, 0.0, -50.0, 50.0);
    NGl::MatrixMode(GL_MODELVIEW);
    NGl::LoadIdentity();
}

void CApplication::SetLogicalSize(int width, int height)
{
    m_logical_width = width;
    m_logical_height = height;
}

void CApplication::Shutdown()
{
    if (!m_window_created)
        return;
    ReleaseAll();
    // The module goes while the mixer that decodes it is still open; a track
    // this mixer could not load may load with the next one.
    NAudio::TheMusic().Stop();
    NAudio::TheMusic().ForgetFailures();
    CAudio::Destroy();
    if (m_full_screen)
    {
        m_platform.LeaveFullScreen();
        m_full_screen = false;
    }
    m_platform.DestroyWindow();
    m_window_created = false;
}

void CApplication::PushScreen(CScreen* screen)
{
    screen->Activate();
    m_screens.insert(m_screens.begin(), screen);
}

void CApplication::PushDialog(CDialogScreen* dialog)
{
    m_dialogs.insert(m_dialogs.begin(), dialog);
    dialog->Activate();
    if (CScreen* top = TopScreen())
        top->Activate();
}

void CApplication::CloseTop(bool now)
{
    if (now)
        DoClose();
    else
        m_close_request = true;
}

void CApplication::RemoveScreen(CScreen* screen)
{
    m_screens.erase(std::remove(m_screens.begin(), m_screens.end(), screen), m_screens.end());
}

CScreen* CApplication::TopScreen() const
{
    return m_screens.empty() ? nullptr : m_screens.front();
}

CScreen* CApplication::InputTarget() const
{
    if (!m_dialogs.empty())
        return m_dialogs.front();
    return TopScreen();
}

void CApplication::DoClose()
{
    if (!m_dialogs.empty())
    {
        m_pending_dialog = m_dialogs.front();
        m_dialogs.erase(m_dialogs.begin());
        m_deliver = true;
    }
    else if (m_screens.size() > 1)
    {
        CScreen* closed = m_screens.front();
        m_screens.erase(m_screens.begin());
        m_screens.front()->OnScreenClosed(closed);
        m_screens.front()->Activate();
    }
    // The bottom screen is never closed this way.
}

void CApplication::DeliverDialogResult()
{
    if (!m_deliver)
        return;
    m_deliver = false;
    CDialogScreen* dialog = m_pending_dialog;
    m_pending_dialog = nullptr;
    CScreen* receiver = InputTarget();
    if (receiver && dialog)
        receiver->OnDialogClosed(dialog->GetResult(), dialog);
}

bool CApplication::RepeatsWhenHeld(int virtualKey)
{
    return virtualKey == NKey::kBackspace || virtualKey == NKey::kDelete || virtualKey == NKey::kLeft ||
           virtualKey == NKey::kRight;
}

void CApplication::HandleEvent(const CPlatformEvent& event)
{
    if (event.m_type != CPlatformEvent::kChar)
        m_key_opened = false;
    switch (event.m_type)
    {
    case CPlatformEvent::kActivate:
    case CPlatformEvent::kSize:
    case CPlatformEvent::kClose:
    case CPlatformEvent::kToggleFullScreen:
        HandleWindowEvent(event);
        break;
    case CPlatformEvent::kQuit:
    case CPlatformEvent::kNone:
        break;
    default:
        // Input may change any part of the picture (a button pressed, a
        // flower picked): the next frame is drawn whole.
        m_kept_screen = nullptr;
        HandleInput(event);
        break;
    }
}

void CApplication::HandleWindowEvent(const CPlatformEvent& event)
{
    switch (event.m_type)
    {
    case CPlatformEvent::kActivate:
        m_active = event.m_value != 0;
        break;
    case CPlatformEvent::kSize:
        m_kept_screen = nullptr;
        if (event.m_value == CPlatformEvent::kSizeMinimised)
            m_minimised = true;
        else if (event.m_value == CPlatformEvent::kSizeRestored && m_minimised)
        {
            m_minimised = false;
            if (CScreen* top = TopScreen())
                top->Activate();
        }
        break;
    case CPlatformEvent::kClose:
        // The program's own close always quits: were it routed to the screen
        // again while F4 is still held, the screen would post it again, and
        // so on until the key is released.
        if (event.m_value == 0 && m_platform.IsKeyDown(NKey::kF4))
        {
            // Alt+F4: the top screen decides; open dialogs are simply dropped.
            m_dialogs.clear();
            if (CScreen* top = TopScreen())
                top->OnCloseRequest();
        }
        else
        {
            m_platform.ShowWindow(false);
            m_platform.PostQuit();
        }
        break;
    case CPlatformEvent::kToggleFullScreen:
        // Dialogs and screens follow it: draggable only while windowed, the
        // options' box from the state itself.
        ToggleFullScreen();
        m_kept_screen = nullptr;
        break;
    default:
        break;
    }
}

void CApplication::HandleInput(const CPlatformEvent& event)
{
    CScreen* target = InputTarget();
    if (!target)
        return;
    // Positions arrive as signed 16-bit client coordinates.
    const int x = static_cast<std::int16_t>(event.m_x);
    const int y = static_cast<std::int16_t>(event.m_y);
    switch (event.m_type)
    {
    case CPlatformEvent::kKeyDown:
        // A held key repeats only where repeating is editing: a held Escape
        // would leave the game and then quit from the menu, a held L would
        // buy a life a tenth of a second.
        if (!(event.m_flags & kKeyFlagRepeat) || RepeatsWhenHeld(event.m_value))
        {
            target->OnKeyDown(event.m_value);
            // Space at "GAME OVER" would start the name it asks with a blank.
            m_key_opened = InputTarget() != target;
        }
        break;
    case CPlatformEvent::kChar:
        if (!m_key_opened)
            target->OnChar(static_cast<std::uint16_t>(event.m_value),
                           static_cast<std::uint16_t>(event.m_repeat));
        break;
    case CPlatformEvent::kMouseMove:
        target->OnMouseMove(x, y, event.m_flags);
        break;
    case CPlatformEvent::kLButtonDown:
        target->OnLButtonDown(x, y, event.m_flags);
        break;
    case CPlatformEvent::kLButtonUp:
        target->OnLButtonUp(x, y, event.m_flags);
        break;
    case CPlatformEvent::kRButtonUp:
        target->OnRButtonUp(x, y, event.m_flags);
        break;
    default:
        break;
    }
}

void CApplication::PostClose()
{
    CPlatformEvent close;
    close.m_type = CPlatformEvent::kClose;
    close.m_value = 1;
    m_platform.PushEvent(close);
}

void CApplication::FrameStep(float elapsed)
{
    if (m_close_request)
    {
        m_close_request = false;
        DoClose();
    }
    DeliverDialogResult();
    // Nobody sees a minimised window: the game waits rather than playing on
    // unseen, and the loop waits for a message instead of running frames.
    if (m_active && !m_minimised)
    {
        if (CScreen* target = InputTarget())
            target->Update(elapsed);
    }
    else if (!m_active)
        m_platform.Sleep(kIdleSleep);
    if (m_minimised)
        m_platform.WaitForEvent(kIdleSleep);
}

void CApplication::DrawScreens()
{
    if (m_minimised)
        return;
    if (CScreen* top = TopScreen())
        top->Draw();
    // Newest to oldest. Each dialog's translation is its own: without the
    // push/pop the second dialog would be drawn shifted by the first.
    for (CDialogScreen* dialog : m_dialogs)
    {
        NGl::PushMatrix();
        dialog->Draw();
        NGl::PopMatrix();
    }
}

void CApplication::FollowDetail()
{
    int width = 0;
    int height = 0;
    m_platform.GetDrawableSize(width, height);
    // Minimised, the window shows nothing: its set waits for the restore.
    if (m_minimised || width <= 0 || height <= 0 || m_logical_width <= 0 || m_logical_height <= 0)
        return;
    const float scale = std::min(static_cast<float>(width) / static_cast<float>(m_logical_width),
                                 static_cast<float>(height) / static_cast<float>(m_logical_height));
    const int detail = CTexture::DetailForScale(scale);
    if (detail == CTexture::Detail())
        return;
    CTexture::SetDetail(detail);
    m_kept_screen = nullptr;
}

void CApplication::SetPartialRedraws(bool enabled)
{
    g_partial_redraws = enabled;
}

bool CApplication::LastFrameKept(const CScreen* screen) const
{
    if (!g_partial_redraws || !m_platform.KeepsBackBuffer() || !screen || screen != m_kept_screen ||
        !m_dialogs.empty() || m_minimised)
        return false;
    int width = 0;
    int height = 0;
    m_platform.GetDrawableSize(width, height);
    return width == m_kept_size[0] && height == m_kept_size[1];
}

void CApplication::SetFrameHooks(FrameHook beforeFrame, FrameHook afterDraw, FrameHook afterFrame)
{
    m_before_frame = std::move(beforeFrame);
    m_after_draw = std::move(afterDraw);
    m_after_frame = std::move(afterFrame);
}

void CApplication::TrackFocus(IMusicPlayer* music)
{
    const bool foreground = m_platform.IsForeground();
    if (m_focus && !foreground)
    {
        m_focus = false;
        m_music_was_playing = music && music->IsPlaying();
        if (music)
            music->Stop();
    }
    else if (!m_focus && foreground)
    {
        m_focus = true;
        if (music && !music->IsPlaying() && m_music_was_playing)
            music->Play(-1);
    }
}

int CApplication::RunLoop(bool gameMode, IMusicPlayer* music)
{
    bool frameStarted = false;
    for (;;)
    {
        if (gameMode && !frameStarted)
        {
            if (m_before_frame)
                m_before_frame(m_frame);
            frameStarted = true;
        }
        CPlatformEvent event;
        if (m_platform.PollEvent(event))
        {
            if (event.m_type == CPlatformEvent::kQuit)
                return 0;
            HandleEvent(event);
            continue;
        }
        if (!gameMode)
        {
            m_platform.Sleep(1); // a plain message pump: wait for the next one
            continue;
        }

        const std::uint32_t t0 = m_platform.GetTicks();
        FollowDetail();
        FrameStep(kFrameMilliseconds);
        DrawScreens();
        if (m_after_draw)
            m_after_draw(m_frame);
        if (!m_minimised)
        {
            NGl::Flush();
            m_platform.SwapBuffers();
        }
        // A dialog's picture lies over the screen's: the screen alone cannot
        // tell what changed under it.
        m_kept_screen = m_minimised || !m_dialogs.empty() ? nullptr : TopScreen();
        m_platform.GetDrawableSize(m_kept_size[0], m_kept_size[1]);
        if (m_frame == 0)
            m_music_was_playing = music && music->IsPlaying();
        TrackFocus(music);

        // Compared as a signed distance so that a clock wrapping past 2^32
        // neither skips more than this frame's sleep nor sleeps for weeks.
        const std::uint32_t nextFrame = t0 + kFramePeriod;
        const auto remaining = static_cast<std::int32_t>(nextFrame - m_platform.GetTicks());
        if (m_pacing && remaining > 0)
            m_platform.Sleep(static_cast<std::uint32_t>(remaining) + 1);

        if (m_after_frame)
            m_after_frame(m_frame);
        ++m_frame;
        frameStarted = false;
    }
}
