// A sprite sheet cut into rows ("groups") and columns (animation frames),
// loaded from a ".spr" file and copied by everything that shows it.
#pragma once

#include "media/Vector.h"

#include <cstdint>
#include <string>

class CFileSystem;
class CTexture;

class CSprite
{
  public:
    CSprite() = default;
    // A prototype over a sheet someone else owns (or none: a null texture
    // keeps the frame timing and draws nothing useful). Counts below 1 count
    // as 1; the cell size is the sheet's size divided by the counts.
    CSprite(int groups, int frames, std::uint32_t frameTime, CTexture* texture);
    // Copies share the prototype's texture and never release it.
    CSprite(const CSprite& other);
    CSprite& operator=(const CSprite&) = delete;
    virtual ~CSprite();

    // Reads the sprite file and (re)loads its sheet into the sprite's own
    // texture object, which a reload keeps so that copies stay valid.
    bool LoadSpriteFile(const CFileSystem& files, const std::string& fileName);
    void ReleaseTexture();

    void Update(float elapsed);
    // With bind false the caller has already bound the sheet (many copies in a row).
    void Draw(bool bind) const;

    void SetPosition(float x, float y, float z);
    void SetPosition(const CVector& position) { m_position = position; }
    const CVector& GetPosition() const { return m_position; }
    // Carried along by copies for their owners; the sprite itself ignores it.
    CVector& Extra() { return m_extra; }
    void SetVisible(bool visible) { m_visible = visible; }
    bool IsVisible() const { return m_visible; }
    void SetBlend(bool blend) { m_blend = blend; }
    bool IsBlended() const { return m_blend; }
    void SetFlip(bool flip) { m_flip = flip; }
    bool IsFlipped() const { return m_flip; }
    void SetReverse(bool reverse) { m_reverse = reverse; }
    bool GetReverse() const { return m_reverse; }
    void SetFrameTime(std::uint32_t milliseconds) { m_frame_time = milliseconds; }
    std::uint32_t GetFrameTime() const { return m_frame_time; }
    void SetCellSize(float width, float height);
    float GetCellWidth() const { return m_cell_width; }
    float GetCellHeight() const { return m_cell_height; }
    void SetGroup(int group);
    void SetFrame(int frame);
    void Rewind();
    int GetFrameCount() const { return m_frames; }
    int GetGroupCount() const { return m_groups; }
    int GetFrame() const { return m_frame; }
    int GetGroup() const { return m_group; }
    std::uint32_t GetElapsed() const { return m_elapsed; }
    CTexture* GetTexture() const { return m_texture; }
    bool OwnsTexture() const { return m_owns_texture; }

    // Texture coordinates of the current cell: s0, s1 across, t0, t1 along the stored rows.
    void CellCoordinates(float& s0, float& s1, float& t0, float& t1) const;

  private:
    CVector m_position;
    CVector m_extra;
    CTexture* m_texture = nullptr;
    const CFileSystem* m_files = nullptr;
    int m_groups = 1;
    int m_frames = 1;
    float m_cell_width = 0.0f;
    float m_cell_height = 0.0f;
    int m_frame = 0;
    int m_group = 0;
    bool m_visible = true;
    bool m_owns_texture = false;
    bool m_blend = false;
    bool m_flip = false;
    bool m_reverse = false;
    std::uint32_t m_elapsed = 0;
    std::uint32_t m_frame_time = 50;
};
