// The kept layer: a copy of the viewport in a texture, drawn back
// unfiltered and unblended so that every pixel comes back as it was.
#include "media/LayerCache.h"

#include "platform/Gl.h"
#include "platform/Letterbox.h"

#include <algorithm>
#include <cmath>

namespace
{
bool g_enabled = true;

GLint PowerOfTwoAtLeast(GLint value)
{
    GLint size = 1;
    while (size < value && size < (1 << 14))
        size <<= 1;
    return size;
}
} // namespace

CLayerCache::~CLayerCache()
{
    Forget();
}

void CLayerCache::SetEnabled(bool enabled)
{
    g_enabled = enabled;
}

bool CLayerCache::Usable() const
{
    return g_enabled && !NGl::IsHeadless();
}

namespace
{
// Under a frame clip only the clipped part of the back buffer is this frame's;
// a copy reaching past it would keep a stale picture.
bool InsideFrameClip(GLint x, GLint y, GLint width, GLint height)
{
    GLint clip[4];
    if (!NGl::GetFrameClip(clip))
        return true;
    return x >= clip[0] && y >= clip[1] && x + width <= clip[0] + clip[2] && y + height <= clip[1] + clip[3];
}
} // namespace

void CLayerCache::Forget()
{
    if (m_texture)
        NGl::DeleteTexture(m_texture);
    m_texture = 0;
    m_texture_size[0] = m_texture_size[1] = 0;
    m_kept = false;
    m_look.clear();
}

const std::vector<double>* CLayerCache::KeptLook() const
{
    if (!Usable() || !m_kept)
        return nullptr;
    GLint viewport[4];
    NGl::GetWindowViewport(viewport);
    return std::equal(viewport, viewport + 4, m_viewport) ? &m_look : nullptr;
}

void CLayerCache::DrawKept() const
{
    if (!Usable() || !m_kept)
        return;
    // Texel i of the copy lands on pixel i: the quad covers the viewport exactly
    // and nearest sampling at texel centres leaves nothing to interpolate.
    NGl::MatrixMode(GL_PROJECTION);
    NGl::PushMatrix();
    NGl::LoadIdentity();
    NGl::Ortho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
    NGl::MatrixMode(GL_MODELVIEW);
    NGl::PushMatrix();
    NGl::LoadIdentity();
    NGl::Disable(GL_BLEND);
    NGl::Disable(GL_ALPHA_TEST);
    NGl::Disable(GL_DEPTH_TEST);
    NGl::Enable(GL_TEXTURE_2D);
    NGl::BindTexture(m_texture);
    NGl::TexEnvMode(GL_REPLACE);
    const float s = static_cast<float>(m_viewport[2]) / static_cast<float>(m_texture_size[0]);
    const float t = static_cast<float>(m_viewport[3]) / static_cast<float>(m_texture_size[1]);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.0f, 0.0f);
    NGl::Vertex(0.0f, 0.0f);
    NGl::TexCoord(s, 0.0f);
    NGl::Vertex(1.0f, 0.0f);
    NGl::TexCoord(s, t);
    NGl::Vertex(1.0f, 1.0f);
    NGl::TexCoord(0.0f, t);
    NGl::Vertex(0.0f, 1.0f);
    NGl::End();
    NGl::TexEnvMode(GL_MODULATE);
    NGl::MatrixMode(GL_PROJECTION);
    NGl::PopMatrix();
    NGl::MatrixMode(GL_MODELVIEW);
    NGl::PopMatrix();
}

void CLayerCache::BeginRedraw(float x0, float y0, float x1, float y1, float logicalWidth, float logicalHeight)
{
    if (!Usable() || !m_kept || logicalWidth <= 0.0f || logicalHeight <= 0.0f)
        return;
    // Window pixels, rounded outwards and held inside the viewport; the
    // kept copy counts them from the viewport's corner.
    const SWindowRect rect =
        PictureAreaToWindow(m_viewport, logicalWidth, logicalHeight, x0, y0, x1, y1, 0, true);
    m_redraw[0] = rect.m_x - m_viewport[0];
    m_redraw[1] = rect.m_y - m_viewport[1];
    m_redraw[2] = rect.m_width;
    m_redraw[3] = rect.m_height;
    NGl::WindowScissor(m_viewport[0] + m_redraw[0], m_viewport[1] + m_redraw[1], m_redraw[2], m_redraw[3]);
    NGl::Enable(GL_SCISSOR_TEST);
    NGl::Clear(GL_COLOR_BUFFER_BIT);
}

void CLayerCache::EndRedraw(const std::vector<double>& look)
{
    if (!Usable() || !m_kept)
        return;
    NGl::Disable(GL_SCISSOR_TEST);
    if (!InsideFrameClip(m_viewport[0] + m_redraw[0], m_viewport[1] + m_redraw[1], m_redraw[2], m_redraw[3]))
    {
        Forget();
        return;
    }
    NGl::BindTexture(m_texture);
    NGl::CopyTexSubImage2D(m_redraw[0], m_redraw[1], m_viewport[0] + m_redraw[0], m_viewport[1] + m_redraw[1],
                           m_redraw[2], m_redraw[3]);
    m_look = look;
}

void CLayerCache::Keep(const std::vector<double>& look)
{
    if (!Usable())
        return;
    NGl::GetWindowViewport(m_viewport);
    if (!InsideFrameClip(m_viewport[0], m_viewport[1], m_viewport[2], m_viewport[3]))
    {
        Forget();
        return;
    }
    // The copy's own size where the driver allows it: a software renderer
    // keeps textures in ordinary memory.
    const bool anySize = NGl::HasAnySizeTextures();
    const GLint width = anySize ? m_viewport[2] : PowerOfTwoAtLeast(m_viewport[2]);
    const GLint height = anySize ? m_viewport[3] : PowerOfTwoAtLeast(m_viewport[3]);
    if (m_viewport[2] <= 0 || m_viewport[3] <= 0 || width < m_viewport[2] || height < m_viewport[3])
    {
        Forget();
        return;
    }
    if (!m_texture || width != m_texture_size[0] || height != m_texture_size[1])
    {
        Forget();
        m_texture = NGl::CreateTexture();
        if (!m_texture)
            return;
        NGl::BindTexture(m_texture);
        NGl::TexImage2D(0, GL_RGBA8, width, height, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        NGl::TexParameter(GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        NGl::TexParameter(GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        NGl::TexParameter(GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        NGl::TexParameter(GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        m_texture_size[0] = width;
        m_texture_size[1] = height;
    }
    NGl::BindTexture(m_texture);
    NGl::CopyTexSubImage2D(0, 0, m_viewport[0], m_viewport[1], m_viewport[2], m_viewport[3]);
    m_look = look;
    m_kept = true;
}
