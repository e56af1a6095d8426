// A platform without a display for the headless tests: a scripted clock that
// sleeping advances, a message queue, and window, cursor and key state that
// tests set directly.
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <set>
#include <vector>

class CFakePlatform final : public IPlatform
{
  public:
    bool CreateWindow(const std::string&, int x, int y, int width, int height) override
    {
        m_window = {x, y, width, height};
        m_created = true;
        return m_create_succeeds;
    }
    void DestroyWindow() override { m_created = false; }
    void ShowWindow(bool show) override { m_visible = show; }
    void SetWindowIcon(int, int, const unsigned char*) override {}
    bool EnterFullScreen(int width, int height) override
    {
        if (!m_mode_switch_works)
            return false;
        m_full_screen = true;
        m_window = {0, 0, width, height};
        return true;
    }
    void LeaveFullScreen() override { m_full_screen = false; }
    void MoveWindow(int left, int top, int width, int height) override
    {
        m_window = {left, top, width, height};
        m_moves.push_back(m_window);
    }
    void MinimiseWindow() override { ++m_minimise_calls; }
    CRect GetWindowRect() const override { return m_window; }
    void GetDrawableSize(int& width, int& height) const override
    {
        width = m_window.m_width;
        height = m_window.m_height;
    }
    bool IsForeground() const override { return m_foreground; }
    void SwapBuffers() override { ++m_swaps; }
    bool KeepsBackBuffer() const override { return m_keeps_back_buffer; }
    bool PollEvent(CPlatformEvent& event) override
    {
        if (m_queue.empty())
            return false;
        event = m_queue.front();
        m_queue.pop_front();
        return true;
    }
    void PushEvent(const CPlatformEvent& event) override { m_queue.push_back(event); }
    void PostQuit() override
    {
        CPlatformEvent quit;
        quit.m_type = CPlatformEvent::kQuit;
        m_queue.push_back(quit);
    }
    void GetCursorDesktopPos(int& x, int& y) const override
    {
        x = m_cursor_x;
        y = m_cursor_y;
    }
    void GetCursorClientPos(int& x, int& y) const override
    {
        x = m_cursor_x - m_window.m_left;
        y = m_cursor_y - m_window.m_top;
    }
    bool IsMouseButtonDown(int button) const override { return m_buttons.count(button) != 0; }
    bool IsKeyDown(int virtualKey) const override { return m_keys.count(virtualKey) != 0; }
    void ShowCursor(bool show) override { m_cursor_shown = show; }
    void WarpCursor(int x, int y) override
    {
        m_cursor_x = x + m_window.m_left;
        m_cursor_y = y + m_window.m_top;
    }
    std::string GetClipboardText() const override { return m_clipboard; }
    std::uint32_t GetTicks() const override { return m_ticks; }
    void Sleep(std::uint32_t milliseconds) override
    {
        m_sleeps.push_back(milliseconds);
        m_ticks += milliseconds;
    }
    void GetScreenSize(int& width, int& height) const override
    {
        width = m_screen_width;
        height = m_screen_height;
    }

    bool m_create_succeeds = true;
    bool m_created = false;
    bool m_visible = false;
    bool m_mode_switch_works = true;
    bool m_full_screen = false;
    bool m_foreground = true;
    int m_minimise_calls = 0;
    int m_swaps = 0;
    bool m_keeps_back_buffer = false;
    CRect m_window;
    std::vector<CRect> m_moves;
    std::deque<CPlatformEvent> m_queue;
    int m_cursor_x = 0;
    int m_cursor_y = 0;
    std::set<int> m_buttons;
    std::set<int> m_keys;
    bool m_cursor_shown = true;
    std::string m_clipboard;
    std::uint32_t m_ticks = 1000;
    std::vector<std::uint32_t> m_sleeps;
    int m_screen_width = 1024;
    int m_screen_height = 768;
};
