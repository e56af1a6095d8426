// Glyph spans found the way the game finds them: lines of ink rows, a skipped
// marker run, then one run of inked columns per glyph.
#include "tools/datagen/FontMetrics.h"

namespace NDatagen
{
CFontMetrics::CFontMetrics(const CImage& sheet)
{
    const int w = sheet.Width(), h = sheet.Height();
    m_aspect = static_cast<float>(w) / h;
    auto rowInk = [&](int y)
    {
        for (int x = 0; x < w; ++x)
            if (sheet.At(x, y).a > 0)
                return true;
        return false;
    };
    int y = 0;
    while (y < h)
    {
        while (y < h && !rowInk(y))
            ++y;
        if (y >= h)
            break;
        const int first = y;
        while (y < h && rowInk(y))
            ++y;
        const int last = y - 1;
        m_line_height = static_cast<float>(last - first) / h;
        std::vector<bool> col(w);
        for (int x = 0; x < w; ++x)
            for (int yy = first; yy <= last && !col[x]; ++yy)
                col[x] = sheet.At(x, yy).a > 0;
        int x = 0;
        while (x < w && !col[x])
            ++x;
        while (x < w && col[x])
            ++x;
        for (;;)
        {
            while (x < w && !col[x])
                ++x;
            if (x >= w - 1)
                break;
            const int start = x;
            while (x < w && col[x])
                ++x;
            m_glyphs.push_back({static_cast<float>(start - 1) / w, static_cast<float>(x) / w});
        }
    }
}

float CFontMetrics::Width(const std::string& text, float size) const
{
    if (m_glyphs.size() < 94)
        return 0;
    const float scale = size / m_line_height * m_aspect;
    const SSpan& a = m_glyphs['A' - 33];
    const float space = scale * (a.right - a.left);
    const float gap = space / 10;
    float width = 0;
    for (char c : text)
    {
        if (c == ' ')
            width += space;
        else if (c >= 33 && c <= 126)
            width += scale * (m_glyphs[c - 33].right - m_glyphs[c - 33].left) + gap;
    }
    return width;
}

int CFontMetrics::Lines(const std::string& text, float size, float limit) const
{
    int lines = 0;
    std::string line, word;
    for (char c : text + '\r')
    {
        if (c == ' ' || c == '\r')
        {
            if (Width(line, size) + Width(word, size) >= limit)
            {
                ++lines;
                line = word + " ";
            }
            else
                line += word + " ";
            word.clear();
            if (c == '\r')
            {
                ++lines;
                line.clear();
            }
        }
        else if (c != '\n')
            word += c;
    }
    return lines;
}
} // namespace NDatagen
