// CScrollingText: a block of word-wrapped lines drawn with the bitmap font
// (help pages); a plain object that its owner draws.
#pragma once

#include <string>
#include <vector>

class CBitmapText;

class CScrollingText
{
  public:
    CScrollingText(const CBitmapText* font, float lineWidth, float textSize, int visibleLines);
    virtual ~CScrollingText() = default;

    // Wraps `count` bytes into lines; line feeds are dropped, carriage returns
    // end a line, and every stored line ends with a space.
    void SetText(const char* bytes, int count);
    void DrawLines(float x, float y, float r, float g, float b, float a) const;

    const std::vector<std::string>& GetLines() const { return m_lines; }

  private:
    const CBitmapText* m_font;
    std::vector<std::string> m_lines;
    float m_line_width;
    float m_text_size;
    int m_visible_lines;
};
