// The animated sheet that board cells, coins and insects show: a grid of
// groups (rows) and frames (columns) with its own frame timing.
// A stand-in with the animation rules of the media sprite, so that the board
// runs and is tested headless; a prototype carries the frame and group counts.
#pragma once

namespace NGame
{
class CBoardSprite
{
  public:
    CBoardSprite() = default;
    CBoardSprite(int groups, int frames, unsigned texture = 0);

    void SetPosition(float x, float y)
    {
        m_x = x;
        m_y = y;
    }
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }

    void SetCellSize(float width, float height)
    {
        m_width = width;
        m_height = height;
    }
    float GetCellWidth() const { return m_width; }

    void SetBlend(bool blend) { m_blend = blend; }
    void SetFlip(bool flip) { m_flip = flip; }
    void SetReverse(bool reverse) { m_reverse = reverse; }
    bool GetReverse() const { return m_reverse; }
    void SetFrameTime(unsigned ms) { m_frameTime = ms; }
    unsigned GetFrameTime() const { return m_frameTime; }

    // Out-of-range values select 0, as a sheet has nothing else to show.
    void SetGroup(int group) { m_group = (group >= 0 && group < m_groups) ? group : 0; }
    void SetFrame(int frame);
    void Rewind() { m_elapsed = m_reverse ? m_frameTime * static_cast<unsigned>(m_frames) : 0; }

    int GetFrameCount() const { return m_frames; }
    int GetGroupCount() const { return m_groups; }
    int GetFrame() const { return m_frame; }
    int GetGroup() const { return m_group; }

    // At most one frame step per call; the remainder is dropped on purpose so
    // that a long frame never skips pictures.
    void Update(float elapsedMs);
    void Draw(bool bind = true) const;

  private:
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_width = 0.0f;
    float m_height = 0.0f;
    unsigned m_texture = 0;
    int m_groups = 1;
    int m_frames = 1;
    int m_frame = 0;
    int m_group = 0;
    bool m_blend = false;
    bool m_flip = false;
    bool m_reverse = false;
    float m_elapsed = 0.0f;
    unsigned m_frameTime = 50;
};
} // namespace NGame
