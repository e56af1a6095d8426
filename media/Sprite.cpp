// Sprite sheets: ".spr" loading, frame timing and drawing one cell.
#include "media/Sprite.h"

#include "media/Texture.h"
#include "platform/Gl.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"

#include <algorithm>
#include <utility>

CSprite::CSprite(const CSprite& other)
    : m_position(other.m_position), m_extra(other.m_extra), m_texture(other.m_texture),
      m_files(other.m_files), m_groups(other.m_groups), m_frames(other.m_frames),
      m_cell_width(other.m_cell_width), m_cell_height(other.m_cell_height), m_frame(other.m_frame),
      m_group(other.m_group), m_visible(other.m_visible), m_owns_texture(false), m_blend(other.m_blend),
      m_flip(other.m_flip), m_reverse(other.m_reverse), m_elapsed(other.m_elapsed),
      m_frame_time(other.m_frame_time)
{
}

CSprite::CSprite(int groups, int frames, std::uint32_t frameTime, CTexture* texture)
    : m_texture(texture), m_groups(std::max(groups, 1)), m_frames(std::max(frames, 1)),
      m_frame_time(frameTime)
{
    if (m_texture)
    {
        m_cell_width = static_cast<float>(m_texture->GetWidth() / static_cast<std::uint32_t>(m_frames));
        m_cell_height = static_cast<float>(m_texture->GetHeight() / static_cast<std::uint32_t>(m_groups));
    }
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
    // A count below 1 would divide the sheet by zero; such a file is read as one cell.
    m_groups = std::max(description.GetInt("groups", 1), 1);
    m_frames = std::max(description.GetInt("frames", 1), 1);

    if (!m_owns_texture || !m_texture)
        m_texture = new CTexture();
    m_owns_texture = true;
    if (alphaFile.size() < 4)
        m_texture->LoadFromSource(files, imageFile, wrap, mipmaps);
    else
        m_texture->LoadWithAlpha(files, imageFile, alphaFile, wrap, mipmaps);

    m_cell_width = static_cast<float>(m_texture->GetWidth() / static_cast<std::uint32_t>(m_frames));
    m_cell_height = static_cast<float>(m_texture->GetHeight() / static_cast<std::uint32_t>(m_groups));
    m_frame = 0;
    m_group = 0;
    return true;
}

void CSprite::Update(float elapsed)
{
    if (elapsed > 0.0f)
        m_elapsed += static_cast<std::uint32_t>(elapsed);
    if (m_elapsed <= m_frame_time)
        return;
    // One step per call at most; the remainder is dropped on purpose so a long
    // stall does not make the animation jump.
    if (m_reverse)
        m_frame = m_frame - 1 < 0 ? m_frames - 1 : m_frame - 1;
    else
        m_frame = m_frame + 1 >= m_frames ? 0 : m_frame + 1;
    m_elapsed = 0;
}

void CSprite::SetPosition(float x, float y, float z)
{
    m_position.x = x;
    m_position.y = y;
    m_position.z = z;
}

void CSprite::SetCellSize(float width, float height)
{
    m_cell_width = width;
    m_cell_height = height;
}

void CSprite::SetGroup(int group)
{
    m_group = group >= 0 && group < m_groups ? group : 0;
}

void CSprite::SetFrame(int frame)
{
    if (frame >= 0 && frame < m_frames)
    {
        m_frame = frame;
        m_elapsed = static_cast<std::uint32_t>(frame) * m_frame_time;
    }
    else
    {
        m_frame = 0;
        m_elapsed = 0;
    }
}

void CSprite::Rewind()
{
    m_elapsed = m_reverse ? m_frame_time * static_cast<std::uint32_t>(m_frames) : 0;
}

void CSprite::CellCoordinates(float& s0, float& s1, float& t0, float& t1) const
{
    const float frames = static_cast<float>(m_frames);
    const float groups = static_cast<float>(m_groups);
    s0 = m_frame / frames;
    s1 = (m_frame + 1) / frames;
    t0 = m_group / groups;
    t1 = (m_group + 1) / groups;
    if (s1 >= 1.0f)
        s1 = 1.0f;
    if (t1 >= 1.0f)
        t1 = 1.0f;
}

void CSprite::Draw(bool bind) const
{
    if (!m_visible)
        return;
    if (bind && m_texture)
        NGl::BindTexture(m_texture->GetName());
    if (m_blend)
    {
        NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        NGl::Enable(GL_BLEND);
        NGl::Disable(GL_ALPHA_TEST);
    }
    NGl::Enable(GL_TEXTURE_2D);

    float s0, s1, t0, t1;
    CellCoordinates(s0, s1, t0, t1);
    if (m_flip)
        std::swap(t0, t1);
    const float hw = m_cell_width / 2.0f;
    const float hh = m_cell_height / 2.0f;
    const float x = m_position.x, y = m_position.y, z = m_position.z;
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

    if (m_blend)
        NGl::Disable(GL_BLEND);
}
