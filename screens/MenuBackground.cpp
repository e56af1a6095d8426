// Shared menu drawing: state, background quad and projection set-up.
#include "screens/MenuBackground.h"

#include "framework/Application.h"
#include "media/ResourceGroup.h"
#include "media/Texture.h"
#include "platform/Gl.h"

namespace NInterface
{
void PrepareMenuDrawing()
{
    NGl::DepthFunc(GL_LEQUAL);
    NGl::TexEnvMode(GL_MODULATE);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
}

void DrawMenuBackground(const CTexture* texture)
{
    if (CResourceGroup* group = texture ? FindGroup("main") : nullptr)
        group->Require(texture);
    NGl::Enable(GL_TEXTURE_2D);
    NGl::BindTexture(texture ? texture->GetName() : 0);
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.0f, 1.0f);
    NGl::Vertex(-112.0f, -212.0f, 0.0f);
    NGl::TexCoord(0.0f, 0.0f);
    NGl::Vertex(-112.0f, 812.0f, 0.0f);
    NGl::TexCoord(1.0f, 0.0f);
    NGl::Vertex(912.0f, 812.0f, 0.0f);
    NGl::TexCoord(1.0f, 1.0f);
    NGl::Vertex(912.0f, -212.0f, 0.0f);
    NGl::End();
}

void DrawDialogBack(const CTexture* texture, float x, float y, float width, float height, float alpha)
{
    NGl::Enable(GL_TEXTURE_2D);
    NGl::Enable(GL_BLEND);
    NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    NGl::BindTexture(texture ? texture->GetName() : 0);
    NGl::Color(1.0f, 1.0f, 1.0f, alpha);
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.0f, 1.0f);
    NGl::Vertex(x, y, 0.5f);
    NGl::TexCoord(0.0f, 0.0f);
    NGl::Vertex(x, y + height, 0.5f);
    NGl::TexCoord(1.0f, 0.0f);
    NGl::Vertex(x + width, y + height, 0.5f);
    NGl::TexCoord(1.0f, 1.0f);
    NGl::Vertex(x + width, y, 0.5f);
    NGl::End();
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::Disable(GL_BLEND);
}

void SetupMenuProjection(int logicalWidth, int logicalHeight)
{
    NGl::ClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::Enable(GL_DEPTH_TEST);
    NGl::Enable(GL_TEXTURE_2D);
    NGl::Hint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    NGl::Disable(GL_LIGHTING);
    CApplication* app = CApplication::Get();
    if (!app)
        return;
    app->SetLogicalSize(logicalWidth, logicalHeight);
    app->SetOrthoProjection(logicalWidth, logicalHeight, false);
}
} // namespace NInterface
