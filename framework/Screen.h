// CScreen: everything the user sees; owns (but does not keep ownership in the
// list of) its controls, passes them every input event and frame tick, and
// lets the user drag the window by empty screen area.
#pragma once

#include <cstdint>
#include <vector>

class CControl;
class CDialogScreen;

class CScreen
{
  public:
    virtual ~CScreen() = default;
    virtual void Update(float elapsed);
    virtual void Draw();
    virtual void Activate();
    virtual void OnKeyDown(int key);
    virtual void OnChar(std::uint16_t character, std::uint16_t repeat);
    virtual void OnMouseMove(int x, int y, std::uint32_t flags);
    virtual void OnLButtonUp(int x, int y, std::uint32_t flags);
    virtual void OnLButtonDown(int x, int y, std::uint32_t flags);
    virtual void OnRButtonUp(int x, int y, std::uint32_t flags);
    virtual void OnControl(CControl* control);
    virtual void OnDialogClosed(int result, CDialogScreen* dialog);
    virtual void OnScreenClosed(CScreen* screen);
    virtual void OnCloseRequest();

    void AddControl(CControl* control) { m_controls.push_back(control); }
    void SetResult(int result) { m_result = result; }
    int GetResult() const { return m_result; }

    bool IsDragging() const { return m_dragging; }
    void SetDraggable(bool draggable) { m_draggable = draggable; }
    bool IsDraggable() const { return m_draggable; }

  protected:
    const std::vector<CControl*>& Controls() const { return m_controls; }

  private:
    void StartDrag();

    std::vector<CControl*> m_controls;
    int m_result = 0;
    bool m_dragging = false;
    bool m_draggable = false;
    int m_anchor_x = 0;
    int m_anchor_y = 0;
};
