// Base screen behaviour: fan every event out to all controls (no early exit)
// and drag the window while the left button is held on empty area.
#include "framework/Screen.h"

#include "framework/Application.h"
#include "framework/Control.h"
#include "platform/KeyCodes.h"

#include <algorithm>
#include <cmath>
#include <vector>

void CScreen::Update(float elapsed)
{
    if (m_dragging)
    {
        // The button may have been released outside the window, where no
        // release message reaches us.
        int cx = 0;
        int cy = 0;
        CApplication& app = Application();
        app.GetCursorDesktopPos(cx, cy);
        const CRect rect = app.GetWindowRect();
        if (cx < rect.m_left || cy < rect.m_top || cx >= rect.m_left + rect.m_width ||
            cy >= rect.m_top + rect.m_height)
            m_dragging = false;
    }
    for (CControl* control : m_controls)
        control->Update(elapsed);
}

void CScreen::Draw()
{
    for (CControl* control : m_controls)
        control->Draw();
}

void CScreen::Activate()
{
    m_dragging = false;
    for (CControl* control : m_controls)
        control->Reset();
}

void CScreen::OnKeyDown(int key)
{
    for (CControl* control : m_controls)
        control->OnKeyDown(key);
    if (!m_keyboard_navigation)
        return;
    CApplication& app = Application();
    if (key == NKey::kTab)
        MoveFocus(app.Platform().IsKeyDown(NKey::kShift) ? -1 : 1);
    else if (key == NKey::kDown || key == NKey::kUp)
        MoveFocus(key == NKey::kDown ? 1 : -1);
    else if (key == NKey::kSpace)
    {
        int x = 0;
        int y = 0;
        app.GetCursorClientPos(x, y);
        // The pointer's own move may still be queued behind this key: a check
        // box toggles only while hovered, so the hover follows it first.
        OnMouseMove(x, y, 0);
        OnLButtonDown(x, y, kMouseFlagLButton);
        OnLButtonUp(x, y, 0);
    }
}

void CScreen::FocusToClient(float&, float&) const {}

void CScreen::MoveFocus(int step)
{
    struct SStop
    {
        CControl* m_control;
        float m_x;
        float m_y;
    };
    std::vector<SStop> stops;
    for (CControl* control : m_controls)
    {
        SStop stop{control, 0.0f, 0.0f};
        if (!control->IsDisabled() && control->GetFocusPoint(stop.m_x, stop.m_y))
            stops.push_back(stop);
    }
    if (stops.empty())
        return;
    // Reading order: rows from the top, left to right within a row.
    std::stable_sort(stops.begin(), stops.end(),
                     [](const SStop& a, const SStop& b) {
                         return std::lround(a.m_y / 8.0f) != std::lround(b.m_y / 8.0f) ? a.m_y < b.m_y
                                                                                       : a.m_x < b.m_x;
                     });
    const auto count = static_cast<int>(stops.size());
    int next = step > 0 ? 0 : count - 1;
    for (int i = 0; i < count; ++i)
        if (stops[static_cast<std::size_t>(i)].m_control == m_focused)
            next = ((i + step) % count + count) % count;
    SStop& stop = stops[static_cast<std::size_t>(next)];
    m_focused = stop.m_control;
    FocusToClient(stop.m_x, stop.m_y);
    Application().Platform().WarpCursor(static_cast<int>(std::lround(stop.m_x)),
                                        static_cast<int>(std::lround(stop.m_y)));
}

void CScreen::OnChar(std::uint16_t character, std::uint16_t repeat)
{
    for (CControl* control : m_controls)
        control->OnChar(character, repeat);
}

void CScreen::OnMouseMove(int x, int y, std::uint32_t flags)
{
    if (m_dragging && IsDraggable())
    {
        CApplication& app = Application();
        int cx = 0;
        int cy = 0;
        app.GetCursorDesktopPos(cx, cy);
        app.MoveWindow(m_drag_left + cx - m_anchor_x, m_drag_top + cy - m_anchor_y);
    }
    bool taken = false;
    for (CControl* control : m_controls)
        taken = control->OnMouseMove(x, y, flags) || taken;
    if (taken)
        m_dragging = false;
}

void CScreen::OnLButtonUp(int x, int y, std::uint32_t flags)
{
    m_dragging = false;
    for (CControl* control : m_controls)
        control->OnLButtonUp(x, y, flags);
}

void CScreen::OnLButtonDown(int x, int y, std::uint32_t flags)
{
    StartDrag();
    bool taken = false;
    for (CControl* control : m_controls)
        taken = control->OnLButtonDown(x, y, flags) || taken;
    if (taken)
        m_dragging = false;
}

void CScreen::OnRButtonUp(int x, int y, std::uint32_t flags)
{
    m_dragging = false;
    for (CControl* control : m_controls)
        control->OnRButtonUp(x, y, flags);
}

bool CScreen::IsDraggable() const
{
    // Alt+Enter and F11 switch on every screen and tell none of them.
    const CApplication* app = CApplication::Get();
    return m_draggable && !(app && app->IsFullScreen());
}

void CScreen::OnControl(CControl*)
{
    m_dragging = false;
}
void CScreen::OnDialogClosed(int, CDialogScreen*) {}
void CScreen::OnScreenClosed(CScreen*) {}
void CScreen::OnCloseRequest() {}

void CScreen::StartDrag()
{
    m_dragging = true;
    CApplication& app = Application();
    app.GetCursorDesktopPos(m_anchor_x, m_anchor_y);
    const CRect rect = app.GetWindowRect();
    m_drag_left = rect.m_left;
    m_drag_top = rect.m_top;
}
