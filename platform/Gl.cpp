// Pass-through to OpenGL 1.x and GLU, switched off entirely in headless mode.
#include "platform/Gl.h"

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

void BindTexture(GLuint name)
{
    if (!g_headless)
        glBindTexture(GL_TEXTURE_2D, name);
}

void TexParameter(GLenum parameter, GLint value)
{
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

void Enable(GLenum capability)
{
    if (!g_headless)
        glEnable(capability);
}
void Disable(GLenum capability)
{
    if (!g_headless)
        glDisable(capability);
}
void BlendFunc(GLenum source, GLenum destination)
{
    if (!g_headless)
        glBlendFunc(source, destination);
}
void AlphaFunc(GLenum function, GLclampf reference)
{
    if (!g_headless)
        glAlphaFunc(function, reference);
}
void DepthMask(GLboolean flag)
{
    if (!g_headless)
        glDepthMask(flag);
}
void DepthFunc(GLenum function)
{
    if (!g_headless)
        glDepthFunc(function);
}
void TexEnvMode(GLint mode)
{
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
void Clear(GLbitfield mask)
{
    if (!g_headless)
        glClear(mask);
}
namespace
{
// Full screen on a display that keeps its own mode: the program's 800 by 600
// pixels are scaled by m_scale and centred.
struct CViewportTransform
{
    double m_scale = 1.0;
    int m_offsetX = 0;
    int m_offsetY = 0;
};
CViewportTransform g_transform;
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

void SetViewportTransform(double scale, int offsetX, int offsetY)
{
    g_transform.m_scale = scale > 0.0 ? scale : 1.0;
    g_transform.m_offsetX = offsetX;
    g_transform.m_offsetY = offsetY;
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
void Scissor(GLint x, GLint y, GLsizei width, GLsizei height)
{
    if (!g_headless)
        glScissor(ScaleX(x), ScaleY(y), ScaleSize(width), ScaleSize(height));
}
void LineWidth(GLfloat width)
{
    if (!g_headless)
        glLineWidth(width);
}

void MatrixMode(GLenum mode)
{
    if (!g_headless)
        glMatrixMode(mode);
}
void LoadIdentity()
{
    if (!g_headless)
        glLoadIdentity();
}
void Ortho(double left, double right, double bottom, double top, double nearZ, double farZ)
{
    if (!g_headless)
        glOrtho(left, right, bottom, top, nearZ, farZ);
}
void PushMatrix()
{
    if (!g_headless)
        glPushMatrix();
}
void PopMatrix()
{
    if (!g_headless)
        glPopMatrix();
}
void Translate(float x, float y, float z)
{
    if (!g_headless)
        glTranslatef(x, y, z);
}
void Rotate(float angle, float x, float y, float z)
{
    if (!g_headless)
        glRotatef(angle, x, y, z);
}
void Scale(float x, float y, float z)
{
    if (!g_headless)
        glScalef(x, y, z);
}

void Color(float r, float g, float b, float a)
{
    if (!g_headless)
        glColor4f(r, g, b, a);
}
void Begin(GLenum mode)
{
    if (!g_headless)
        glBegin(mode);
}
void End()
{
    if (!g_headless)
        glEnd();
}
void Vertex(float x, float y)
{
    if (!g_headless)
        glVertex2f(x, y);
}
void Vertex(float x, float y, float z)
{
    if (!g_headless)
        glVertex3f(x, y, z);
}
void TexCoord(float u, float v)
{
    if (!g_headless)
        glTexCoord2f(u, v);
}

void DrawTexturedQuads(const float* interleaved, std::size_t vertexCount)
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
