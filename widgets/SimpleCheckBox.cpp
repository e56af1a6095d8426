// Check box: hover looks in both states, toggle on release under the mouse.
#include "widgets/SimpleCheckBox.h"
#include "widgets/LayoutPosition.h"

#include "framework/Screen.h"
#include "media/Sound.h"
#include "media/Texture.h"
#include "storage/PropertyFile.h"
#include "widgets/HitTest.h"

CSimpleCheckBox::CSimpleCheckBox(CScreen* owner, CTexture* texture, float extraHitWidth)
    : m_owner(owner), m_texture(texture), m_extra_hit_width(extraHitWidth)
{
    if (m_texture)
    {
        m_width = static_cast<float>(m_texture->GetWidth());
        m_height = static_cast<float>(m_texture->GetHeight() / 4);
    }
}

void CSimpleCheckBox::SetPosition(float x, float y, float z)
{
    m_x = x;
    m_y = y;
    m_z = z;
}

void CSimpleCheckBox::LoadLayout(const CPropertyFile& layout, const std::string& name)
{
    const SLayoutPosition at = ReadLayoutPosition(layout, name);
    SetPosition(at.m_x, at.m_y, at.m_z);
}

bool CSimpleCheckBox::Hits(int x, int y) const
{
    return InsideTruncated(x, y, m_x, m_y, m_width + m_extra_hit_width, m_height);
}

bool CSimpleCheckBox::OnMouseMove(int x, int y, std::uint32_t)
{
    if (Hits(x, y))
    {
        if (m_state == kUnchecked || m_state == kChecked)
            ++m_state;
        return true;
    }
    if (m_state == kUncheckedHover || m_state == kCheckedHover)
        --m_state;
    return false;
}

bool CSimpleCheckBox::OnLButtonDown(int x, int y, std::uint32_t)
{
    if (!Hits(x, y))
        return false;
    if (m_click_sound)
        m_click_sound->PlaySound(true, false, -1);
    return true;
}

bool CSimpleCheckBox::OnLButtonUp(int, int, std::uint32_t)
{
    // Only the hover states toggle: the release must happen under the mouse,
    // wherever the press began.
    if (m_state == kUncheckedHover)
        m_state = kCheckedHover;
    else if (m_state == kCheckedHover)
        m_state = kUncheckedHover;
    else
        return false;
    if (m_owner)
        m_owner->OnControl(this);
    return true;
}

void CSimpleCheckBox::Draw()
{
    DrawBandQuad(m_texture ? m_texture->GetName() : 0, m_x, m_y, m_width, m_height, m_state, 4);
}

bool CSimpleCheckBox::GetFocusPoint(float& x, float& y) const
{
    x = m_x + m_width / 2.0f;
    y = m_y + m_height / 2.0f;
    return m_width > 0.0f && m_height > 0.0f;
}
