// Frame stepping and drawing of the board's sprite sheets.
#include "rules/BoardSprite.h"

#include "platform/Gl.h"

#include <utility>

namespace NGame
{
CBoardSprite::CBoardSprite(int groups, int frames, unsigned texture)
    : m_texture(texture), m_groups(groups < 1 ? 1 : groups), m_frames(frames < 1 ? 1 : frames)
{
}

void CBoardSprite::SetFrame(int frame)
{
    if (frame >= 0 && frame < m_frames)
    {
        m_frame = frame;
        m_elapsed = static_cast<float>(frame) * static_cast<float>(m_frameTime);
    }
    else
    {
        m_frame = 0;
        m_elapsed = 0.0f;
    }
}

void CBoardSprite::Update(float elapsedMs)
{
    m_elapsed += elapsedMs;
    if (m_elapsed <= static_cast<float>(m_frameTime))
        return;
    m_elapsed = 0.0f;
    if (m_reverse)
    {
        if (--m_frame < 0)
            m_frame = m_frames - 1;
    }
    else if (++m_frame >= m_frames)
    {
        m_frame = 0;
    }
}

void CBoardSprite::Draw(bool bind) const
{
    if (NGl::IsHeadless())
        return;
    if (bind)
        NGl::BindTexture(m_texture);
    if (m_blend)
    {
        NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        NGl::Enable(GL_BLEND);
        NGl::Disable(GL_ALPHA_TEST);
    }
    NGl::Enable(GL_TEXTURE_2D);
    float s0 = static_cast<float>(m_frame) / static_cast<float>(m_frames);
    float s1 = static_cast<float>(m_frame + 1) / static_cast<float>(m_frames);
    float t0 = static_cast<float>(m_group) / static_cast<float>(m_groups);
    float t1 = static_cast<float>(m_group + 1) / static_cast<float>(m_groups);
    if (s1 >= 1.0f)
        s1 = 1.0f;
    if (t1 >= 1.0f)
        t1 = 1.0f;
    if (m_flip)
        std::swap(t0, t1);
    const float hw = m_width / 2.0f;
    const float hh = m_height / 2.0f;
    NGl::Begin(GL_TRIANGLE_STRIP);
    NGl::TexCoord(s1, t0);
    NGl::Vertex(m_x + hw, m_y - hh);
    NGl::TexCoord(s0, t0);
    NGl::Vertex(m_x - hw, m_y - hh);
    NGl::TexCoord(s1, t1);
    NGl::Vertex(m_x + hw, m_y + hh);
    NGl::TexCoord(s0, t1);
    NGl::Vertex(m_x - hw, m_y + hh);
    NGl::End();
    if (m_blend)
        NGl::Disable(GL_BLEND);
}
} // namespace NGame
