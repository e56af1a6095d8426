// Word wrapping by the font's own widths, and drawing of the visible lines.
#include "widgets/ScrollingText.h"

#include "media/BitmapText.h"

CScrollingText::CScrollingText(const CBitmapText* font, float lineWidth, float textSize, int visibleLines)
    : m_font(font), m_line_width(lineWidth), m_text_size(textSize), m_visible_lines(visibleLines)
{
}

float CScrollingText::Width(const std::string& text) const
{
    return m_font ? m_font->TextWidth(text.c_str(), m_text_size) : 0.0f;
}

void CScrollingText::SetText(const char* bytes, int count)
{
    m_lines.clear();
    std::string text;
    if (bytes && count > 0)
        text.assign(bytes, static_cast<std::size_t>(count));
    text += '\r';

    std::string line;
    std::string word;
    for (char c : text)
    {
        if (c != ' ' && c != '\r')
        {
            // A zero byte would end the line early when it is drawn.
            if (c != '\n' && c != '\0')
                word += c;
            continue;
        }
        if (Width(line) + Width(word) >= m_line_width)
        {
            m_lines.push_back(line);
            line = word + ' ';
        }
        else
            line += word + ' ';
        word.clear();
        if (c == '\r')
        {
            m_lines.push_back(line);
            line.clear();
        }
    }
}

void CScrollingText::DrawLines(float x, float y, float r, float g, float b, float a) const
{
    if (!m_font)
        return;
    int shown = 0;
    for (const std::string& line : m_lines)
    {
        if (shown >= m_visible_lines)
            break;
        m_font->DrawText(line.c_str(), m_text_size, x, y, 10.0f, r, g, b, a, false, false);
        y += m_text_size;
        ++shown;
    }
}
