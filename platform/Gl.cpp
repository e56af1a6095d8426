// Pass-through to OpenGL 1.x and GLU, switched off entirely in headless mode;
// the calls a quad batch collects go to it while one is open.
#include "platform/Gl.h"

#include "platform/QuadBatch.h"

#include <algorithm>

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
void SetCapability(GLenum capability, bool on)
{
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

// The batch's draws and state changes, made in GL.
class CGlQuadSink final : public IQuadSink
{
  public:
    void ReadState(SDrawState& state, float colour[4]) override
    {
        GLint value = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &value);
        state.m_texture = static_cast<GLuint>(value);
        state.m_blend = glIsEnabled(GL_BLEND) == GL_TRUE;
        state.m_texturing = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
        state.m_alpha_test = glIsEnabled(GL_ALPHA_TEST) == GL_TRUE;
        glGetIntegerv(GL_BLEND_SRC, &value);
        state.m_blend_source = static_cast<GLenum>(value);
        glGetIntegerv(GL_BLEND_DST, &value);
        state.m_blend_destination = static_cast<GLenum>(value);
        glGetFloatv(GL_CURRENT_COLOR, colour);
    }
    void ApplyState(const SDrawState& state) override
    {
        glBindTexture(GL_TEXTURE_2D, state.m_texture);
        SetCapability(GL_BLEND, state.m_blend);
        SetCapability(GL_TEXTURE_2D, state.m_texturing);
        SetCapability(GL_ALPHA_TEST, state.m_alpha_test);
        glBlendFunc(state.m_blend_source, state.m_blend_destination);
    }
    void DrawQuads(const float* interleaved, std::size_t vertexCount) override
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
    void DrawPrimitive(GLenum mode, const float* interleaved, std::size_t vertexCount) override
    {
        glBegin(mode);
        for (std::size_t i = 0; i < vertexCount; ++i)
        {
            const float* v = &interleaved[i * 9];
            glTexCoord2f(v[0], v[1]);
            glColor4f(v[2], v[3], v[4], v[5]);
            glVertex3f(v[6], v[7], v[8]);
        }
        glEnd();
    }
    void SetColour(const float colour[4]) override { glColor4fv(colour); }
};
CGlQuadSink g_sink;
CQuadBatch g_batch(g_sink);
} // namespace

void SetQuadBatching(bool enabled)
{
    g_batch.SetEnabled(enabled);
}

void BeginQuadBatch()
{
    if (!g_headless)
        g_batch.Begin();
}

void EndQuadBatch()
{
    g_batch.End();
}

void BindTexture(GLuint name)
{
    if (g_batch.BindTexture(name))
        return;
    if (!g_headless)
        glBindTexture(GL_TEXTURE_2D, name);
}

void TexParameter(GLenum parameter, GLint value)
{
    g_batch.Interrupt();
    if (!g_headless)
        glTexParameteri(GL_TEXTURE_2D, parameter, value);
}

void TexLodBias(GLfloat bias)
{
    g_batch.Interrupt();
    if (!g_headless)
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_LOD_BIAS, bias);
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
    g_batch.Interrupt();
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
    g_batch.Interrupt();
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
    if (g_batch.SetCapability(capability, true))
        return;
    g_batch.Interrupt();
    if (!g_headless)
        glEnable(capability);
}
void Disable(GLenum capability)
{
    if (g_batch.SetCapability(capability, false))
        return;
    g_batch.Interrupt();
    if (g_headless)
        return;
    if (capability == GL_SCISSOR_TEST && g_clipOn)
        glScissor(g_clip[0], g_clip[1], g_clip[2], g_clip[3]);
    else
        glDisable(capability);
}
void BlendFunc(GLenum source, GLenum destination)
{
    if (g_batch.BlendFunc(source, destination))
        return;
    if (!g_headless)
        glBlendFunc(source, destination);
}
void AlphaFunc(GLenum function, GLclampf reference)
{
    g_batch.Interrupt();
    if (!g_headless)
        glAlphaFunc(function, reference);
}
void DepthFunc(GLenum function)
{
    g_batch.Interrupt();
    if (!g_headless)
        glDepthFunc(function);
}
void TexEnvMode(GLint mode)
{
    g_batch.Interrupt();
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
// Where the program's 800 by 600 pixels lie in the window (or full screen);
// the bars around them are not the program's.
CLetterbox g_transform;

// Clears the bars beside (or above and below) the picture in black, whatever
// colour the screen clears its own picture in; under a scissor only the part
// of them inside it, as glClear would. A partial redraw clears through a few
// small clips each frame, and the bars of a full screen are large: a
// scissored clear is a drawn quad for a software renderer.
void ClearBarsNow()
{
    const CLetterbox& t = g_transform;
    if ((t.m_left <= 0 && t.m_bottom <= 0) || t.m_width <= 0 || t.m_height <= 0)
        return;
    GLfloat colour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    GLint box[4];
    glGetIntegerv(GL_SCISSOR_BOX, box);
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    // Beyond the drawable is clipped anyway.
    constexpr GLsizei kFar = 1 << 15;
    const GLint right = t.m_left + t.m_width;
    const GLint top = t.m_bottom + t.m_height;
    const GLint bars[4][4] = {
        {0, 0, t.m_left, kFar}, {right, 0, kFar, kFar}, {0, 0, kFar, t.m_bottom}, {0, top, kFar, kFar}};
    glEnable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    for (const GLint* bar : bars)
    {
        GLint x0 = bar[0];
        GLint y0 = bar[1];
        GLint x1 = bar[0] + bar[2];
        GLint y1 = bar[1] + bar[3];
        if (scissor)
        {
            x0 = std::max(x0, box[0]);
            y0 = std::max(y0, box[1]);
            x1 = std::min(x1, box[0] + box[2]);
            y1 = std::min(y1, box[1] + box[3]);
        }
        if (x1 > x0 && y1 > y0)
        {
            glScissor(x0, y0, x1 - x0, y1 - y0);
            glClear(GL_COLOR_BUFFER_BIT);
        }
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
    return g_transform.m_left + static_cast<GLint>(x * g_transform.m_scale + 0.5);
}
GLint ScaleY(GLint y)
{
    return g_transform.m_bottom + static_cast<GLint>(y * g_transform.m_scale + 0.5);
}
GLsizei ScaleSize(GLsizei size)
{
    return static_cast<GLsizei>(size * g_transform.m_scale + 0.5);
}
} // namespace

void Clear(GLbitfield mask)
{
    g_batch.Interrupt();
    if (g_headless)
        return;
    glClear(mask);
    if (mask & GL_COLOR_BUFFER_BIT)
        ClearBarsNow();
}

void ClearBars()
{
    g_batch.Interrupt();
    if (!g_headless)
        ClearBarsNow();
}

void SetViewportTransform(const CLetterbox& box)
{
    g_transform = box;
    if (g_transform.m_scale <= 0.0)
        g_transform.m_scale = 1.0;
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

void LineWidth(GLfloat width)
{
    g_batch.Interrupt();
    if (!g_headless)
        glLineWidth(width);
}

void MatrixMode(GLenum mode)
{
    g_batch.Interrupt();
    if (!g_headless)
        glMatrixMode(mode);
}
void LoadIdentity()
{
    g_batch.Interrupt();
    if (!g_headless)
        glLoadIdentity();
}
void Ortho(double left, double right, double bottom, double top, double nearZ, double farZ)
{
    g_batch.Interrupt();
    if (!g_headless)
        glOrtho(left, right, bottom, top, nearZ, farZ);
}
void PushMatrix()
{
    if (g_batch.PushMatrix())
        return;
    if (!g_headless)
        glPushMatrix();
}
void PopMatrix()
{
    if (g_batch.PopMatrix())
        return;
    g_batch.Interrupt();
    if (!g_headless)
        glPopMatrix();
}
void Translate(float x, float y, float z)
{
    if (g_batch.Translate(x, y, z))
        return;
    g_batch.Interrupt();
    if (!g_headless)
        glTranslatef(x, y, z);
}
void Rotate(float angle, float x, float y, float z)
{
    if (g_batch.Rotate(angle, x, y, z))
        return;
    g_batch.Interrupt();
    if (!g_headless)
        glRotatef(angle, x, y, z);
}
void Scale(float x, float y, float z)
{
    if (g_batch.Scale(x, y, z))
        return;
    g_batch.Interrupt();
    if (!g_headless)
        glScalef(x, y, z);
}

void Color(float r, float g, float b, float a)
{
    if (g_batch.Color(r, g, b, a))
        return;
    if (!g_headless)
        glColor4f(r, g, b, a);
}
void Begin(GLenum mode)
{
    if (g_batch.BeginPrimitive(mode))
        return;
    if (!g_headless)
        glBegin(mode);
}
void End()
{
    if (g_batch.EndPrimitive())
        return;
    if (!g_headless)
        glEnd();
}
void Vertex(float x, float y)
{
    if (g_batch.Vertex(x, y, 0.0f))
        return;
    if (!g_headless)
        glVertex2f(x, y);
}
void Vertex(float x, float y, float z)
{
    if (g_batch.Vertex(x, y, z))
        return;
    if (!g_headless)
        glVertex3f(x, y, z);
}
void TexCoord(float u, float v)
{
    if (g_batch.TexCoord(u, v))
        return;
    if (!g_headless)
        glTexCoord2f(u, v);
}

void CopyTexSubImage2D(GLint xOffset, GLint yOffset, GLint x, GLint y, GLsizei width, GLsizei height)
{
    g_batch.Interrupt();
    if (!g_headless)
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, xOffset, yOffset, x, y, width, height);
}

void WindowScissor(GLint x, GLint y, GLsizei width, GLsizei height)
{
    g_batch.Interrupt();
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
