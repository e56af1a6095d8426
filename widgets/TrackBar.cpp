// Slider: thumb hit test, drag mapping with clamping, two-band thumb picture.
#include "widgets/TrackBar.h"
#include "widgets/LayoutPosition.h"

#include "framework/Screen.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "storage/PropertyFile.h"
#include "widgets/HitTest.h"

#include <algorithm>

CTrackBar::CTrackBar(CScreen* owner, CTexture* texture) : m_owner(owner), m_texture(texture)
{
    if (m_texture)
    {
        m_thumb_width = static_cast<float>(m_texture->GetWidth());
        m_thumb_height = static_cast<float>(m_texture->GetHeight() / 2);
    }
}

float CTrackBar::Map(float a0, float a1, float b0, float b1, float v)
{
    // A zero-length track or an empty range would divide by zero and leave
    // the value (and the thumb) at infinity or NaN.
    if (a1 == a0)
        return b0;
    return (b1 - b0) / (a1 - a0) * (v - a0) + b0;
}

void CTrackBar::SetPosition(float x, float y, float z)
{
    m_x = x;
    m_y = y;
    m_z = z;
}

void CTrackBar::LoadLayout(const CPropertyFile& layout, const std::string& name)
{
    const SLayoutPosition at = ReadLayoutPosition(layout, name);
    SetPosition(at.m_x, at.m_y, at.m_z);
}

void CTrackBar::SetRange(float minimum, float maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    SetValue(m_value);
}

void CTrackBar::SetValue(float value)
{
    m_value = std::clamp(value, std::min(m_minimum, m_maximum), std::max(m_minimum, m_maximum));
}

float CTrackBar::ThumbLeft() const
{
    return m_x + Map(m_minimum, m_maximum, 0.0f, m_length, m_value);
}

bool CTrackBar::OnLButtonDown(int x, int y, std::uint32_t)
{
    m_dragging = false;
    if (!InsideTruncated(x, y, ThumbLeft(), m_y, m_thumb_width, m_thumb_height))
        return false;
    m_dragging = true;
    return true;
}

bool CTrackBar::OnMouseMove(int x, int, std::uint32_t)
{
    if (!m_dragging)
        return false;
    SetValue(Map(0.0f, m_length, m_minimum, m_maximum, x - m_x - m_thumb_width / 2.0f));
    return true;
}

bool CTrackBar::OnLButtonUp(int, int, std::uint32_t)
{
    // The owner reads the value only when the drag ends.
    if (m_dragging && m_owner)
    {
        m_dragging = false;
        m_owner->OnControl(this);
    }
    m_dragging = false;
    return false;
}

void CTrackBar::Draw()
{
    const float t0 = m_dragging ? 0.5f : 0.0f;
    const float t1 = m_dragging ? 1.0f : 0.5f;
    const float left = ThumbLeft();
    NGl::BindTexture(m_texture ? m_texture->GetName() : 0);
    NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    NGl::Enable(GL_BLEND);
    NGl::Disable(GL_ALPHA_TEST);
    NGl::Enable(GL_TEXTURE_2D);
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.0f, t1);
    NGl::Vertex(left, m_y, m_z);
    NGl::TexCoord(0.0f, t0);
    NGl::Vertex(left, m_y + m_thumb_height, m_z);
    NGl::TexCoord(1.0f, t0);
    NGl::Vertex(left + m_thumb_width, m_y + m_thumb_height, m_z);
    NGl::TexCoord(1.0f, t1);
    NGl::Vertex(left + m_thumb_width, m_y, m_z);
    NGl::End();
    NGl::Disable(GL_BLEND);
}

void CTrackBar::Step(float delta)
{
    SetValue(m_value + delta);
}
