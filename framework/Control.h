// CControl: the interface every control of a screen implements.
#pragma once

#include <cstdint>

class CSound;

class CControl
{
  public:
    virtual ~CControl() = default;
    // The four mouse operations return true when the control took the event.
    virtual bool OnMouseMove(int x, int y, std::uint32_t flags);
    virtual bool OnLButtonUp(int x, int y, std::uint32_t flags);
    virtual bool OnRButtonUp(int x, int y, std::uint32_t flags);
    virtual bool OnLButtonDown(int x, int y, std::uint32_t flags);
    virtual void OnKeyDown(int key);
    virtual void OnChar(std::uint16_t character, std::uint16_t repeat);
    virtual void Update(float elapsed);
    virtual void Draw();
    virtual void Reset();
    virtual bool SetDisabled(bool disabled);
    virtual bool IsDisabled();
    // The point a keyboard player's pointer jumps to, in the coordinates the
    // control's screen hands it; false for controls that take no such jump.
    virtual bool GetFocusPoint(float& x, float& y) const;

  protected:
    bool m_disabled = false;

  public:
    // Not owned; owners set it after construction and the base never plays it.
    CSound* m_click_sound = nullptr;
};
