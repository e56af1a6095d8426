// The one thin layer through which every OpenGL call of the game passes.
// In headless mode (the default until a window makes a context current) every
// call does nothing and texture names stay 0, so the tools and the tests load
// and "draw" everything without a display.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include "platform/Letterbox.h"

namespace NGl
{
bool IsHeadless();
// The platform turns headless mode off once its context is current.
void SetHeadless(bool headless);

// Looks up the compressed-texture upload entry point; the platform supplies
// the loader (SDL's GL proc lookup) when it creates the context.
using ProcLoader = void* (*)(const char* name);
void SetProcLoader(ProcLoader loader);

// OpenGL 2.0 and later take textures of any size (false when headless).
bool HasAnySizeTextures();

// Texture objects and uploads.
GLuint CreateTexture();
void DeleteTexture(GLuint name);
void BindTexture(GLuint name);
void TexParameter(GLenum parameter, GLint value);
// The bound texture's level-of-detail bias (negative: sharper).
void TexLodBias(GLfloat bias);
void TexImage2D(GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLenum format, GLenum type,
                const void* pixels);
// Sets the unpack row alignment and returns the previous one (4 when headless).
GLint SetUnpackAlignment(GLint alignment);
// gluBuild2DMipmaps; returns GLU's result code (0 on success, 0 when headless).
int Build2DMipmaps(GLint components, GLsizei width, GLsizei height, GLenum format, GLenum type,
                   const void* pixels);
// glCompressedTexImage2D through the driver's entry point; false when the
// driver has none (or when headless).
bool CompressedTexImage2D(GLint level, GLenum internalFormat, GLsizei width, GLsizei height,
                          GLsizei imageSize, const void* data);

// Fixed-function state.
void Enable(GLenum capability);
void Disable(GLenum capability);
void BlendFunc(GLenum source, GLenum destination);
void AlphaFunc(GLenum function, GLclampf reference);
void DepthFunc(GLenum function);
void TexEnvMode(GLint mode);
void Hint(GLenum target, GLenum mode);
void ClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a);
void Clear(GLbitfield mask);
// Clears the bars around the picture alone: for a frame whose picture is
// about to be covered whole.
void ClearBars();
// The viewport is given in the program's pixels; the platform scales it to
// the window's (or full screen's) size as `box` says; clearing the colour
// buffer leaves the bars around the picture black.
void SetViewportTransform(const CLetterbox& box);
void Viewport(GLint x, GLint y, GLsizei width, GLsizei height);
void LineWidth(GLfloat width);
// The current viewport in the window's own pixels, after the transform.
void GetWindowViewport(GLint viewport[4]);

// Matrices.
void MatrixMode(GLenum mode);
void LoadIdentity();
void Ortho(double left, double right, double bottom, double top, double nearZ, double farZ);
void PushMatrix();
void PopMatrix();
void Translate(float x, float y, float z);
void Rotate(float angle, float x, float y, float z);
void Scale(float x, float y, float z);

// Immediate mode.
void Color(float r, float g, float b, float a = 1.0f);
void Begin(GLenum mode);
void End();
void Vertex(float x, float y);
void Vertex(float x, float y, float z);
void TexCoord(float u, float v);

// Quad batching: between BeginQuadBatch and EndQuadBatch, textured quads
// drawn one by one (a four-vertex strip or a quad, under Translate, Rotate
// about z and Scale) are collected with their colours, transformed on the CPU
// and submitted in as few draw calls as their texture and blend state allow,
// in their order, so the picture stays that of one call per quad. Other calls
// in between flush what was collected first. Batches do not nest.
void BeginQuadBatch();
void EndQuadBatch();
// Off: the batch calls do nothing (comparisons against plain drawing).
void SetQuadBatching(bool enabled);

class CQuadBatchScope
{
  public:
    CQuadBatchScope() { BeginQuadBatch(); }
    ~CQuadBatchScope() { EndQuadBatch(); }
    CQuadBatchScope(const CQuadBatchScope&) = delete;
    CQuadBatchScope& operator=(const CQuadBatchScope&) = delete;
};

// A clip on everything drawn until it is cleared, in the window's own pixels:
// a screen that knows which part of its picture changed since the last frame
// draws as usual and the renderer fills only that part. While it is set the
// scissor test stays on: scissor rectangles are cut to the clip, and turning
// the scissor test off goes back to the clip alone.
void SetFrameClip(GLint x, GLint y, GLsizei width, GLsizei height);
void ClearFrameClip();
// The clip; false when none is set.
bool GetFrameClip(GLint clip[4]);

// Copies a rectangle of the back buffer (window pixels) to the bound texture's
// level 0 at (xOffset, yOffset).
void CopyTexSubImage2D(GLint xOffset, GLint yOffset, GLint x, GLint y, GLsizei width, GLsizei height);
// A scissor rectangle in the window's own pixels (not transformed).
void WindowScissor(GLint x, GLint y, GLsizei width, GLsizei height);

void Flush();
void Finish();
// Reads the back buffer (RGBA, bottom row first); false when headless.
bool ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, void* rgba);
} // namespace NGl
