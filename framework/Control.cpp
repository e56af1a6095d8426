// The do-nothing base behaviour of controls.
#include "framework/Control.h"

bool CControl::OnMouseMove(int, int, std::uint32_t)
{
    return false;
}
bool CControl::OnLButtonUp(int, int, std::uint32_t)
{
    return false;
}
bool CControl::OnRButtonUp(int, int, std::uint32_t)
{
    return false;
}
bool CControl::OnLButtonDown(int, int, std::uint32_t)
{
    return false;
}
void CControl::OnKeyDown(int) {}
void CControl::OnChar(std::uint16_t, std::uint16_t) {}
void CControl::Update(float) {}
void CControl::Draw() {}
void CControl::Reset() {}

bool CControl::SetDisabled(bool disabled)
{
    m_disabled = disabled;
    return m_disabled;
}

bool CControl::IsDisabled()
{
    return m_disabled;
}

bool CControl::GetFocusPoint(float&, float&) const
{
    return false;
}
