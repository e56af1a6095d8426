// The help texts wrapped by the font's own widths, and drawing of the visible lines.
#include "widgets/ScrollingText.h"

#include "media/BitmapText.h"
#include "text/WordWrap.h"

CScrollingText::CScrollingText(const CBitmapText* font, float lineWidth, float textSize, int visibleLines)
    : m_font(font), m_line_width(lineWidth), m_text_size(textSize), m_visible_lines(visibleLines)
{
}

void CScrollingText::SetText(const char* bytes, int count)
{
    // Without a font nothing has width.
    static const NText::CFontMetrics kNoFont;
    const bool any = bytes && count > 0;
    const std::string_view text(any ? bytes : "", any ? static_cast<std::size_t>(count) : 0);
    m_lines = NText::WrapWords(text, m_font ? m_font->Metrics() : kNoFont, m_text_size, m_line_width);
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
