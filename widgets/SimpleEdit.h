// CSimpleEdit: a one-line text field with a blinking caret, editing keys and
// clipboard paste.
#pragma once

#include "framework/Control.h"

#include <cstddef>
#include <string>

class CBitmapText;
class CPropertyFile;
class CTexture;

class CSimpleEdit : public CControl
{
  public:
    // The text buffer holds at most this many bytes (plus its terminator).
    static constexpr std::size_t kCapacity = 1023;

    CSimpleEdit(CBitmapText* font, float textSize, CTexture* background);

    void SetPosition(float x, float y, float z);
    void LoadLayout(const CPropertyFile& layout, const std::string& name);
    void SetFocus(bool focus) { m_focus_state = focus ? 2 : 1; }
    bool HasFocus() const { return m_focus_state == 2; }
    const char* GetText() const { return m_text.c_str(); }
    void SetText(const std::string& text);
    int GetCaret() const { return m_caret; }
    // Inserts at the caret and keeps the text within the maximum length.
    void Insert(const std::string& text);
    // Replaces every byte outside 32..126 by a space and inserts the clipboard text.
    void Paste();

    bool OnMouseMove(int x, int y, std::uint32_t flags) override;
    bool OnLButtonUp(int x, int y, std::uint32_t flags) override;
    bool OnLButtonDown(int x, int y, std::uint32_t flags) override;
    void OnKeyDown(int key) override;
    void OnChar(std::uint16_t character, std::uint16_t repeat) override;
    void Update(float elapsed) override;
    void Draw() override;

    // Set by the owner.
    int m_max_length = 10;
    bool m_active = true;
    float m_r = 1.0f;
    float m_g = 1.0f;
    float m_b = 0.0f;
    float m_a = 1.0f;

  private:
    bool Hits(int x, int y) const;
    std::size_t MaxLength() const;

    float m_left_margin = 7.0f;
    CTexture* m_background;
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_z = 0.0f;
    float m_width = 130.0f;
    float m_height = 60.0f;
    int m_focus_state = 1;
    CBitmapText* m_font;
    float m_text_size;
    std::string m_text;
    bool m_caret_shown = false;
    float m_blink_period = 500.0f;
    float m_blink_timer = 0.0f;
    int m_caret = 0;
};
