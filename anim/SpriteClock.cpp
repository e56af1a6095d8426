// Frame timing of an animated sheet, the one course of frames for the rules'
// cells and insects and for every drawn sprite.
#include "anim/SpriteClock.h"

#include <algorithm>

namespace NGame
{
CSpriteClock::CSpriteClock(int groups, int frames, std::uint32_t frameTime, float cellWidth, float cellHeight)
    : m_groups(std::max(groups, 1)), m_frames(std::max(frames, 1)), m_cell_width(cellWidth),
      m_cell_height(cellHeight), m_frame_time(frameTime)
{
}

void CSpriteClock::Update(float elapsed)
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

void CSpriteClock::SetSheet(int groups, int frames)
{
    m_groups = std::max(groups, 1);
    m_frames = std::max(frames, 1);
    m_frame = 0;
    m_group = 0;
}

void CSpriteClock::SetPosition(float x, float y, float z)
{
    m_x = x;
    m_y = y;
    m_z = z;
}

void CSpriteClock::SetCellSize(float width, float height)
{
    m_cell_width = width;
    m_cell_height = height;
}

void CSpriteClock::SetGroup(int group)
{
    m_group = group >= 0 && group < m_groups ? group : 0;
}

void CSpriteClock::SetFrame(int frame)
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

void CSpriteClock::Rewind()
{
    m_elapsed = m_reverse ? m_frame_time * static_cast<std::uint32_t>(m_frames) : 0;
}
} // namespace NGame
