// Picture button: hover and press looks, press notifies the owner.
#include "widgets/SimpleButton.h"
#include "widgets/LayoutPosition.h"

#include "framework/Application.h"
#include "framework/Screen.h"
#include "media/Sound.h"
#include "media/Texture.h"
#include "storage/PropertyFile.h"
#include "widgets/HitTest.h"

CSimpleButton::CSimpleButton(CScreen* owner, CTexture* texture) : m_owner(owner), m_texture(texture)
{
    if (m_texture)
    {
        m_width = static_cast<float>(m_texture->GetWidth());
        m_height = static_cast<float>(m_texture->GetHeight() / 4);
    }
}

void CSimpleButton::SetPosition(float x, float y, float z)
{
    m_x = x;
    m_y = y;
    m_z = z;
}

void CSimpleButton::LoadLayout(const CPropertyFile& layout, const std::string& name)
{
    const SLayoutPosition at = ReadLayoutPosition(layout, name);
    SetPosition(at.m_x, at.m_y, at.m_z);
}

bool CSimpleButton::Hits(int x, int y) const
{
    return InsideTruncated(x, y, m_x, m_y, m_width, m_height);
}

bool CSimpleButton::IsMouseOver() const
{
    const CApplication* app = CApplication::Get();
    if (!app)
        return false;
    int x = 0;
    int y = 0;
    app->GetCursorClientPos(x, y);
    return Hits(x, y);
}

bool CSimpleButton::OnMouseMove(int x, int y, std::uint32_t)
{
    if (!m_visible)
        return false;
    // The disabled look gives way to the hover and normal looks on the first
    // move; the flag itself still refuses presses.
    if (Hits(x, y))
    {
        m_state = kHover;
        return true;
    }
    m_state = kNormal;
    return false;
}

bool CSimpleButton::OnLButtonDown(int x, int y, std::uint32_t)
{
    if (!m_visible || m_disabled || !Hits(x, y))
        return false;
    m_state = kPressed;
    if (m_owner)
        m_owner->OnControl(this);
    if (m_click_sound)
        m_click_sound->PlaySound(true, false, -1);
    return true;
}

bool CSimpleButton::OnLButtonUp(int, int, std::uint32_t)
{
    if (!m_visible || m_disabled || m_state != kPressed)
        return false;
    m_state = kHover;
    return true;
}

void CSimpleButton::Reset()
{
    m_state = kNormal;
}

bool CSimpleButton::SetDisabled(bool disabled)
{
    m_disabled = disabled;
    if (disabled)
        m_state = kDisabled;
    else if (m_state == kDisabled)
        m_state = kNormal;
    return disabled;
}

void CSimpleButton::Draw()
{
    if (!m_visible)
        return;
    DrawBandQuad(m_texture ? m_texture->GetName() : 0, m_x, m_y, m_width, m_height, m_state, 4);
}

bool CSimpleButton::GetFocusPoint(float& x, float& y) const
{
    x = m_x + m_width / 2.0f;
    y = m_y + m_height / 2.0f;
    return m_visible && m_width > 0.0f && m_height > 0.0f;
}
