// CTrackBar: a horizontal slider; the thumb is dragged along a track that the
// screen's background shows, and the owner is told when the drag ends.
#pragma once

#include "framework/Control.h"

#include <string>

class CPropertyFile;
class CScreen;
class CTexture;

class CTrackBar : public CControl
{
  public:
    CTrackBar(CScreen* owner, CTexture* texture);

    // Maps v from [a0, a1] onto [b0, b1]; an empty source range maps to b0.
    static float Map(float a0, float a1, float b0, float b1, float v);

    void SetPosition(float x, float y, float z);
    void LoadLayout(const CPropertyFile& layout, const std::string& name);
    // The value is kept within the range, so the thumb stays on its track.
    void SetRange(float minimum, float maximum);
    void SetValue(float value);
    // Moves the value by `delta`, kept within the range (keyboard steps).
    void Step(float delta);
    void SetLength(float length) { m_length = length; }
    float GetValue() const { return m_value; }
    bool IsDragging() const { return m_dragging; }
    // Left edge of the thumb in screen units.
    float ThumbLeft() const;
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }
    float GetZ() const { return m_z; }

    bool OnMouseMove(int x, int y, std::uint32_t flags) override;
    bool OnLButtonUp(int x, int y, std::uint32_t flags) override;
    bool OnLButtonDown(int x, int y, std::uint32_t flags) override;
    void Draw() override;

  private:
    CScreen* m_owner;
    CTexture* m_texture;
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_z = 0.0f;
    float m_value = 5.0f;
    float m_minimum = 0.0f;
    float m_maximum = 10.0f;
    float m_thumb_width = 0.0f;
    float m_thumb_height = 0.0f;
    float m_length = 100.0f;
    bool m_dragging = false;
};
