// CSimpleButton: a picture button with four looks (normal, hover, pressed,
// disabled) stacked as bands in one texture; it acts on press.
#pragma once

#include "framework/Control.h"

#include <string>

class CPropertyFile;
class CScreen;
class CTexture;

class CSimpleButton : public CControl
{
  public:
    enum EState
    {
        kNormal = 1,
        kHover = 2,
        kPressed = 3,
        kDisabled = 4,
    };

    CSimpleButton(CScreen* owner, CTexture* texture);

    void SetPosition(float x, float y, float z);
    // Keys name + ".x", ".y", ".z" of the screen's layout; absent keys give 0.
    void LoadLayout(const CPropertyFile& layout, const std::string& name);
    void SetVisible(bool visible) { m_visible = visible; }
    bool IsVisible() const { return m_visible; }
    // Whether the application's cursor lies on the button.
    bool IsMouseOver() const;
    bool Hits(int x, int y) const;
    bool GetFocusPoint(float& x, float& y) const override;

    int GetState() const { return m_state; }
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }
    float GetZ() const { return m_z; }
    float GetWidth() const { return m_width; }
    float GetHeight() const { return m_height; }

    bool OnMouseMove(int x, int y, std::uint32_t flags) override;
    bool OnLButtonUp(int x, int y, std::uint32_t flags) override;
    bool OnLButtonDown(int x, int y, std::uint32_t flags) override;
    void Draw() override;
    void Reset() override;
    bool SetDisabled(bool disabled) override;

  private:
    CScreen* m_owner;
    CTexture* m_texture;
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_z = 0.0f;
    float m_width = 0.0f;
    float m_height = 0.0f;
    int m_state = kNormal;
    bool m_visible = true;
};
