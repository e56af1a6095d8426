// The intro picture: a 1024 by 1024 square centred on the 800 by 600 screen.
#include "screens/Intro.h"

#include "catalogue/Places.h"
#include "platform/Gl.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"

namespace NInterface
{
CIntro::CIntro()
{
    m_texture.CentreOn(CSettings::kLogicalWidth, CSettings::kLogicalHeight);
    if (const CFileSystem* files = CFileSystem::Get())
        m_texture.LoadFromSource(*files, NPlaces::kIntroPicture, false, false);
}

CIntro::~CIntro()
{
    m_texture.Release();
}

void CIntro::Activate()
{
    CScreen::Activate();
    NGl::ClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::Enable(GL_DEPTH_TEST);
    NGl::Enable(GL_TEXTURE_2D);
    NGl::Hint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    NGl::Enable(GL_ALPHA_TEST);
    NGl::AlphaFunc(GL_GREATER, 0.5f);
    // The logical picture: the platform scales it to the window's real size,
    // which the settings hold.
    NGl::Viewport(0, 0, CSettings::kLogicalWidth, CSettings::kLogicalHeight);
    NGl::MatrixMode(GL_PROJECTION);
    NGl::LoadIdentity();
    NGl::Ortho(0.0, CSettings::kLogicalWidth, CSettings::kLogicalHeight, 0.0, -50.0, 50.0);
    NGl::MatrixMode(GL_MODELVIEW);
    NGl::LoadIdentity();
}

void CIntro::Draw()
{
    NGl::ClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    NGl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    NGl::PushMatrix();
    NGl::Enable(GL_TEXTURE_2D);
    NGl::TexEnvMode(GL_MODULATE);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::BindTexture(m_texture.GetName());
    NGl::Begin(GL_TRIANGLE_STRIP);
    CTexture::TexCoord(&m_texture, 0.0f, 1.0f);
    NGl::Vertex(NPlaces::kBackdropLeft, NPlaces::kBackdropTop, 0.0f);
    CTexture::TexCoord(&m_texture, 0.0f, 0.0f);
    NGl::Vertex(NPlaces::kBackdropLeft, NPlaces::kBackdropBottom, 0.0f);
    CTexture::TexCoord(&m_texture, 1.0f, 1.0f);
    NGl::Vertex(NPlaces::kBackdropRight, NPlaces::kBackdropTop, 0.0f);
    CTexture::TexCoord(&m_texture, 1.0f, 0.0f);
    NGl::Vertex(NPlaces::kBackdropRight, NPlaces::kBackdropBottom, 0.0f);
    NGl::End();
    CScreen::Draw();
    NGl::PopMatrix();
}
} // namespace NInterface
