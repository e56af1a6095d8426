// Sprite sheets: ".spr" loading and drawing one cell.
#include "media/Sprite.h"

#include "media/Texture.h"
#include "platform/Gl.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"

#include <algorithm>
#include <utility>

CSprite::CSprite(const CSprite& other)
    : CSpriteClock(other), m_texture(other.m_texture), m_files(other.m_files), m_owns_texture(false)
{
}

CSprite::CSprite(int groups, int frames, std::uint32_t frameTime, CTexture* texture)
    : CSpriteClock(groups, frames, frameTime), m_texture(texture)
{
    if (m_texture)
        FitCellsToSheet();
}

CSprite::~CSprite()
{
    if (m_owns_texture)
        delete m_texture;
}

void CSprite::ReleaseTexture()
{
    if (m_owns_texture && m_texture)
        m_texture->Release();
}

bool CSprite::LoadSpriteFile(const CFileSystem& files, const std::string& fileName)
{
    ReleaseTexture();
    m_files = &files;
    CPropertyFile description;
    description.Load(files, fileName);

    const std::string imageFile = description.GetString("file_name", "0");
    const std::string alphaFile = description.GetString("file_alpha", "0");
    const bool wrap = description.GetInt("tex_wrap", 0) != 0;
    const bool mipmaps = description.GetInt("tex_dynamic", 0) != 0;
    const int groups = description.GetInt("groups", 1);
    const int frames = description.GetInt("frames", 1);

    if (!m_owns_texture || !m_texture)
        m_texture = new CTexture();
    m_owns_texture = true;
    if (alphaFile.size() < 4)
        m_texture->LoadFromSource(files, imageFile, wrap, mipmaps);
    else
        m_texture->LoadWithAlpha(files, imageFile, alphaFile, wrap, mipmaps);

    // A count below 1 would divide the sheet by zero; such a file is read as one cell.
    SetSheet(groups, frames);
    FitCellsToSheet();
    return true;
}

void CSprite::FitCellsToSheet()
{
    SetCellSize(static_cast<float>(m_texture->GetWidth() / static_cast<std::uint32_t>(GetFrameCount())),
                static_cast<float>(m_texture->GetHeight() / static_cast<std::uint32_t>(GetGroupCount())));
}

void CSprite::CellCoordinates(float& s0, float& s1, float& t0, float& t1) const
{
    const float frames = static_cast<float>(GetFrameCount());
    const float groups = static_cast<float>(GetGroupCount());
    s0 = GetFrame() / frames;
    s1 = (GetFrame() + 1) / frames;
    t0 = GetGroup() / groups;
    t1 = (GetGroup() + 1) / groups;
    if (s1 >= 1.0f)
        s1 = 1.0f;
    if (t1 >= 1.0f)
        t1 = 1.0f;
}

void CSprite::Draw(bool bind) const
{
    if (!IsVisible())
        return;
    if (bind && m_texture)
        NGl::BindTexture(m_texture->GetName());
    if (IsBlended())
    {
        NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        NGl::Enable(GL_BLEND);
        NGl::Disable(GL_ALPHA_TEST);
    }
    NGl::Enable(GL_TEXTURE_2D);

    float s0, s1, t0, t1;
    CellCoordinates(s0, s1, t0, t1);
    if (IsFlipped())
        std::swap(t0, t1);
    const float hw = GetCellWidth() / 2.0f;
    const float hh = GetCellHeight() / 2.0f;
    const float x = GetX(), y = GetY(), z = GetZ();
    NGl::Begin(GL_TRIANGLE_STRIP);
    NGl::TexCoord(s1, t0);
    NGl::Vertex(x + hw, y - hh, z);
    NGl::TexCoord(s0, t0);
    NGl::Vertex(x - hw, y - hh, z);
    NGl::TexCoord(s1, t1);
    NGl::Vertex(x + hw, y + hh, z);
    NGl::TexCoord(s0, t1);
    NGl::Vertex(x - hw, y + hh, z);
    NGl::End();

    if (IsBlended())
        NGl::Disable(GL_BLEND);
}
