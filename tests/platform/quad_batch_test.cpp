// The quad batch without GL: what reaches its sink is what GL would have
// drawn, in the order the calls asked for it.
#include "platform/QuadBatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

namespace
{
using TFloats = std::vector<float>;

// Each call of the batch is a letter (R state read, S state applied with its
// texture, blending and blend source, Q quads, P another primitive, C colour set) and
// the floats it carried.
class CRecordingSink final : public NGl::IQuadSink
{
  public:
    void ReadState(NGl::SDrawState&, float colour[4]) override
    {
        std::fill(colour, colour + 4, 0.5f);
        Note('R', {});
    }
    void ApplyState(const NGl::SDrawState& s) override
    {
        Note('S', {float(s.m_texture), float(s.m_blend), float(s.m_blend_source)});
    }
    void DrawQuads(const float* v, std::size_t n) override { Note('Q', TFloats(v, v + n * 9)); }
    void DrawPrimitive(GLenum, const float* v, std::size_t n) override { Note('P', TFloats(v, v + n * 9)); }
    void SetColour(const float colour[4]) override { Note('C', TFloats(colour, colour + 4)); }

    // x and y of every vertex of call i, to a ten-thousandth.
    TFloats Positions(std::size_t i) const
    {
        TFloats xy;
        for (std::size_t v = 0; v < m_floats.at(i).size(); v += 9)
            for (std::size_t k : {6, 7})
                xy.push_back(std::round(m_floats[i][v + k] * 1e4f) / 1e4f);
        return xy;
    }
    void Note(char kind, TFloats floats)
    {
        m_kinds += kind;
        m_floats.push_back(std::move(floats));
    }

    std::string m_kinds;
    std::vector<TFloats> m_floats;
};

class QuadBatch : public ::testing::Test
{
  protected:
    void SetUp() override { m_batch.Begin(); }
    // Vertices given as x, y pairs.
    void Draw(GLenum mode, std::initializer_list<float> xy)
    {
        m_batch.BeginPrimitive(mode);
        for (auto p = xy.begin(); p != xy.end(); p += 2)
            m_batch.Vertex(p[0], p[1], 0.0f);
        m_batch.EndPrimitive();
    }
    void Sprite(float x) { Draw(GL_TRIANGLE_STRIP, {x, 0, x + 1, 0, x, 1, x + 1, 1}); }

    CRecordingSink m_sink;
    NGl::CQuadBatch m_batch{m_sink};
};
} // namespace

TEST_F(QuadBatch, StripsBecomeQuadsThatCarryTheirColoursIntoOneDraw)
{
    Sprite(0);
    m_batch.BeginPrimitive(GL_QUADS);
    for (float i : {0.0f, 1.0f, 2.0f, 3.0f})
    {
        m_batch.Color(i, 0, 1, 0.25f);
        m_batch.TexCoord(i, -i);
        m_batch.Vertex(5 + i, 5, 0);
    }
    m_batch.EndPrimitive();
    m_batch.End();
    ASSERT_EQ(m_sink.m_kinds, "RQC");
    EXPECT_EQ(m_sink.Positions(1), (TFloats{0, 0, 1, 0, 1, 1, 0, 1, 5, 5, 6, 5, 7, 5, 8, 5}));
    const TFloats& v = m_sink.m_floats[1];
    EXPECT_EQ(TFloats(v.begin() + 2, v.begin() + 6), (TFloats{0.5f, 0.5f, 0.5f, 0.5f})); // the colour GL had
    EXPECT_EQ(TFloats(v.begin() + 6 * 9, v.begin() + 6 * 9 + 6), (TFloats{2, -2, 2, 0, 1, 0.25f}));
    EXPECT_EQ(m_sink.m_floats[2], (TFloats{3, 0, 1, 0.25f})) << "GL gets back the colour last asked for";
}

TEST_F(QuadBatch, QuadsComeOutUnderTheTransformsInForce)
{
    m_batch.Translate(10, 20, 0);
    EXPECT_TRUE(m_batch.PushMatrix());
    m_batch.Rotate(90, 0, 0, 1);
    m_batch.Scale(2, 3, 1);
    Draw(GL_QUADS, {0, 0, 1, 0, 1, 1, 0, 1});
    EXPECT_TRUE(m_batch.PopMatrix());
    EXPECT_FALSE(m_batch.PopMatrix()) << "a pop beyond the batch's own pushes is GL's";
    Sprite(0);
    // What the batch cannot do on the CPU goes to GL.
    EXPECT_FALSE(m_batch.Translate(1, 1, 1) || m_batch.Rotate(90, 1, 0, 0) || m_batch.Scale(2, 2, 2));
    m_batch.End();
    EXPECT_EQ(m_sink.Positions(1), (TFloats{10, 20, 10, 22, 7, 22, 7, 20, 10, 20, 11, 20, 11, 21, 10, 21}));
}

TEST_F(QuadBatch, StateChangesSplitBatchesAndKeepTheirOrder)
{
    Sprite(0);
    m_batch.BindTexture(2);
    Sprite(1);
    m_batch.SetCapability(GL_BLEND, true); // undone before the next quad: no split
    m_batch.SetCapability(GL_BLEND, false);
    Sprite(2);
    m_batch.SetCapability(GL_BLEND, true);
    m_batch.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    Sprite(3);
    EXPECT_FALSE(m_batch.SetCapability(GL_DEPTH_TEST, true));
    m_batch.End();
    ASSERT_EQ(m_sink.m_kinds, "RQSQSQC");
    EXPECT_EQ(m_sink.Positions(1)[0], 0);
    EXPECT_EQ(m_sink.m_floats[2], (TFloats{2, 0, GL_ONE}));
    EXPECT_EQ(m_sink.Positions(3), (TFloats{1, 0, 2, 0, 2, 1, 1, 1, 2, 0, 3, 0, 3, 1, 2, 1}));
    EXPECT_EQ(m_sink.m_floats[4], (TFloats{2, 1, GL_SRC_ALPHA}));
    EXPECT_EQ(m_sink.Positions(5)[0], 3);
}

TEST_F(QuadBatch, OtherPrimitivesAndInterruptionsDrawWhatCameFirst)
{
    Sprite(0);
    m_batch.Translate(0, 10, 0);
    Draw(GL_TRIANGLE_FAN, {0, 0, 1, 0, 1, 1, 0, 1}); // four vertices, yet no quad
    Sprite(1);
    m_batch.Interrupt();
    Draw(GL_TRIANGLE_STRIP, {0, 0, 1, 0, 0, 1, 1, 1, 2, 0}); // five vertices: no quad
    m_batch.End();
    ASSERT_EQ(m_sink.m_kinds, "RQPCQPCC");
    EXPECT_EQ(m_sink.Positions(2), (TFloats{0, 10, 1, 10, 1, 11, 0, 11}));
}

TEST_F(QuadBatch, OnlyAnOpenEnabledBatchTakesCalls)
{
    m_batch.Begin(); // batches do not nest
    m_batch.End();
    m_batch.SetEnabled(false);
    m_batch.Begin();
    EXPECT_FALSE(m_batch.IsActive() || m_batch.BindTexture(3) || m_batch.BeginPrimitive(GL_QUADS) ||
                 m_batch.Vertex(0, 0, 0) || m_batch.EndPrimitive() || m_batch.Translate(1, 1, 0));
    m_batch.End();
    EXPECT_EQ(m_sink.m_kinds, "RC");
}
