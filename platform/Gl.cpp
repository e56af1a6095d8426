// Pass-through to OpenGL 1.x and GLU, switched off entirely in headless mode,
// with an optional recorder that batches sprite quads.
#include "platform/Gl.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace NGl
{
namespace
{
bool g_headless = true;
ProcLoader g_loader = nullptr;

using CompressedTexImage2DProc = void (*)(GLenum, GLint, GLenum, GLsizei, GLsizei, GLint, GLsizei,
                                          const void*);
CompressedTexImage2DProc g_compressed = nullptr;
bool g_compressedLooked = false;
} // namespace

bool IsHeadless()
{
    return g_headless;
}

void SetHeadless(bool headless)
{
    g_headless = headless;
    g_compressedLooked = false;
    g_compressed = nullptr;
}

void SetProcLoader(ProcLoader loader)
{
    g_loader = loader;
    g_compressedLooked = false;
}

bool HasAnySizeTextures()
{
    if (g_headless)
        return false;
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version && version[0] >= '2' && version[0] <= '9';
}

GLuint CreateTexture()
{
    if (g_headless)
        return 0;
    GLuint name = 0;
    glGenTextures(1, &name);
    return name;
}

void DeleteTexture(GLuint name)
{
    if (!g_headless && name != 0)
        glDeleteTextures(1, &name);
}

// ---------------------------------------------------------------- quad batches

namespace
{
// x' = a x + c y + tx, y' = b x + d y + ty: the 2D part of the model-view
// matrix relative to the one in force when the batch began.
struct SAffine
{
    float a = 1.0f, b = 0.0f, c = 0.0f, d = 1.0f, tx = 0.0f, ty = 0.0f;
};

struct SDrawState
{
    GLuint m_texture = 0;
    bool m_blend = false;
    bool m_texturing = false;
    bool m_alphaTest = false;
    GLenum m_blendSource = GL_ONE;
    GLenum m_blendDestination = GL_ZERO;
    bool operator!=(const SDrawState& o) const
    {
        return m_texture != o.m_texture || m_blend != o.m_blend || m_texturing != o.m_texturing ||
               m_alphaTest != o.m_alphaTest || m_blendSource != o.m_blendSource ||
               m_blendDestination != o.m_blendDestination;
    }
};

void SubmitQuads(const float* interleaved, std::size_t vertexCount);

struct SRecorder
{
    bool m_enabled = true;
    bool m_active = false;
    // What GL has, and what the calls since have asked for; they meet only
    // when a quad is drawn, so an enable/disable pair around each sprite
    // costs nothing.
    SDrawState m_applied;
    SDrawState m_wanted;
    std::vector<SAffine> m_stack;
    float m_colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float m_u = 0.0f;
    float m_v = 0.0f;
    bool m_inPrimitive = false;
    GLenum m_mode = 0;
    std::vector<float> m_primitive; // vertices of the open primitive
    std::vector<float> m_quads;     // collected quads, in the layout of DrawTexturedQuads
};
SRecorder g_batch;

bool Recording()
{
    return g_batch.m_active;
}

void SetCapability(GLenum capability, bool on)
{
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

void ApplyState(const SDrawState& state)
{
    glBindTexture(GL_TEXTURE_2D, state.m_texture);
    SetCapability(GL_BLEND, state.m_blend);
    SetCapability(GL_TEXTURE_2D, state.m_texturing);
    SetCapability(GL_ALPHA_TEST, state.m_alphaTest);
    glBlendFunc(state.m_blendSource, state.m_blendDestination);
}

void DrawCollected()
{
    if (g_batch.m_quads.empty())
        return;
    const std::vector<float> quads = std::move(g_batch.m_quads);
    g_batch.m_quads.clear();
    SubmitQuads(quads.data(), quads.size() / 9);
}

// Everything collected goes out, and GL takes the state the calls asked for.
void FlushBatch()
{
    DrawCollected();
    if (g_batch.m_wanted != g_batch.m_applied)
    {
        ApplyState(g_batch.m_wanted);
        g_batch.m_applied = g_batch.m_wanted;
    }
}

// A call the batch does not collect: what came before is drawn first.
void Interrupt()
{
    if (Recording())
        FlushBatch();
}

bool TrackCapability(GLenum capability, bool on)
{
    SDrawState& wanted = g_batch.m_wanted;
    switch (capability)
    {
    case GL_BLEND:
        wanted.m_blend = on;
        return true;
    case GL_TEXTURE_2D:
        wanted.m_texturing = on;
        return true;
    case GL_ALPHA_TEST:
        wanted.m_alphaTest = on;
        return true;
    default:
        return false;
    }
}

void EndPrimitive()
{
    std::vector<float>& p = g_batch.m_primitive;
    const std::size_t count = p.size() / 9;
    const bool strip = g_batch.m_mode == GL_TRIANGLE_STRIP && count == 4;
    const bool quads = g_batch.m_mode == GL_QUADS && count % 4 == 0;
    if (!strip && !quads)
    {
        // Not a quad: drawn on its own, with the vertices already transformed.
        FlushBatch();
        glBegin(g_batch.m_mode);
        for (std::size_t i = 0; i < count; ++i)
        {
            const float* v = &p[i * 9];
            glTexCoord2f(v[0], v[1]);
            glColor4f(v[2], v[3], v[4], v[5]);
            glVertex3f(v[6], v[7], v[8]);
        }
        glEnd();
        glColor4fv(g_batch.m_colour);
        p.clear();
        return;
    }
    if (g_batch.m_wanted != g_batch.m_applied)
        FlushBatch();
    if (strip)
    {
        // Strip order 0 1 2 3 is the quad 0 1 3 2.
        static constexpr int kOrder[4] = {0, 1, 3, 2};
        for (int i : kOrder)
            g_batch.m_quads.insert(g_batch.m_quads.end(), p.begin() + i * 9, p.begin() + i * 9 + 9);
    }
    else
        g_batch.m_quads.insert(g_batch.m_quads.end(), p.begin(), p.end());
    p.clear();
}
} // namespace

void SetQuadBatching(bool enabled)
{
    g_batch.m_enabled = enabled;
}

void BeginQuadBatch()
{
    if (g_headless || !g_batch.m_enabled || g_batch.m_active)
        return;
    SDrawState& state = g_batch.m_applied;
    GLint value = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &value);
    state.m_texture = static_cast<GLuint>(value);
    state.m_blend = glIsEnabled(GL_BLEND) == GL_TRUE;
    state.m_texturing = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
    state.m_alphaTest = glIsEnabled(GL_ALPHA_TEST) == GL_TRUE;
    glGetIntegerv(GL_BLEND_SRC, &value);
    state.m_blendSource = static_cast<GLenum>(value);
    glGetIntegerv(GL_BLEND_DST, &value);
    state.m_blendDestination = static_cast<GLenum>(value);
    glGetFloatv(GL_CURRENT_COLOR, g_batch.m_colour);
    g_batch.m_wanted = state;
    g_batch.m_stack.assign(1, SAffine());
    g_batch.m_active = true;
}

void EndQuadBatch()
{
    if (!g_batch.m_active)
        return;
    FlushBatch();
    glColor4fv(g_batch.m_colour);
    g_batch.m_active = false;
}

void BindTexture(GLuint name)
{
    if (Recording())
    {
        g_batch.m_wanted.m_texture = name;
        return;
    }
    if (!g_headless)
        glBindTexture(GL_TEXTURE_2D, name);
}

void TexParameter(GLenum parameter, GLint value)
{
    Interrupt();
    if (!g_headless)
        glTexParameteri(GL_TEXTURE_2D, parameter, value);
}

void TexImage2D(GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLenum format, GLenum type,
                const void* pixels)
{
    if (!g_headless)
        glTexImage2D(GL_TEXTURE_2D, level, internalFormat, width, height, 0, format, type, pixels);
}

GLint SetUnpackAlignment(GLint alignment)
{
    if (g_headless)
        return 4;
    GLint previous = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previous);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return previous;
}

int Build2DMipmaps(GLint components, GLsizei width, GLsizei height, GLenum format, GLenum type,
                   const void* pixels)
{
    if (g_headless)
        return 0;
    return gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, type, pixels);
}

bool CompressedTexImage2D(GLint level, GLenum internalFormat, GLsizei width, GLsizei height,
                          GLsizei imageSize, const void* data)
{
    if (g_headless)
        return false;
    if (!g_compressedLooked)
    {
        g_compressedLooked = true;
        void* proc = g_loader ? g_loader("glCompressedTexImage2DARB") : nullptr;
        if (!proc && g_loader)
            proc = g_loader("glCompressedTexImage2D");
        g_compressed = reinterpret_cast<CompressedTexImage2DProc>(proc);
    }
    if (!g_compressed)
        return false;
    g_compressed(GL_TEXTURE_2D, level, internalFormat, width, height, 0, imageSize, data);
    return true;
}

namespace
{
bool g_clipOn = false;
GLint g_clip[4] = {0, 0, 0, 0};

// A scissor rectangle cut to the frame clip (empty when they do not meet).
void ClippedScissor(GLint x, GLint y, GLsizei width, GLsizei height)
{
    if (g_clipOn)
    {
        const GLint left = std::max(x, g_clip[0]);
        const GLint bottom = std::max(y, g_clip[1]);
        const GLint right = std::min(x + width, g_clip[0] + g_clip[2]);
        const GLint top = std::min(y + height, g_clip[1] + g_clip[3]);
        x = left;
        y = bottom;
        width = std::max(0, right - left);
        height = std::max(0, top - bottom);
    }
    glScissor(x, y, width, height);
}
} // namespace

void SetFrameClip(GLint x, GLint y, GLsizei width, GLsizei height)
{
    Interrupt();
    g_clipOn = true;
    g_clip[0] = x;
    g_clip[1] = y;
    g_clip[2] = std::max(0, width);
    g_clip[3] = std::max(0, height);
    if (g_headless)
        return;
    glScissor(g_clip[0], g_clip[1], g_clip[2], g_clip[3]);
    glEnable(GL_SCISSOR_TEST);
}

void ClearFrameClip()
{
    Interrupt();
    if (!g_clipOn)
        return;
    g_clipOn = false;
    if (!g_headless)
        glDisable(GL_SCISSOR_TEST);
}

bool GetFrameClip(GLint clip[4])
{
    if (!g_clipOn)
        return false;
    std::copy(g_clip, g_clip + 4, clip);
    return true;
}

void Enable(GLenum capability)
{
    if (Recording() && TrackCapability(capability, true))
        return;
    Interrupt();
    if (!g_headless)
        glEnable(capability);
}
void Disable(GLenum capability)
{
    if (Recording() && TrackCapability(capability, false))
        return;
    Interrupt();
    if (g_headless)
        return;
    if (capability == GL_SCISSOR_TEST && g_clipOn)
        glScissor(g_clip[0], g_clip[1], g_clip[2], g_clip[3]);
    else
        glDisable(capability);
}
void BlendFunc(GLenum source, GLenum destination)
{
    if (Recording())
    {
        g_batch.m_wanted.m_blendSource = source;
        g_batch.m_wanted.m_blendDestination = destination;
        return;
    }
    if (!g_headless)
        glBlendFunc(source, destination);
}
void AlphaFunc(GLenum function, GLclampf reference)
{
    Interrupt();
    if (!g_headless)
        glAlphaFunc(function, reference);
}
void DepthMask(GLboolean flag)
{
    Interrupt();
    if (!g_headless)
        glDepthMask(flag);
}
void DepthFunc(GLenum function)
{
    Interrupt();
    if (!g_headless)
        glDepthFunc(function);
}
void TexEnvMode(GLint mode)
{
    Interrupt();
    if (!g_headless)
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
}
void Hint(GLenum target, GLenum mode)
{
    if (!g_headless)
        glHint(target, mode);
}
void ClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a)
{
    if (!g_headless)
        glClearColor(r, g, b, a);
}
namespace
{
// Full screen on a display that keeps its own mode: the program's 800 by 600
// pixels are scaled by m_scale and centred in a picture of m_pictureWidth by
// m_pictureHeight window pixels; the bars around it are not the program's.
struct CViewportTransform
{
    double m_scale = 1.0;
    int m_offsetX = 0;
    int m_offsetY = 0;
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
};
CViewportTransform g_transform;

// Clears the bars beside (or above and below) the picture in black, whatever
// colour the screen clears its own picture in.
void ClearBars()
{
    const CViewportTransform& t = g_transform;
    if ((t.m_offsetX <= 0 && t.m_offsetY <= 0) || t.m_pictureWidth <= 0 || t.m_pictureHeight <= 0)
        return;
    GLfloat colour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    GLint box[4];
    glGetIntegerv(GL_SCISSOR_BOX, box);
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    // Beyond the drawable is clipped anyway.
    constexpr GLsizei kFar = 1 << 15;
    const GLint right = t.m_offsetX + t.m_pictureWidth;
    const GLint top = t.m_offsetY + t.m_pictureHeight;
    const GLint bars[4][4] = {{0, 0, t.m_offsetX, kFar},
                              {right, 0, kFar, kFar},
                              {0, 0, kFar, t.m_offsetY},
                              {0, top, kFar, kFar}};
    glEnable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    for (const GLint* bar : bars)
        if (bar[2] > 0 && bar[3] > 0)
        {
            glScissor(bar[0], bar[1], bar[2], bar[3]);
            glClear(GL_COLOR_BUFFER_BIT);
        }
    glClearColor(colour[0], colour[1], colour[2], colour[3]);
    glScissor(box[0], box[1], box[2], box[3]);
    if (!scissor)
        glDisable(GL_SCISSOR_TEST);
}
GLint g_viewport[4] = {0, 0, 0, 0};
bool g_viewportSet = false;

GLint ScaleX(GLint x)
{
    return g_transform.m_offsetX + static_cast<GLint>(x * g_transform.m_scale + 0.5);
}
GLint ScaleY(GLint y)
{
    return g_transform.m_offsetY + static_cast<GLint>(y * g_transform.m_scale + 0.5);
}
GLsizei ScaleSize(GLsizei size)
{
    return static_cast<GLsizei>(size * g_transform.m_scale + 0.5);
}
} // namespace

void Clear(GLbitfield mask)
{
    Interrupt();
    if (g_headless)
        return;
    glClear(mask);
    if (mask & GL_COLOR_BUFFER_BIT)
        ClearBars();
}

void SetViewportTransform(double scale, int offsetX, int offsetY, int pictureWidth, int pictureHeight)
{
    g_transform.m_scale = scale > 0.0 ? scale : 1.0;
    g_transform.m_offsetX = offsetX;
    g_transform.m_offsetY = offsetY;
    g_transform.m_pictureWidth = pictureWidth;
    g_transform.m_pictureHeight = pictureHeight;
    // The screens set their viewport once; it must follow the new scale now.
    if (g_viewportSet)
        Viewport(g_viewport[0], g_viewport[1], g_viewport[2], g_viewport[3]);
}

void Viewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    g_viewport[0] = x;
    g_viewport[1] = y;
    g_viewport[2] = width;
    g_viewport[3] = height;
    g_viewportSet = true;
    if (!g_headless)
        glViewport(ScaleX(x), ScaleY(y), ScaleSize(width), ScaleSize(height));
}
void GetWindowViewport(GLint viewport[4])
{
    viewport[0] = ScaleX(g_viewport[0]);
    viewport[1] = ScaleY(g_viewport[1]);
    viewport[2] = ScaleSize(g_viewport[2]);
    viewport[3] = ScaleSize(g_viewport[3]);
}

void Scissor(GLint x, GLint y, GLsizei width, GLsizei height)
{
    if (!g_headless)
        ClippedScissor(ScaleX(x), ScaleY(y), ScaleSize(width), ScaleSize(height));
}
void LineWidth(GLfloat width)
{
    Interrupt();
    if (!g_headless)
        glLineWidth(width);
}

void MatrixMode(GLenum mode)
{
    Interrupt();
    if (!g_headless)
        glMatrixMode(mode);
}
void LoadIdentity()
{
    Interrupt();
    if (!g_headless)
        glLoadIdentity();
}
void Ortho(double left, double right, double bottom, double top, double nearZ, double farZ)
{
    Interrupt();
    if (!g_headless)
        glOrtho(left, right, bottom, top, nearZ, farZ);
}
void PushMatrix()
{
    if (Recording())
    {
        g_batch.m_stack.push_back(g_batch.m_stack.back());
        return;
    }
    if (!g_headless)
        glPushMatrix();
}
void PopMatrix()
{
    if (Recording() && g_batch.m_stack.size() > 1)
    {
        g_batch.m_stack.pop_back();
        return;
    }
    Interrupt();
    if (!g_headless)
        glPopMatrix();
}
void Translate(float x, float y, float z)
{
    if (Recording() && z == 0.0f)
    {
        SAffine& m = g_batch.m_stack.back();
        m.tx += m.a * x + m.c * y;
        m.ty += m.b * x + m.d * y;
        return;
    }
    Interrupt();
    if (!g_headless)
        glTranslatef(x, y, z);
}
void Rotate(float angle, float x, float y, float z)
{
    if (Recording() && x == 0.0f && y == 0.0f && z > 0.0f)
    {
        const double radians = angle * 3.14159265358979323846 / 180.0;
        const float cs = static_cast<float>(std::cos(radians));
        const float sn = static_cast<float>(std::sin(radians));
        SAffine& m = g_batch.m_stack.back();
        const SAffine o = m;
        m.a = o.a * cs + o.c * sn;
        m.b = o.b * cs + o.d * sn;
        m.c = -o.a * sn + o.c * cs;
        m.d = -o.b * sn + o.d * cs;
        return;
    }
    Interrupt();
    if (!g_headless)
        glRotatef(angle, x, y, z);
}
void Scale(float x, float y, float z)
{
    if (Recording() && z == 1.0f)
    {
        SAffine& m = g_batch.m_stack.back();
        m.a *= x;
        m.b *= x;
        m.c *= y;
        m.d *= y;
        return;
    }
    Interrupt();
    if (!g_headless)
        glScalef(x, y, z);
}

void Color(float r, float g, float b, float a)
{
    if (Recording())
    {
        g_batch.m_colour[0] = r;
        g_batch.m_colour[1] = g;
        g_batch.m_colour[2] = b;
        g_batch.m_colour[3] = a;
        return;
    }
    if (!g_headless)
        glColor4f(r, g, b, a);
}
void Begin(GLenum mode)
{
    if (Recording())
    {
        g_batch.m_inPrimitive = true;
        g_batch.m_mode = mode;
        g_batch.m_primitive.clear();
        return;
    }
    if (!g_headless)
        glBegin(mode);
}
void End()
{
    if (Recording() && g_batch.m_inPrimitive)
    {
        g_batch.m_inPrimitive = false;
        EndPrimitive();
        return;
    }
    if (!g_headless)
        glEnd();
}
void Vertex(float x, float y)
{
    if (Recording() && g_batch.m_inPrimitive)
    {
        Vertex(x, y, 0.0f);
        return;
    }
    if (!g_headless)
        glVertex2f(x, y);
}
void Vertex(float x, float y, float z)
{
    if (Recording() && g_batch.m_inPrimitive)
    {
        const SAffine& m = g_batch.m_stack.back();
        const float* c = g_batch.m_colour;
        g_batch.m_primitive.insert(g_batch.m_primitive.end(),
                                   {g_batch.m_u, g_batch.m_v, c[0], c[1], c[2], c[3],
                                    m.a * x + m.c * y + m.tx, m.b * x + m.d * y + m.ty, z});
        return;
    }
    if (!g_headless)
        glVertex3f(x, y, z);
}
void TexCoord(float u, float v)
{
    if (Recording())
    {
        g_batch.m_u = u;
        g_batch.m_v = v;
        return;
    }
    if (!g_headless)
        glTexCoord2f(u, v);
}

void DrawTexturedQuads(const float* interleaved, std::size_t vertexCount)
{
    Interrupt();
    SubmitQuads(interleaved, vertexCount);
}

namespace
{
void SubmitQuads(const float* interleaved, std::size_t vertexCount)
{
    if (g_headless || vertexCount == 0)
        return;
    constexpr GLsizei stride = 9 * sizeof(float);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, stride, interleaved);
    glColorPointer(4, GL_FLOAT, stride, interleaved + 2);
    glVertexPointer(3, GL_FLOAT, stride, interleaved + 6);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertexCount));
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}
} // namespace

void CopyTexSubImage2D(GLint xOffset, GLint yOffset, GLint x, GLint y, GLsizei width, GLsizei height)
{
    Interrupt();
    if (!g_headless)
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, xOffset, yOffset, x, y, width, height);
}

void WindowScissor(GLint x, GLint y, GLsizei width, GLsizei height)
{
    Interrupt();
    if (!g_headless)
        ClippedScissor(x, y, width, height);
}

void Flush()
{
    if (!g_headless)
        glFlush();
}
void Finish()
{
    if (!g_headless)
        glFinish();
}
bool ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, void* rgba)
{
    if (g_headless)
        return false;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return true;
}
} // namespace NGl
