// A plain screen that stands where the main menu will be: a known background,
// coloured and textured quads at known places, and visible answers to input,
// so that the window, the GL context and the input path can be checked by eye
// and by the window tests.
#pragma once

#include "framework/Screen.h"

#include <GL/gl.h>

#include <memory>

class CTestScreen final : public CScreen
{
  public:
    // Logical places the window tests probe.
    static constexpr float kMarkerHalf = 6.0f;

    CTestScreen();
    ~CTestScreen() override;

    void Draw() override;
    void Activate() override;
    void OnKeyDown(int key) override;
    void OnChar(std::uint16_t character, std::uint16_t repeat) override;
    void OnLButtonUp(int x, int y, std::uint32_t flags) override;
    void OnLButtonDown(int x, int y, std::uint32_t flags) override;
    void OnCloseRequest() override;
    void OnScreenClosed(CScreen* screen) override;

  private:
    void MakeTexture();

    // Help (H) and options (O) are opened from here as the menu will open them.
    std::unique_ptr<CScreen> m_opened;
    bool m_owns_resources = false;
    GLuint m_texture = 0;
    bool m_has_click = false;
    int m_click_x = 0;
    int m_click_y = 0;
    int m_last_char = 0;
};
