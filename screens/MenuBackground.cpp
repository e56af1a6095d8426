// Shared menu drawing: state, background quad and projection set-up.
#include "screens/MenuBackground.h"

#include "catalogue/Places.h"
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
    const auto corner = [texture](float s, float t, float x, float y)
    {
        CTexture::TexCoord(texture, s, t);
        NGl::Vertex(x, y, 0.0f);
    };
    NGl::Begin(GL_QUADS);
    corner(0.0f, 1.0f, NPlaces::kBackdropLeft, NPlaces::kBackdropTop);
    corner(0.0f, 0.0f, NPlaces::kBackdropLeft, NPlaces::kBackdropBottom);
    corner(1.0f, 0.0f, NPlaces::kBackdropRight, NPlaces::kBackdropBottom);
    corner(1.0f, 1.0f, NPlaces::kBackdropRight, NPlaces::kBackdropTop);
    NGl::End();
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
