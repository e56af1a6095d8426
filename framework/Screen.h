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

    // Menus played from the keyboard: Tab, Down or Up move the pointer from
    // control to control in reading order (Shift+Tab backwards), Space
    // clicks where it is.
    void SetKeyboardNavigation(bool on) { m_keyboard_navigation = on; }

    bool IsDragging() const { return m_dragging; }
    // Whether empty area drags the window while it is a window: the screen
    // says so once, and full screen, however it came, stops it.
    void SetDraggable(bool draggable) { m_draggable = draggable; }
    bool IsDraggable() const;

  protected:
    const std::vector<CControl*>& Controls() const { return m_controls; }
    // The control Tab or the arrows last took the pointer to, if any.
    CControl* FocusedControl() const { return m_focused; }

    // A control's focus point in the screen's client coordinates (dialogs
    // put their own corner in).
    virtual void FocusToClient(float& x, float& y) const;

  private:
    void StartDrag();
    // Moves the pointer to the next (step 1) or previous (-1) control.
    void MoveFocus(int step);

    std::vector<CControl*> m_controls;
    int m_result = 0;
    bool m_dragging = false;
    bool m_draggable = false;
    bool m_keyboard_navigation = false;
    CControl* m_focused = nullptr;
    // The pointer and the window's corner when the drag began: the window
    // goes where they say, not where a window manager slow to move it last
    // reported it.
    int m_anchor_x = 0;
    int m_anchor_y = 0;
    int m_drag_left = 0;
    int m_drag_top = 0;
};
