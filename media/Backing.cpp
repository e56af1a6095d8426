// The dark backing under light text: a 4 x 4 grid of vertices whose outer
// ring is clear, so smooth shading gives the soft edges.
#include "media/Backing.h"

#include "platform/Gl.h"

void DrawDarkBacking(float left, float top, float right, float bottom, float soft, float alpha)
{
    if (alpha <= 0.0f || right <= left || bottom <= top)
        return;
    const float xs[] = {left - soft, left, right, right + soft};
    const float ys[] = {top - soft, top, bottom, bottom + soft};
    const auto vertex = [&](int column, int row)
    {
        const bool inner = column > 0 && column < 3 && row > 0 && row < 3;
        NGl::Color(0.0f, 0.0f, 0.0f, inner ? alpha : 0.0f);
        NGl::Vertex(xs[column], ys[row]);
    };
    NGl::Disable(GL_TEXTURE_2D);
    NGl::Disable(GL_ALPHA_TEST);
    NGl::Disable(GL_DEPTH_TEST);
    NGl::Enable(GL_BLEND);
    NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    NGl::Begin(GL_QUADS);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
        {
            vertex(column, row);
            vertex(column + 1, row);
            vertex(column + 1, row + 1);
            vertex(column, row + 1);
        }
    NGl::End();
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::Disable(GL_BLEND);
}
