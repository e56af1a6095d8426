// Collecting sprite quads and the 2D transforms they are drawn under.
#include "platform/QuadBatch.h"

#include <cmath>
#include <utility>

namespace NGl
{
namespace
{
constexpr std::size_t kFloatsPerVertex = 9;
} // namespace

void CQuadBatch::Begin()
{
    if (!m_enabled || m_active)
        return;
    m_sink.ReadState(m_applied, m_colour);
    m_wanted = m_applied;
    m_stack.assign(1, SAffine());
    m_active = true;
}

void CQuadBatch::End()
{
    if (!m_active)
        return;
    Flush();
    m_sink.SetColour(m_colour);
    m_active = false;
}

void CQuadBatch::Interrupt()
{
    if (m_active)
        Flush();
}

void CQuadBatch::DrawCollected()
{
    if (m_quads.empty())
        return;
    const std::vector<float> quads = std::move(m_quads);
    m_quads.clear();
    m_sink.DrawQuads(quads.data(), quads.size() / kFloatsPerVertex);
}

// Everything collected goes out, and GL takes the state the calls asked for.
void CQuadBatch::Flush()
{
    DrawCollected();
    if (m_wanted != m_applied)
    {
        m_sink.ApplyState(m_wanted);
        m_applied = m_wanted;
    }
}

bool CQuadBatch::SetCapability(GLenum capability, bool on)
{
    if (!m_active)
        return false;
    switch (capability)
    {
    case GL_BLEND:
        m_wanted.m_blend = on;
        return true;
    case GL_TEXTURE_2D:
        m_wanted.m_texturing = on;
        return true;
    case GL_ALPHA_TEST:
        m_wanted.m_alpha_test = on;
        return true;
    default:
        return false;
    }
}

bool CQuadBatch::BindTexture(GLuint name)
{
    if (!m_active)
        return false;
    m_wanted.m_texture = name;
    return true;
}

bool CQuadBatch::BlendFunc(GLenum source, GLenum destination)
{
    if (!m_active)
        return false;
    m_wanted.m_blend_source = source;
    m_wanted.m_blend_destination = destination;
    return true;
}

bool CQuadBatch::PushMatrix()
{
    if (!m_active)
        return false;
    m_stack.push_back(m_stack.back());
    return true;
}

bool CQuadBatch::PopMatrix()
{
    if (!m_active || m_stack.size() <= 1)
        return false;
    m_stack.pop_back();
    return true;
}

bool CQuadBatch::Translate(float x, float y, float z)
{
    if (!m_active || z != 0.0f)
        return false;
    SAffine& m = m_stack.back();
    m.tx += m.a * x + m.c * y;
    m.ty += m.b * x + m.d * y;
    return true;
}

bool CQuadBatch::Rotate(float angle, float x, float y, float z)
{
    if (!m_active || !(x == 0.0f && y == 0.0f && z > 0.0f))
        return false;
    const double radians = angle * 3.14159265358979323846 / 180.0;
    const float cs = static_cast<float>(std::cos(radians));
    const float sn = static_cast<float>(std::sin(radians));
    SAffine& m = m_stack.back();
    const SAffine o = m;
    m.a = o.a * cs + o.c * sn;
    m.b = o.b * cs + o.d * sn;
    m.c = -o.a * sn + o.c * cs;
    m.d = -o.b * sn + o.d * cs;
    return true;
}

bool CQuadBatch::Scale(float x, float y, float z)
{
    if (!m_active || z != 1.0f)
        return false;
    SAffine& m = m_stack.back();
    m.a *= x;
    m.b *= x;
    m.c *= y;
    m.d *= y;
    return true;
}

bool CQuadBatch::Color(float r, float g, float b, float a)
{
    if (!m_active)
        return false;
    m_colour[0] = r;
    m_colour[1] = g;
    m_colour[2] = b;
    m_colour[3] = a;
    return true;
}

bool CQuadBatch::TexCoord(float u, float v)
{
    if (!m_active)
        return false;
    m_u = u;
    m_v = v;
    return true;
}

bool CQuadBatch::BeginPrimitive(GLenum mode)
{
    if (!m_active)
        return false;
    m_in_primitive = true;
    m_mode = mode;
    m_primitive.clear();
    return true;
}

bool CQuadBatch::Vertex(float x, float y, float z)
{
    if (!m_active || !m_in_primitive)
        return false;
    const SAffine& m = m_stack.back();
    const float* c = m_colour;
    m_primitive.insert(m_primitive.end(), {m_u, m_v, c[0], c[1], c[2], c[3], m.a * x + m.c * y + m.tx,
                                           m.b * x + m.d * y + m.ty, z});
    return true;
}

bool CQuadBatch::EndPrimitive()
{
    if (!m_active || !m_in_primitive)
        return false;
    m_in_primitive = false;
    std::vector<float>& p = m_primitive;
    const std::size_t count = p.size() / kFloatsPerVertex;
    const bool strip = m_mode == GL_TRIANGLE_STRIP && count == 4;
    const bool quads = m_mode == GL_QUADS && count % 4 == 0;
    if (!strip && !quads)
    {
        // Not a quad: drawn on its own, after what came before it.
        Flush();
        m_sink.DrawPrimitive(m_mode, p.data(), count);
        m_sink.SetColour(m_colour);
        p.clear();
        return true;
    }
    if (m_wanted != m_applied)
        Flush();
    if (strip)
    {
        // Strip order 0 1 2 3 is the quad 0 1 3 2.
        static constexpr int kOrder[4] = {0, 1, 3, 2};
        for (int i : kOrder)
            m_quads.insert(m_quads.end(), p.begin() + i * kFloatsPerVertex,
                           p.begin() + (i + 1) * kFloatsPerVertex);
    }
    else
        m_quads.insert(m_quads.end(), p.begin(), p.end());
    p.clear();
    return true;
}
} // namespace NGl
