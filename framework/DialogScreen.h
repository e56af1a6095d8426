// CDialogScreen: a screen opened above the stack that takes the input while
// open; closes itself with Escape (result 1) or Enter (result 0).
#pragma once

#include "framework/Screen.h"

class CTexture;

class CDialogScreen : public CScreen
{
  public:
    ~CDialogScreen() override = default;
    void Draw() override;
    void OnKeyDown(int key) override;
    void FocusToClient(float& x, float& y) const override;
    void OnMouseMove(int x, int y, std::uint32_t flags) override;
    void OnLButtonUp(int x, int y, std::uint32_t flags) override;
    void OnLButtonDown(int x, int y, std::uint32_t flags) override;
    void OnControl(CControl* control) override = 0;

    // Picture coordinates (what the platform hands out at any window size)
    // counted from the dialog's corner.
    void ToDialog(int& x, int& y) const;
    // Darkens the whole logical screen when the dim flag is set.
    void DrawDim(float r, float g, float b, float a) const;
    // The dim and then the dialog's background picture over its rectangle,
    // both fading in over the first 40 frames the dialog is drawn.
    void DrawFadingBack(const CTexture* texture);

    int m_logical_width = 800;
    int m_logical_height = 600;
    bool m_dim = false;
    float m_x = 0.0f;
    float m_y = 0.0f;
    int m_width = 100;
    int m_height = 100;
    bool m_frame = true;

  private:
    float m_fade = 0.0f;
};
