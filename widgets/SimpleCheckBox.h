// CSimpleCheckBox: a two-state box whose mouse area reaches over the caption
// the screen draws beside it; it toggles on release.
#pragma once

#include "framework/Control.h"

#include <string>

class CPropertyFile;
class CScreen;
class CTexture;

class CSimpleCheckBox : public CControl
{
  public:
    enum EState
    {
        kUnchecked = 1,
        kUncheckedHover = 2,
        kChecked = 3,
        kCheckedHover = 4,
    };

    CSimpleCheckBox(CScreen* owner, CTexture* texture, float extraHitWidth);

    void SetPosition(float x, float y, float z);
    void LoadLayout(const CPropertyFile& layout, const std::string& name);
    void SetChecked(bool checked) { m_state = checked ? kChecked : kUnchecked; }
    bool IsChecked() const { return m_state > kUncheckedHover; }
    int GetState() const { return m_state; }
    float GetZ() const { return m_z; }
    bool Hits(int x, int y) const;
    bool GetFocusPoint(float& x, float& y) const override;

    bool OnMouseMove(int x, int y, std::uint32_t flags) override;
    bool OnLButtonUp(int x, int y, std::uint32_t flags) override;
    bool OnLButtonDown(int x, int y, std::uint32_t flags) override;
    void Draw() override;

  private:
    CScreen* m_owner;
    CTexture* m_texture;
    float m_x = 200.0f;
    float m_y = 40.0f;
    float m_z = 0.0f;
    float m_width = 0.0f;
    float m_height = 0.0f;
    float m_extra_hit_width;
    int m_state = kUnchecked;
};
