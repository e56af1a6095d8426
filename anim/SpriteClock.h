// The timing half of a sprite sheet: which group and frame shows, advanced by
// elapsed time, and the cell size, position and flags a painter shows it with.
// The rules animate cells and insects with it, and every drawn sprite
// (media/Sprite.h) is one, so both keep one course of frames.
#pragma once

#include <cstdint>

namespace NGame
{
class CSpriteClock
{
  public:
    CSpriteClock() = default;
    // The shape of a sheet of `groups` rows and `frames` columns; counts below
    // 1 count as 1, as a sheet too small to cut still has one cell.
    CSpriteClock(int groups, int frames, std::uint32_t frameTime, float cellWidth = 0.0f,
                 float cellHeight = 0.0f);

    // At most one frame step per call, once more than the frame time has passed.
    void Update(float elapsed);
    // A sheet of another shape (counts below 1 count as 1), at its first cell.
    void SetSheet(int groups, int frames);

    void SetPosition(float x, float y, float z);
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }
    float GetZ() const { return m_z; }
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
    // Selections outside the sheet fall back to the first group or frame.
    void SetGroup(int group);
    void SetFrame(int frame);
    void Rewind();
    int GetFrameCount() const { return m_frames; }
    int GetGroupCount() const { return m_groups; }
    int GetFrame() const { return m_frame; }
    int GetGroup() const { return m_group; }
    std::uint32_t GetElapsed() const { return m_elapsed; }

  private:
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_z = 0.0f;
    int m_groups = 1;
    int m_frames = 1;
    float m_cell_width = 0.0f;
    float m_cell_height = 0.0f;
    int m_frame = 0;
    int m_group = 0;
    bool m_visible = true;
    bool m_blend = false;
    bool m_flip = false;
    bool m_reverse = false;
    std::uint32_t m_elapsed = 0;
    std::uint32_t m_frame_time = 50;
};
} // namespace NGame
