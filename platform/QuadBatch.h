// The recorder behind NGl's quad batches: sprite quads drawn one by one are
// collected, transformed on the CPU and handed on in as few draws as their
// state allows. It calls no GL itself, so it runs without a context.
#pragma once

#include <GL/gl.h>

#include <cstddef>
#include <vector>

namespace NGl
{
// x' = a x + c y + tx, y' = b x + d y + ty: the 2D part of the model-view
// matrix relative to the one in force when the batch began.
struct SAffine
{
    float a = 1.0f, b = 0.0f, c = 0.0f, d = 1.0f, tx = 0.0f, ty = 0.0f;
};

// The state a batch of quads is drawn in; any change starts a new batch.
struct SDrawState
{
    GLuint m_texture = 0;
    bool m_blend = false;
    bool m_texturing = false;
    bool m_alpha_test = false;
    GLenum m_blend_source = GL_ONE;
    GLenum m_blend_destination = GL_ZERO;
    bool operator!=(const SDrawState& o) const
    {
        return m_texture != o.m_texture || m_blend != o.m_blend || m_texturing != o.m_texturing ||
               m_alpha_test != o.m_alpha_test || m_blend_source != o.m_blend_source ||
               m_blend_destination != o.m_blend_destination;
    }
};

// Where the batch's work goes: GL in the game. Vertices are interleaved
// (u, v, r, g, b, a, x, y, z) floats, already transformed.
class IQuadSink
{
  public:
    virtual ~IQuadSink() = default;
    // The state and current colour when a batch begins.
    virtual void ReadState(SDrawState& state, float colour[4]) = 0;
    virtual void ApplyState(const SDrawState& state) = 0;
    // One draw call of whole quads.
    virtual void DrawQuads(const float* interleaved, std::size_t vertexCount) = 0;
    // A primitive the batch does not collect, drawn on its own.
    virtual void DrawPrimitive(GLenum mode, const float* interleaved, std::size_t vertexCount) = 0;
    virtual void SetColour(const float colour[4]) = 0;
};

// The calls that return bool are taken by the batch when they return true;
// otherwise the caller hands them to GL, after Interrupt() where the call
// changes what later quads look like.
class CQuadBatch
{
  public:
    explicit CQuadBatch(IQuadSink& sink) : m_sink(sink) {}
    CQuadBatch(const CQuadBatch&) = delete;
    CQuadBatch& operator=(const CQuadBatch&) = delete;

    // Off: Begin does nothing and no call is taken.
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    // Batches do not nest: a Begin while active is ignored.
    void Begin();
    // Draws what is left and gives GL back the colour last asked for.
    void End();
    bool IsActive() const { return m_active; }
    // A call the batch does not collect is about to reach GL: what came
    // before is drawn first, in the state asked for.
    void Interrupt();

    // Blend, 2D texturing and the alpha test; other capabilities are not taken.
    bool SetCapability(GLenum capability, bool on);
    bool BindTexture(GLuint name);
    bool BlendFunc(GLenum source, GLenum destination);
    bool PushMatrix();
    // Not taken beyond the pushes made since the batch began.
    bool PopMatrix();
    // Translations in the plane, rotations about +z and scales that keep z.
    bool Translate(float x, float y, float z);
    bool Rotate(float angle, float x, float y, float z);
    bool Scale(float x, float y, float z);
    bool Color(float r, float g, float b, float a);
    bool TexCoord(float u, float v);
    bool BeginPrimitive(GLenum mode);
    bool Vertex(float x, float y, float z);
    bool EndPrimitive();

  private:
    void DrawCollected();
    void Flush();

    IQuadSink& m_sink;
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
    bool m_in_primitive = false;
    GLenum m_mode = 0;
    std::vector<float> m_primitive; // vertices of the open primitive
    std::vector<float> m_quads;     // collected quads, four vertices each
};
} // namespace NGl
