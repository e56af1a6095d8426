// Drawing of a picture band, shared by buttons, check boxes and edit fields.
#include "widgets/HitTest.h"

#include "platform/Gl.h"

void DrawBandQuad(unsigned int textureName, float x, float y, float width, float height, int band, int bands)
{
    const float upper = static_cast<float>(band) / bands;
    const float lower = static_cast<float>(band - 1) / bands;
    NGl::BindTexture(textureName);
    NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    NGl::Enable(GL_BLEND);
    NGl::Disable(GL_ALPHA_TEST);
    NGl::Enable(GL_TEXTURE_2D);
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.0f, upper);
    NGl::Vertex(x, y, 0.0f);
    NGl::TexCoord(0.0f, lower);
    NGl::Vertex(x, y + height, 0.0f);
    NGl::TexCoord(1.0f, lower);
    NGl::Vertex(x + width, y + height, 0.0f);
    NGl::TexCoord(1.0f, upper);
    NGl::Vertex(x + width, y, 0.0f);
    NGl::End();
    NGl::Disable(GL_BLEND);
}
